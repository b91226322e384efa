#!/usr/bin/python3
"""surd_calc against SymPy: random values a + b·√d with Gaussian rational
coefficients, every operation checked exactly.

Usage: sympy_surd.py SURD_CALC [CASES] [SEED]

Each case builds two or three random values (radicands that sometimes agree
and sometimes do not, written as sqrt of a non-square-free number divided
back, or as a text surd_calc printed before), runs one operation and checks:
the value against SymPy's (the difference, or for a quotient the product
back, expands to 0), the text against the textbook form built here from the
value's SymPy terms, the text read back as
itself, and a clash exactly where two roots would be needed.

Prints one line per disagreement and exits 1 if there was any.
"""

import random
import re
import subprocess
import sys
from fractions import Fraction

import sympy
from sympy import I, Integer, Rational, sqrt

RADICANDS = [2, 3, 5, 6, 7, 10, 15]


def random_fraction(rng):
    if rng.random() < 0.35:
        return Fraction(0)
    return Fraction(rng.randint(-9, 9), rng.choice([1, 1, 1, 2, 3, 4, 6]))


def random_value(rng):
    """(rational re, im, root re, im, radicand) with some parts zero."""
    rational = (random_fraction(rng), random_fraction(rng) if rng.random() < 0.4 else Fraction(0))
    root = (random_fraction(rng), random_fraction(rng) if rng.random() < 0.4 else Fraction(0))
    if rng.random() < 0.2:
        root = (Fraction(0), Fraction(0))
    return rational + root + (rng.choice(RADICANDS),)


def as_sympy(value):
    re_, im, root_re, root_im, d = value
    return Rational(re_) + Rational(im) * I + (Rational(root_re) + Rational(root_im) * I) * sqrt(d)


def as_input(value, rng):
    """A spelling ReadSurd accepts: sqrt(d·k²)/k for the root sometimes."""
    re_, im, root_re, root_im, d = value
    k = rng.choice([1, 1, 2, 3])
    return f"(({re_})+({im})*i)+(({root_re})+({root_im})*i)*sqrt({d * k * k})/{k}"


def text_to_sympy(text):
    text = re.sub(r"(?<=[0-9i)])(?=[√i(])", "*", text)
    text = re.sub(r"√(\d+)", r"sqrt(\1)", text).replace("i", "I")
    return sympy.sympify(text)


def gaussian_text(re_, im):
    """CpxText of a Gaussian integer."""
    text = str(re_) if re_ else ""
    if im:
        if re_ and im > 0:
            text += "+"
        text += {1: "i", -1: "-i"}.get(im, f"{im}i")
    return text or "0"


def cpx_text(re_, im):
    """CpxText of a Gaussian rational: 1/2+3i/4, -i/2."""
    text = str(re_) if re_ else ""
    if im:
        if re_ and im > 0:
            text += "+"
        num = im.numerator
        text += {1: "i", -1: "-i"}.get(num, f"{num}i")
        if im.denominator != 1:
            text += f"/{im.denominator}"
    return text or "0"


def textbook_text(expr):
    """The canonical text of an expanded a + b√d, built from SymPy's terms."""
    parts = {}  # radicand (1 for the rational part) -> [re, im]
    for term, coeff in sympy.expand(expr).as_coefficients_dict().items():
        imaginary = term.has(I)
        rest = term / I if imaginary else term
        d = 1 if rest == 1 else int(rest**2)
        pair = parts.setdefault(d, [Fraction(0), Fraction(0)])
        pair[1 if imaginary else 0] += Fraction(int(coeff.p), int(coeff.q))
    roots = [d for d in parts if d != 1 and any(parts[d])]
    assert len(roots) <= 1, expr
    a = parts.get(1, [Fraction(0), Fraction(0)])
    if not roots:
        return cpx_text(*a)
    d = roots[0]
    b = parts[d]
    den = sympy.ilcm(*[x.denominator for x in a + b])
    A = [int(x * den) for x in a]
    B = [int(x * den) for x in b]
    text = gaussian_text(*A) if any(A) else ""
    negative = B[0] < 0 if B[0] else B[1] < 0
    if negative:
        B = [-B[0], -B[1]]
        text += "-"
    elif text:
        text += "+"
    if B[1] == 0:
        text += "" if B[0] == 1 else str(B[0])
    elif B[0] == 0:
        text += ("" if B[1] == 1 else str(B[1])) + "i"
    else:
        text += f"({gaussian_text(*B)})"
    text += f"√{d}"
    if den != 1:
        text = (f"({text})" if any(A) else text) + f"/{den}"
    return text


def clashes(op, x, y):
    """Whether the exact result needs two different roots."""
    rx, ry = any(x[2:4]), any(y[2:4])
    if not (rx and ry) or x[4] == y[4]:
        return False
    if op in ("add", "sub"):
        return True
    return any(x[0:2]) or any(y[0:2])


def make_case(rng, previous):
    op = rng.choice(["add", "sub", "mul", "div", "inv", "sign", "sqrt", "read", "submul"])
    x, y, z = (random_value(rng) for _ in range(3))
    if rng.random() < 0.5:
        y = y[:4] + (x[4],)
    if op == "sqrt":
        q = Fraction(rng.randint(-200, 200), rng.randint(1, 50))
        return op, [f"{q.numerator}/{q.denominator}"], sqrt(Rational(q.numerator, q.denominator)), False
    if op == "sign":
        x = (x[0], Fraction(0), x[2], Fraction(0), x[4])
    X, Y, Z = as_sympy(x), as_sympy(y), as_sympy(z)
    fields = [as_input(x, rng)]
    if op == "read" and previous:
        return op, [previous[0]], previous[1], False
    if op == "read":
        return op, fields, X, False
    if op == "inv":
        return op, fields, (None if X == 0 else (Integer(1), X)), False
    if op == "sign":
        return op, fields, X, False
    fields.append(as_input(y, rng))
    if op == "add":
        return op, fields, X + Y, clashes(op, x, y)
    if op == "sub":
        return op, fields, X - Y, clashes(op, x, y)
    if op == "mul":
        return op, fields, X * Y, clashes(op, x, y)
    if op == "div":
        return op, fields, (None if Y == 0 else (X, Y)), clashes(op, x, y)
    # submul: x − y·z; a clash when the exact result holds two roots.
    if rng.random() < 0.7:
        z = z[:4] + (y[4],)
    fields.append(as_input(z, rng))
    exact = sympy.expand(X - Y * as_sympy(z))
    roots = {power.base for power in exact.atoms(sympy.Pow)}
    return op, fields, exact, len(roots) > 1 or clashes("mul", y, z)


def run(calc, lines):
    done = subprocess.run([calc], input="\n".join(lines) + "\n", capture_output=True, text=True,
                          check=True, timeout=50)
    return done.stdout.splitlines()


def check(op, want, clash, got):
    if clash:
        return got == "clash"
    if want is None:
        return got == "divzero"
    if op == "sign":
        sign = 1 if want.is_positive else -1 if want.is_negative else 0
        return got == str(sign)
    if got in ("clash", "divzero", "refused"):
        return False
    value = text_to_sympy(got)
    # A quotient (numerator, divisor) is checked by multiplying back.
    difference = value * want[1] - want[0] if isinstance(want, tuple) else value - want
    return sympy.expand(difference) == 0 and got == textbook_text(value)


def main():
    calc = sys.argv[1]
    cases = int(sys.argv[2]) if len(sys.argv) > 2 else 300
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 1)
    made, previous = [], None
    for _ in range(cases):
        case = make_case(rng, previous)
        made.append(case)
        previous = None
    lines = ["\t".join([op] + fields) for op, fields, _, _ in made]
    answers = run(calc, lines)
    # Every text printed reads back as itself.
    printed = [a for a in answers if a not in ("clash", "divzero", "refused", "-1", "0", "1")]
    echoes = run(calc, ["read\t" + text for text in printed])
    failures = 0
    for line, (op, _, want, clash), got in zip(lines, made, answers):
        if not check(op, want, clash, got):
            failures += 1
            print(f"{line!r}: got {got!r}, want {'clash' if clash else want}")  # noqa: E501
    for text, echo in zip(printed, echoes):
        if text != echo:
            failures += 1
            print(f"{text!r} reads back as {echo!r}")
    outcomes = sum(a in ("clash", "divzero") for a in answers)
    print(f"{cases} cases, {outcomes} clashes or divisions by zero, {len(printed)} read back, "
          f"{failures} disagreements")
    return 1 if failures or len(answers) != cases else 0


if __name__ == "__main__":
    sys.exit(main())
