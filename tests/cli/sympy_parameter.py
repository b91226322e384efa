#!/usr/bin/python3
"""korvane-cli's case analysis by a parameter against SymPy.

Usage: sympy_parameter.py KORVANE_CLI GROUP [CASES] [SEED]
GROUP is rank, det, solve, solve-many, inverse, kernel or image. Every case runs
korvane-cli on one random family of matrices in one letter: entries small
polynomials in the letter (sometimes a quotient), most of them built as
L·D(a)·U with integer L, U and a diagonal D whose entries vanish at planted
values, so that the rank drops there: small rationals, Gaussian integers and
the surd roots of quadratics (a^2 - 2, a^2 + a - 1, a^2 - 6i). The closing
summary is read back:

  - the cases must cover every value and not overlap: each value the ≠ case
    leaves out is exactly one other case, a random value is exactly the ≠
    case, and no value is named twice;
  - for every value case SymPy substitutes the value (a surd through sqrt,
    computed in its algebraic field Q(i, √d)) into the original matrix, and
    for the ≠ case three random allowed values, and must find
    the claimed rank, kernel or image dimension, solution kind (a claimed
    unique solution is substituted back into Ax = b), inverse's existence;
    a determinant must equal SymPy's as a rational function, the inverse
    printed for a case must give A·A⁻¹ = I at its values.

Prints one line per disagreement and exits 1 if there was any.
"""

import collections
import functools
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from sympy import (I, QQ, Matrix, Poly, Pow, Rational, Symbol, cancel, expand, eye,  # noqa: E402
                   factor_list, fraction, sqrt, zeros)
from sympy.polys.domains import QQ_I  # noqa: E402
from sympy.polys.matrices import DomainMatrix  # noqa: E402
from sympy.parsing.sympy_parser import (  # noqa: E402
    convert_xor, implicit_multiplication_application, parse_expr, standard_transformations)

from sympy_agreement import judge_cases  # noqa: E402

LAST_INPUT = [""]
TALLY = collections.Counter()
TRANSFORMS = standard_transformations + (implicit_multiplication_application, convert_xor)
LETTERS = "aktx"
MATRIX_ROW = re.compile(r"  \( (.*)\)")

# --- reading the log ------------------------------------------------------------


def expr(text, letter):
    """A canonical text of Korvane's ("-(a-1)^2(a+2)", "1/(2a)", "3i/4",
    "(1+√5)/2", "-(1-i)√2/2")."""
    if not re.fullmatch(r"[0-9a-z+\-*/^() √]*", text):
        raise ValueError(f"not an expression text: {text!r}")
    text = re.sub(r"(?<=[0-9a-z)])√(\d+)", r"*sqrt(\1)", text)
    text = re.sub(r"√(\d+)", r"sqrt(\1)", text)
    return parse_expr(text, local_dict={letter: Symbol(letter), "i": I, "sqrt": sqrt},
                      transformations=TRANSFORMS)


def same(x, y):
    return expand(x - y) == 0


def condition(text, letter):
    """('all',), ('ne', values, factors), ('eq', value), ('root', factor)."""
    if text == f"すべての {letter} について":
        return ("all", [], [])
    m = re.fullmatch(rf"{letter} が (.*) = 0 の解のとき", text)
    if m:
        return ("root", expr(m.group(1), letter))
    m = re.fullmatch(r"(.*) のとき", text)
    if not m:
        raise ValueError(f"no case condition: {text!r}")
    body = m.group(1)
    m = re.fullmatch(rf"{letter} = ([^,]*)", body)
    if m:
        return ("eq", expr(m.group(1), letter))
    values, factors = [], []
    for part in body.split(" かつ "):
        m = re.fullmatch(rf"{letter} ≠ (.*)", part)
        if m:
            values += [expr(v, letter) for v in m.group(1).split(", ")]
        elif part.endswith(" ≠ 0"):
            factors.append(expr(part[:-4], letter))
        else:
            raise ValueError(f"no condition: {part!r}")
    return ("ne", values, factors)


def summary(lines, letter):
    """The cases of the closing sentence: [(condition, result text)], and the
    values where the matrix is undefined."""
    last = lines[-1]
    if not last.startswith("まとめると、") or not last.endswith("。"):
        raise ValueError(f"no summary at the end: {last!r}")
    cases, undefined = [], []
    for item in last[len("まとめると、"):-1].split("、"):
        if item.endswith(" のとき行列は定まりません"):
            body = item[: -len(" のとき行列は定まりません")]
            if not body.startswith(f"{letter} = "):
                raise ValueError(f"undefined where? {item!r}")
            undefined = [expr(v, letter) for v in body[len(letter) + 3:].split(", ")]
            continue
        if item.endswith("のときは調べていません"):
            cases.append((condition(item[: -len("は調べていません")], letter), None))
            continue
        m = re.fullmatch(r"(.*(?:のとき|について))(.+)", item)
        if not m:
            raise ValueError(f"no case in {item!r}")
        cases.append((condition(m.group(1), letter), m.group(2)))
    return cases, undefined


def holds(cond, value, letter):
    a = Symbol(letter)
    if cond[0] == "all":
        return True
    if cond[0] == "eq":
        return same(cond[1], value)
    if cond[0] == "root":
        return cond[1].subs(a, value).expand() == 0
    return (not any(same(v, value) for v in cond[1])
            and all(f.subs(a, value).expand() != 0 for f in cond[2]))


def coverage_problem(cases, undefined, letter, rng):
    """Every value in exactly one case: the ones a ≠ case leaves out, and
    random ones."""
    conditions = [c for c, _ in cases]
    probes = list(undefined)
    for c in conditions:
        if c[0] == "ne":
            probes += c[1]
        elif c[0] == "eq":
            probes.append(c[1])
    probes += [Rational(rng.randint(-400, 400), rng.randint(1, 9)) + rng.choice([0, 0, I]) for _ in range(4)]
    for value in probes:
        count = sum(holds(c, value, letter) for c in conditions) + any(same(value, u) for u in undefined)
        if count != 1:
            return f"{letter} = {value} lies in {count} cases"
    for c in conditions:
        for f in c[2] if c[0] == "ne" else []:
            if sum(1 for d in conditions if d[0] == "root" and (d[1] - f).expand() == 0) != 1:
                return f"{f} ≠ 0 is left out but no case of its own"
    return None


def sample_values(cond, letter, rng, undefined):
    """The values a case is checked at: its value, or three allowed ones."""
    if cond[0] == "eq":
        return [cond[1]]
    if cond[0] == "root":
        return []
    values = []
    while len(values) < 3:
        v = Rational(rng.randint(-60, 60), rng.randint(1, 5))
        if holds(cond, v, letter) and not any(same(v, u) for u in undefined):
            values.append(v)
    return values


def case_blocks(lines):
    """The log lines under each case heading, by heading."""
    blocks, current = {}, None
    for line in lines:
        m = re.fullmatch(r"［(.*)］", line)
        if m:
            current = m.group(1)
            blocks[current] = []
        elif current is not None:
            blocks[current].append(line)
    return blocks


def matrix_after(lines, lead, letter):
    """The matrix printed after the line lead, or None."""
    if lead not in lines:
        return None
    k = lines.index(lead) + 1
    rows = []
    while k < len(lines) and MATRIX_ROW.fullmatch(lines[k]):
        rows.append([expr(t, letter) for t in MATRIX_ROW.fullmatch(lines[k]).group(1).split()])
        k += 1
    return Matrix(rows)


# --- the families ------------------------------------------------------------------


def small_poly(rng, a, degree):
    return sum(rng.randint(-3, 3) * a**k for k in range(degree + 1))


def unimodular(rng, n):
    m = eye(n)
    for _ in range(n * 2):
        i, j = rng.sample(range(n), 2) if n > 1 else (0, 0)
        if i != j:
            m[i, :] = m[i, :] + rng.randint(-2, 2) * m[j, :]
    return m


def quadratic(rng, a):
    """An irreducible quadratic over Q(i): mostly one with surd roots (±√2,
    (-1±√5)/2, ±i√3, ±(1+i)√3), now and then one whose roots need a root
    inside a root (a^2 - 1 - i) and are only named."""
    return rng.choice([a**2 - 2, a**2 - 3, a**2 + a - 1, a**2 - 2*a - 1, a**2 + 3, 2*a**2 - 1,
                       a**2 - 6*I, a**2 - 1 - I])


def planted(rng, rows, cols, a):
    """L·D·U with entries of D that vanish at small planted values."""
    d = zeros(rows, cols)
    roots = [rng.choice([0, 1, -1, 2, -2, 3, Rational(1, 2), I]) for _ in range(3)]
    for k in range(min(rows, cols)):
        kind = rng.random()
        if kind < 0.4:
            d[k, k] = a - rng.choice(roots)
        elif kind < 0.48:
            d[k, k] = (a - rng.choice(roots)) * (a - rng.choice(roots))
        elif kind < 0.58:
            d[k, k] = quadratic(rng, a) * rng.choice([1, 1, a - rng.choice(roots)])
        elif kind < 0.64:
            d[k, k] = 0
        else:
            d[k, k] = rng.choice([1, 2, -1, 3])
    return (unimodular(rng, rows) * d * unimodular(rng, cols)).expand()


def family(rng, rows, cols, a):
    if rng.random() < 0.7:
        return planted(rng, rows, cols, a)
    m = Matrix(rows, cols, lambda r, c: small_poly(rng, a, rng.choice([0, 0, 1, 1, 2])))
    if rng.random() < 0.15:
        m[rng.randrange(rows), rng.randrange(cols)] = 1 / (a - rng.randint(-2, 2))
    return m


def cell_text(value):
    return str(value).replace(" ", "").replace("I", "i")


def run_cli(cli, command, matrix):
    LAST_INPUT[0] = "\n".join(" ".join(cell_text(matrix[r, c]) for c in range(matrix.cols))
                              for r in range(matrix.rows))
    lines = ["[size]", f"rows={matrix.rows}", f"cols={matrix.cols}", "[matrix]"]
    lines += [f"r{r}c{c}={cell_text(matrix[r, c])}" for r in range(matrix.rows) for c in range(matrix.cols)]
    with tempfile.NamedTemporaryFile("w", suffix=".kvm", delete=False) as f:
        f.write("\n".join(lines) + "\n")
        path = f.name
    try:
        done = subprocess.run([cli, command, path], capture_output=True, text=True, timeout=60)
    finally:
        os.unlink(path)
    return done.returncode, done.stdout.splitlines(), done.stderr


# --- the judges --------------------------------------------------------------------


class SurdField:
    """Q(i, √d) as SymPy's algebraic field, its numbers built from their
    coordinates on 1, i, √d, i√d (SymPy's own conversion is far slower)."""

    def __init__(self, root):
        self.k = QQ.algebraic_field(root, I)
        unit, r = self.k.from_sympy(I), self.k.from_sympy(root)
        self.basis = {1: self.k.one, I: unit, root: r, I * root: unit * r}

    def of(self, number):
        value = self.k.zero
        for term, c in expand(number).as_coefficients_dict().items():
            value += self.k.convert_from(QQ(c.p, c.q), QQ) * self.basis[term]
        return value


class GaussianField:
    k = QQ_I

    def of(self, number):
        return QQ_I.from_sympy(expand(number))


@functools.lru_cache(maxsize=None)
def surd_field(root):
    return SurdField(root)


def field_of(value):
    """Q(i), or Q(i, √d) for a surd value."""
    roots = [p for p in value.atoms(Pow) if p.exp == Rational(1, 2)]
    return surd_field(roots[0]) if roots else GaussianField()


@functools.lru_cache(maxsize=None)
def coefficients(e, a):
    """The coefficients of e's numerator and denominator in a, highest first."""
    num, den = fraction(cancel(e))
    return Poly(num, a).all_coeffs(), Poly(den, a).all_coeffs()


def exact(matrix, letter, value, field):
    """matrix at letter = value, exactly, in field."""
    a = Symbol(letter)
    x = field.of(value)

    def at(coeffs):
        total = field.k.zero
        for c in coeffs:
            total = total * x + field.of(c)
        return total

    def entry(e):
        num, den = coefficients(e, a)
        return at(num) / at(den)

    rows = [[entry(matrix[r, c]) for c in range(matrix.cols)] for r in range(matrix.rows)]
    return DomainMatrix(rows, matrix.shape, field.k)


def claimed_count(result, word):
    m = re.fullmatch(rf"{word} (\d+)", result)
    if not m:
        raise ValueError(f"not {word}: {result!r}")
    return int(m.group(1))


def judge_value(group, original, letter, value, result, block):
    field = field_of(value)
    m = exact(original, letter, value, field)
    rows, cols = m.shape
    zero = field.k.zero
    if group == "rank":
        return claimed_count(result, "階数") == m.rank()
    if group == "kernel":
        return claimed_count(result, "核の次元") == cols - m.rank()
    if group == "image":
        return claimed_count(result, "像の次元") == m.rank()
    if group == "inverse":
        invertible = m.det() != zero
        if result != ("逆行列あり" if invertible else "逆行列なし"):
            return False
        if invertible:
            inverse = matrix_after(block, "よって、逆行列は、", letter)
            return (inverse is not None
                    and (m * exact(inverse, letter, value, field)).to_Matrix() == eye(rows))
        return True
    # solve, solve-many
    unknowns = rows if group == "solve-many" else cols - 1
    a = exact(original[:, :unknowns], letter, value, field)
    b = exact(original[:, unknowns:], letter, value, field)
    rank_a, rank_ab = a.rank(), m.rank()
    if rank_a < rank_ab:
        return result == "解なし"
    if rank_a < unknowns:
        return result == f"解は無数（自由変数 {unknowns - rank_a} 個）"
    if group == "solve-many":
        x = matrix_after(block, "よって、AX = B の解は、", letter)
        return (result == "ただ一つの解 X" and x is not None
                and a * exact(x, letter, value, field) == b)
    mm = re.fullmatch(r"ただ一つの解 x = \((.*)\)", result)
    if not mm:
        return False
    x = exact(Matrix([expr(t, letter) for t in mm.group(1).split(",")]), letter, value, field)
    return a * x == b


def judge(group, code, lines, stderr, original, letter, rng):
    if code != 0 and group != "inverse":
        return f"exit {code}: {stderr.strip()}"
    cases, undefined = summary(lines, letter)
    problem = coverage_problem(cases, undefined, letter, rng)
    if problem:
        return problem
    if group == "det":
        det = original.det()
        for cond, result in cases:
            m = re.fullmatch(r"行列式 (.*)", result or "")
            TALLY["determinants"] += 1
            if not m or cancel(expr(m.group(1), letter) - det) != 0:
                return f"{result!r}, SymPy {factor_list(det)}"
        return None
    blocks = case_blocks(lines)
    for cond, result in cases:
        if result is None:
            TALLY["cases not followed"] += 1
            continue
        kind = {"eq": "value cases", "ne": "≠ cases", "all": "cases of every value"}[cond[0]]
        surd = cond[0] == "eq" and isinstance(field_of(cond[1]), SurdField)
        TALLY["surd value cases" if surd else kind] += 1
        block = next((v for k, v in blocks.items() if condition(k, letter) == cond), lines)
        for value in sample_values(cond, letter, rng, undefined):
            if not judge_value(group, original, letter, value, result, block):
                return f"{cond[0]} case claims {result!r}, wrong at {letter} = {value}"
    return None


def run_group(cli, group, count, seed):
    def one_case(rng, kind, case):
        letter = LETTERS[case % len(LETTERS)]
        a = Symbol(letter)
        n = rng.choice([2, 3, 3, 3, 4])
        rows, cols = n, n
        if group in ("rank", "kernel", "image"):
            cols = rng.choice([n - 1, n, n, n + 1]) or 1
        m = family(rng, rows, cols, a)
        if group in ("solve", "solve-many"):
            sides = 1 if group == "solve" else rng.choice([2, 2, 3])
            m = m.row_join(Matrix(rows, sides, lambda r, c: small_poly(rng, a, rng.choice([0, 1]))))
        if not any(c.has(a) for c in m):
            return None  # a family that lost its letter is a plain matrix
        code, lines, stderr = run_cli(cli, group, m)
        return judge(group, code, lines, stderr, m, letter, rng)

    return judge_cases(group, count, seed, one_case, last_input=LAST_INPUT, tally=TALLY)


if __name__ == "__main__":
    cli, group = sys.argv[1], sys.argv[2]
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 150
    seed = int(sys.argv[4]) if len(sys.argv) > 4 else 14
    sys.exit(1 if run_group(cli, group, count, seed) else 0)
