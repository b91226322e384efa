#!/usr/bin/python3
"""korvane-cli's eigenvalues of a matrix with a parameter against SymPy.

Usage: sympy_parameter_eigen.py KORVANE_CLI [CASES] [SEED]
Every case runs korvane-cli eigenvalues on one random 2 x 2 or 3 x 3 family
in one letter, most of them P·T·P⁻¹ with a unimodular integer P and an upper
triangular T whose diagonal plants eigenvalues linear in the letter (equal
ones among them), now and then a quotient such as 1/(a-1) or a block
[[0, c·a], [1, 0]] whose λ² − c·a does not split. The log is read back:

  - det(λI − A) as expanded, and as factored, must equal SymPy's
    characteristic polynomial exactly (as rational functions in λ and a);
  - the eigenvalues with their multiplicities must be exactly the roots of
    the factors linear in λ of SymPy's factorisation over Q(a), the factors
    named as of higher degree exactly its others;
  - each value of the letter said to make two eigenvalues equal must make
    them equal, and every rational value that does must be said;
  - with the unit i in the polynomial, the refusal and exit status 1.

Prints one line per disagreement and exits 1 if there was any.
"""

import random
import re
import subprocess
import sys

from sympy import (I, Matrix, Poly, Rational, Symbol, cancel, eye, factor_list, fraction,
                   roots, simplify, zeros)
from sympy.parsing.sympy_parser import (
    convert_xor, implicit_multiplication_application, parse_expr, standard_transformations)

TRANSFORMS = standard_transformations + (implicit_multiplication_application, convert_xor)
LETTERS = "aktx"
LAMBDA = Symbol("L")
MULTIPLICITY = re.compile(r"λ = (.*)（代数的重複度(\d+)）")
HIGHER = re.compile(r"因数 (.*) は λ について(\d+)次で、.*（代数的重複度(\d+)）。")
COINCIDENCE = re.compile(r"(.*) のとき、固有値 (.*) と (.*) は等しくなります。")
SHARED_ROOT = re.compile(r"(.*) のとき、固有値 (.*) は (.*) = 0 の解でもあります。")
REFUSAL = "固有多項式の係数に虚数単位 i が含まれるので"


def expr(text, letter):
    """A text of Korvane's log in the letter and λ: "λ^2 - 2aλ + (a-1)(a+1)"."""
    if not re.fullmatch(r"[0-9a-zλ+\-*/^() ]*", text):
        raise ValueError(f"not an expression text: {text!r}")
    local = {letter: Symbol(letter), "L": LAMBDA, "i": I}
    return parse_expr(text.replace("λ", "L"), local_dict=local, transformations=TRANSFORMS)


def same(x, y):
    return cancel(x - y) == 0


def cell_text(value):
    """SymPy's text of an entry, as Korvane reads it: no blanks."""
    return re.sub(r"(\d)\*I", r"\1i", str(cancel(value)).replace(" ", "")).replace("I", "i")


# --- the families ---------------------------------------------------------------


def unimodular(rng, n):
    """An integer matrix of determinant ±1: a product of a few elementary ones."""
    p = eye(n)
    for _ in range(rng.randint(1, 4)):
        r, c = rng.sample(range(n), 2)
        e = eye(n)
        e[r, c] = rng.choice([-2, -1, 1, 2])
        p = p * e
    return p


def planted_value(rng, a, planted):
    """An eigenvalue linear in a, now and then one already planted."""
    if planted and rng.random() < 0.25:
        return rng.choice(planted)
    return rng.randint(-2, 2) * a + rng.randint(-3, 3)


def family(rng, letter, gaussian):
    n = rng.choice([2, 3])
    a = Symbol(letter)
    t = zeros(n, n)
    planted = []
    k = 0
    if n == 3 and rng.random() < 0.15:  # a block that does not split
        t[0, 1], t[1, 0] = rng.choice([1, 2, 3]) * a, 1
        k = 2
    while k < n:
        planted.append(planted_value(rng, a, planted))
        t[k, k] = planted[-1]
        k += 1
    if rng.random() < 0.15:
        t[n - 1, n - 1] = 1 / (a - rng.choice([1, 2, -1]))
    for r in range(n):
        for c in range(r + 1, n):
            if t[r, c] == 0 and rng.random() < 0.4:
                t[r, c] = rng.choice([1, -1, 2, a])
    if gaussian:
        t[0, 0] = t[0, 0] + I * rng.choice([1, 2])
    p = unimodular(rng, n)
    return (p * t * p.inv()).applyfunc(cancel)


# --- reading and judging the log ------------------------------------------------


def run(cli, matrix):
    text = "\n".join(" ".join(cell_text(matrix[r, c]) for c in range(matrix.cols))
                     for r in range(matrix.rows)) + "\n"
    done = subprocess.run([cli, "eigenvalues"], input=text, capture_output=True, text=True, timeout=30)
    return text, done


def linear_and_higher(characteristic, letter):
    """SymPy's factorisation over Q(letter): the roots of the factors linear
    in λ with multiplicities, and the monic others."""
    numerator, _ = fraction(cancel(characteristic))
    _, factors = factor_list(numerator, LAMBDA, Symbol(letter))
    linear, higher = {}, []
    for f, m in factors:
        degree = Poly(f, LAMBDA).degree()
        if degree == 0:
            continue
        coefficients = Poly(f, LAMBDA).all_coeffs()
        if degree == 1:
            value = cancel(-coefficients[1] / coefficients[0])
            linear[value] = linear.get(value, 0) + m
        else:
            higher.append((cancel(f / coefficients[0]), m))
    return linear, higher


def rational_values(text, letter):
    """The values named "a = v" in a condition list."""
    found = []
    for part in text.split("、"):
        eq = re.fullmatch(rf"{letter} = (.*)", part)
        if eq:
            found.append(expr(eq.group(1), letter))
    return found


def judge_shared_roots(lines, values, higher, letter):
    """Each eigenvalue said to be a root of a higher factor at some values
    is one there, and every rational such value is said."""
    a = Symbol(letter)
    said = set()
    for line in lines:
        m = SHARED_ROOT.fullmatch(line)
        if not m:
            continue
        x, f = expr(m.group(2), letter), expr(m.group(3), letter)
        for v in rational_values(m.group(1), letter):
            if not same(f.subs(LAMBDA, x).subs(a, v), 0):
                return f"{line}: no root at {v}"
            said.add((v, cancel(x)))
    for x in values:
        for f, _ in higher:
            numerator, _ = fraction(cancel(f.subs(LAMBDA, x)))
            if numerator.free_symbols:
                for v in roots(Poly(numerator, a), filter="Q"):
                    if (v, cancel(x)) not in said:
                        return f"{x} is a root of {f} at {letter} = {v}, not said"
    return ""


def judge_coincidences(lines, values, letter):
    a = Symbol(letter)
    said = set()
    for line in lines:
        m = COINCIDENCE.fullmatch(line)
        if not m:
            continue
        x, y = expr(m.group(2), letter), expr(m.group(3), letter)
        for part in m.group(1).split("、"):
            eq = re.fullmatch(rf"{letter} = (.*)", part)
            if eq:
                v = expr(eq.group(1), letter)
                if not same(x.subs(a, v), y.subs(a, v)):
                    return f"{line}: not equal at {v}"
                said.add((v, frozenset((x, y))))
    for i, x in enumerate(values):
        for y in values[i + 1:]:
            numerator, _ = fraction(cancel(x - y))
            if numerator.free_symbols:
                for v in roots(Poly(numerator, a), filter="Q"):
                    if (v, frozenset((x, y))) not in said:
                        return f"{x} and {y} meet at {letter} = {v}, not said"
    return ""


def judge(matrix, letter, done):
    lines = done.stdout.splitlines()
    a = Symbol(letter)
    characteristic = (LAMBDA * eye(matrix.rows) - matrix).det(method="berkowitz")
    claimed = [line[len("det(λI - A) = "):] for line in lines if line.startswith("det(λI - A) = ")]
    if not claimed:
        return f"no characteristic polynomial (status {done.returncode}): {done.stderr.strip()}"
    for text in claimed:
        if not same(expr(text, letter), characteristic):
            return f"det(λI - A) = {text}, SymPy {characteristic.expand()}"
    has_unit = any(c.has(I) for c in Poly(cancel(characteristic * fraction(cancel(characteristic))[1]), LAMBDA, a).coeffs())
    if has_unit:
        if done.returncode != 1 or not any(line.startswith(REFUSAL) for line in lines):
            return "the unit in the polynomial without the refusal"
        return ""
    if done.returncode != 0 or len(claimed) != 2:
        return f"status {done.returncode}, {len(claimed)} polynomial lines: {done.stderr.strip()}"
    linear, higher = linear_and_higher(characteristic, letter)
    found = {}
    for line in lines:
        m = MULTIPLICITY.fullmatch(line)
        if m:
            found[cancel(expr(m.group(1), letter))] = int(m.group(2))
    if found != linear:
        return f"eigenvalues {found}, SymPy {linear}"
    named = [(expr(m.group(1), letter), int(m.group(3))) for m in map(HIGHER.fullmatch, lines) if m]
    if len(named) != len(higher) or any(
            not any(same(f, g) and m == n for g, n in higher) for f, m in named):
        return f"higher factors {named}, SymPy {higher}"
    return (judge_coincidences(lines, list(linear), letter)
            or judge_shared_roots(lines, list(linear), higher, letter))


def main():
    cli = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 100
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 14
    rng = random.Random(seed)
    failures = 0
    for case in range(count):
        letter = LETTERS[case % len(LETTERS)]
        matrix = family(rng, letter, gaussian=case % 10 == 9)
        text = ""
        try:
            text, done = run(cli, matrix)
            problem = judge(matrix, letter, done)
        except Exception as error:  # a log that cannot be read is a disagreement too
            problem = f"{type(error).__name__}: {error}"
        if problem:
            failures += 1
            shown = text.strip().replace("\n", " / ")
            print(f"case {case}: {problem}\n  input: {shown}", flush=True)
    print(f"eigenvalues with a parameter: {count - failures} of {count} cases agree with SymPy")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
