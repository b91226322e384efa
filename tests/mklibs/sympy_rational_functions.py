#!/usr/bin/python3
"""Rational functions in one parameter against SymPy.

Usage: sympy_rational_functions.py JUDGE CASES SEED
JUDGE is the test program rational_function_judge. Every case writes a
random rational expression over Q(i) in one letter as a student or another
program might type it (side by side or with *, ^ or **, blanks, decimals,
1/2a meaning 1/(2a)), or two of them with an operation, a value or a root
split, and checks the judge's answer against SymPy exactly (cancel, factor,
never floats):

  read, add, sub, mul, div, submul   the value, and the canonical text: the
               sign and constant in front, the factors over Q (over Q(i) for
               complex coefficients, SymPy's factor_list) in the teacher's
               order, over the denominator's; read back to itself
  at           the value at a point, "pole" exactly where the reduced
               denominator vanishes
  roots        the roots in Q(i) in the teacher's order and the factors
               without such roots

Prints one line per disagreement and exits 1 if there was any.
"""

import itertools
import math
import random
import re
import subprocess
import sys

import sympy
from sympy import I, Integer, Poly, Rational, cancel, factor_list, fraction, im, re as sre

LETTERS = "abcdkmnpqstuvwxyz"
FAILURES = []


# --- texts as Korvane writes them ---------------------------------------------


def frac_text(q):
    q = Rational(q)
    return str(q.p) if q.q == 1 else f"{q.p}/{q.q}"


def cpx_text(z):
    """CpxText: 0, -3, 1/2, i, -2i, i/2, -3i/4, 1/2+3i/4, 2-i/2."""
    real, imaginary = sympy.expand(z).as_real_imag()
    a, b = Rational(sympy.simplify(real)), Rational(sympy.simplify(imaginary))
    text = frac_text(a) if a != 0 else ""
    if b != 0:
        if a != 0 and b > 0:
            text += "+"
        p, q = b.p, b.q
        text += "i" if p == 1 else "-i" if p == -1 else f"{p}i"
        if q != 1:
            text += f"/{q}"
    return text or "0"


def inner_sign(text):
    return any(c in "+-" for c in text[1:])


def coefficient_text(c):
    if c == 1:
        return ""
    t = cpx_text(c)
    return f"({t})" if "/" in t or inner_sign(t) else t


def poly_text(coeffs, x, blanks):
    """PolynomialText of coefficients highest first; blanks as it writes them."""
    out = ""
    n = len(coeffs) - 1
    for k, c in enumerate(coeffs):
        power = n - k
        if c == 0:
            continue
        neg = cpx_text(c).startswith("-")
        if not out:
            out += "-" if neg else ""
        else:
            out += " - " if neg else " + "
        mag = -c if neg else c
        if power == 0:
            t = cpx_text(mag)
            out += f"({t})" if inner_sign(t) else t
        else:
            out += coefficient_text(mag) + x + (f"^{power}" if power > 1 else "")
    out = out or "0"
    return out if blanks else out.replace(" ", "")


def denominator_lcm(z):
    return math.lcm(Rational(sre(z)).q, Rational(im(z)).q)


def teacher_key(r):
    a, b = Rational(sre(r)), Rational(im(r))
    return (a * a + b * b, -a, -b)


def is_real_poly(p):
    return all(im(c) == 0 for c in p.all_coeffs())


def primitive(p):
    """An irreducible p as a rational times Gaussian-integer coefficients
    without a common factor, the leading one's text without a minus."""
    coeffs = p.all_coeffs()
    scale = 1
    for c in coeffs:
        scale = math.lcm(scale, denominator_lcm(c))
    integral = [sympy.expand(c * scale) for c in coeffs]
    common = 0
    for c in integral:
        common = math.gcd(common, int(sre(c)), int(im(c)))
    content = Rational(common, scale)
    if cpx_text(integral[0]).startswith("-"):
        content = -content
    return content, [([sympy.expand(c / content) for c in coeffs], 1)]


def factored(p, x):
    """p = constant * prod F^m, F scaled to Gaussian integers with a positive
    integer leading coefficient; by SymPy's factor_list over Q (real) or Q(i)."""
    expr = p.as_expr()
    if p.degree() <= 0:
        return p.LC(), []
    if is_real_poly(p):
        _, fs = factor_list(expr, x)
    else:
        _, fs = factor_list(expr, x, gaussian=True)
    if len(fs) == 1 and fs[0][1] == 1 and not bare_letter(Poly(fs[0][0], x).monic().all_coeffs()):
        return primitive(p)
    constant = p.LC()
    out = []
    for f, m in fs:
        fp = Poly(f, x, domain="QQ_I")
        monic = [sympy.expand(c / fp.LC()) for c in fp.all_coeffs()]
        scale = 1
        for c in monic:
            scale = math.lcm(scale, denominator_lcm(c))
        constant = constant / Integer(scale) ** m
        out.append(([sympy.expand(c * scale) for c in monic], m))
    return sympy.expand(constant), out


def bare_letter(coeffs):
    return len(coeffs) == 2 and coeffs[0] == 1 and coeffs[1] == 0


def product_texts(z, factors, x):
    """Every text of z * prod factors the ordering rule allows (nonlinear
    factors of one degree may come in any order), with (sum, simple) flags."""
    def key(f):
        coeffs = f[0]
        degree = len(coeffs) - 1
        return (degree, teacher_key(-coeffs[1] / coeffs[0]) if degree == 1 else ())

    x = str(x)
    factors = sorted(factors, key=key)
    groups = [list(g) for _, g in itertools.groupby(factors, key=lambda f: len(f[0]))]
    orders = [[]]
    for g in groups:
        perms = [list(p) for p in itertools.permutations(g)] if len(g[0][0]) > 2 else [g]
        orders = [o + p for o in orders for p in perms]
    ct = cpx_text(z)
    results = []
    for order in orders:
        if not order:
            results.append((ct, inner_sign(ct), not inner_sign(ct)))
            continue
        if z == 1 and len(order) == 1 and order[0][1] == 1 and not bare_letter(order[0][0]):
            results.append((poly_text(order[0][0], x, False), True, False))
            continue
        text = "-" if z == -1 else "" if z == 1 else (f"({ct})" if inner_sign(ct) else ct)
        for coeffs, m in order:
            text += x if bare_letter(coeffs) else f"({poly_text(coeffs, x, False)})"
            text += f"^{m}" if m > 1 else ""
        simple = z == 1 and len(order) == 1 and (bare_letter(order[0][0]) or order[0][1] > 1)
        results.append((text, False, simple))
    return results


def canonical_texts(expr, x):
    """The texts RfText may give for expr (one unless factors tie)."""
    expr = cancel(sympy.together(expr))
    if not expr.has(x):
        return {cpx_text(expr)}
    n, d = fraction(expr)
    N, D = Poly(n, x, domain="QQ_I"), Poly(d, x, domain="QQ_I")
    lc = D.LC()
    N, D = Poly(sympy.expand(n / lc), x, domain="QQ_I"), Poly(sympy.expand(d / lc), x, domain="QQ_I")
    cn, fn = factored(N, x)
    cd, fd = factored(D, x)
    constant = sympy.expand(cn / cd)
    m = denominator_lcm(constant)
    texts = set()
    for top, top_sum, _ in product_texts(sympy.expand(constant * m), fn, x):
        if m == 1 and not fd:
            texts.add(top)
            continue
        for bottom, _, bottom_simple in product_texts(Integer(m), fd, x):
            texts.add((f"({top})" if top_sum else top) + "/" +
                      (bottom if bottom_simple else f"({bottom})"))
    return texts


TOKEN = re.compile(r"\s*(\d+|[a-z]|[()+\-*/^])")


def value_of(text, x):
    """A canonical text (or the judge's) as a SymPy value: side by side is a
    product; Korvane's texts never put one straight after a slash."""
    out, prev = [], None
    pos = 0
    while pos < len(text):
        m = TOKEN.match(text, pos)
        if not m:
            raise ValueError(f"unreadable output {text!r}")
        tok = m.group(1)
        pos = m.end()
        starts = tok[0].isalnum() or tok == "("
        if prev is not None and starts and (prev[-1].isalnum() or prev == ")"):
            out.append("*")
        out.append("I" if tok == "i" else "x" if tok == str(x) else "**" if tok == "^" else tok)
        prev = tok
    return sympy.sympify("".join(out), locals={"x": x, "I": I})


# --- random expressions as a student types them -------------------------------


class Piece:
    """A text with its value and what it starts and ends with."""

    def __init__(self, text, value, level):
        self.text, self.value, self.level = text, value, level  # 1 sum .. 5 atom

    def starts_numeral(self):
        return self.text[:1].isdigit() or self.text[:1] == "."


def bracket(p):
    return Piece(f"({p.text})", p.value, 5)


def number_piece(rng):
    kind = rng.random()
    if kind < 0.55:
        n = rng.randint(0, 9)
        return Piece(str(n), Integer(n), 5)
    if kind < 0.7:
        tenths = rng.randint(1, 25)
        text = f".{tenths}" if tenths < 10 and rng.random() < 0.3 else f"{tenths // 10}.{tenths % 10}"
        return Piece(text, Rational(tenths, 10), 5)
    if kind < 0.85:
        p, q = rng.randint(1, 7), rng.randint(2, 5)
        return Piece(f"{p}/{q}", Rational(p, q), 2)
    b = rng.randint(1, 3)
    return Piece(f"{b}i" if b > 1 else "i", b * I, 3 if b > 1 else 5)


def letter_piece(x):
    return Piece(str(x), x, 5)


def juxtaposed(left, right):
    """Side by side; two letters get a blank between them (ai would be a word)."""
    blank = " " if left.text[-1].isalpha() and right.text[0].isalpha() else ""
    return Piece(left.text + blank + right.text, left.value * right.value, 3)


def gen(rng, x, depth):
    if depth == 0 or rng.random() < 0.25:
        return number_piece(rng) if rng.random() < 0.45 else letter_piece(x)
    kind = rng.random()
    a = gen(rng, x, depth - 1)
    b = gen(rng, x, depth - 1)
    if kind < 0.3:
        if b.level < 2 or (b.text.startswith("-")):
            b = bracket(b)
        sign = rng.choice("+-")
        blank = " " if rng.random() < 0.3 else ""
        return Piece(f"{a.text}{blank}{sign}{blank}{b.text}", a.value + b.value if sign == "+" else
                     a.value - b.value, 1)
    if kind < 0.55:
        if rng.random() < 0.5:
            if a.level < 3:
                a = bracket(a)
            if b.level < 4 or b.starts_numeral():
                b = bracket(b)
            return juxtaposed(a, b)
        if a.level < 2:
            a = bracket(a)
        if b.level < 2:
            b = bracket(b)
        return Piece(f"{a.text}*{b.text}", a.value * b.value, 2)
    if kind < 0.8:
        if a.level < 2:
            a = bracket(a)
        # The right of / reaches over a whole row side by side: 1/2a is 1/(2a).
        if b.level < 3:
            b = bracket(b)
        if sympy.simplify(b.value) == 0:
            b = Piece("(a+1)".replace("a", str(x)), x + 1, 5)
        return Piece(f"{a.text}/{b.text}", a.value / b.value, 2)
    if kind < 0.9:
        if a.level < 5:
            a = bracket(a)
        n = rng.choice([0, 1, 2, 2, 3, -1, -2])
        if n < 0 and sympy.simplify(a.value) == 0:
            n = 2
        caret = rng.choice(["^", "**", "^"])
        exp = f"({n})" if n < 0 and rng.random() < 0.5 else str(n)
        return Piece(f"{a.text}{caret}{exp}", a.value ** n, 4)
    return Piece(f"-{bracket(a).text if a.level < 3 else a.text}", -a.value, 2)


def factor_product(rng, x):
    """A polynomial with chosen roots and irreducible factors, written expanded."""
    value = Integer(rng.choice([1, 1, 2, -1, -3])) * Rational(1, rng.choice([1, 1, 2, 3]))
    for _ in range(rng.randint(1, 4)):
        r = Rational(rng.randint(-4, 4), rng.choice([1, 1, 2, 3]))
        if rng.random() < 0.25:
            r += rng.randint(-2, 2) * I
        value *= (x - r) ** rng.choice([1, 1, 2])
    if rng.random() < 0.4:
        value *= rng.choice([x**2 - 2, x**2 + x + 1, x**3 - x - 1, x**2 + 3, x**4 + 1])
    p = Poly(sympy.expand(value), x, domain="QQ_I")
    return Piece(poly_text(p.all_coeffs(), str(x), rng.random() < 0.5), p.as_expr(), 1)


def random_piece(rng, x):
    return factor_product(rng, x) if rng.random() < 0.3 else gen(rng, x, rng.randint(1, 3))


# --- the cases -----------------------------------------------------------------


def run_judge(judge, lines):
    out = subprocess.run([judge], input="".join(l + "\n" for l in lines), capture_output=True,
                         text=True, check=True).stdout.splitlines()
    if len(out) != len(lines):
        raise RuntimeError(f"{len(lines)} lines in, {len(out)} out")
    return out


def fail(line, message):
    FAILURES.append(f"{line!r}: {message}")


def check_text(line, answer, expected, x):
    if answer.startswith("error"):
        fail(line, answer)
        return False
    if cancel(value_of(answer, x) - expected) != 0:
        fail(line, f"{answer} is not {cancel(expected)}")
        return False
    texts = canonical_texts(expected, x)
    if answer not in texts:
        fail(line, f"{answer} is not canonical: {sorted(texts)}")
    return True


def make_case(rng):
    x = sympy.Symbol(rng.choice(LETTERS))
    op = rng.choices(["read", "add", "sub", "mul", "div", "submul", "at", "roots"],
                     [30, 10, 10, 10, 10, 5, 12, 13])[0]
    if op == "roots":
        p = factor_product(rng, x)
        return op, [p.text], p.value, x
    a = random_piece(rng, x)
    if op == "read":
        return op, [a.text], a.value, x
    if op == "at":
        n, d = fraction(cancel(sympy.together(a.value)))
        roots = list(sympy.roots(Poly(d, x)).keys()) if d.has(x) else []
        roots = [r for r in roots if (r.is_rational or (sre(r).is_rational and im(r).is_rational))]
        v = rng.choice(roots) if roots and rng.random() < 0.4 else \
            Rational(rng.randint(-5, 5), rng.randint(1, 3)) + rng.choice([0, 0, I, -2 * I])
        return op, [a.text, cpx_text(v)], (a.value, v), x
    b = random_piece(rng, x)
    if op == "div" and cancel(b.value) == 0:
        op = "mul"
    if op == "submul":
        c = random_piece(rng, x)
        return op, [a.text, b.text, c.text], a.value - b.value * c.value, x
    value = {"add": a.value + b.value, "sub": a.value - b.value, "mul": a.value * b.value,
             "div": a.value / b.value if op == "div" else None}[op]
    return op, [a.text, b.text], value, x


def check_at(line, answer, case, x):
    f, v = case
    n, d = fraction(cancel(sympy.together(f)))
    if sympy.expand(d.subs(x, v)) == 0:
        if answer != "pole":
            fail(line, f"{answer}, but {cpx_text(v)} is a pole")
        return
    expected = cpx_text(sympy.expand(n.subs(x, v) / d.subs(x, v)))
    if answer != expected:
        fail(line, f"{answer} is not {expected}")


def check_roots(line, answer, p, x):
    _, fs = factor_list(p, x, gaussian=True)
    roots, others = [], []
    for f, _ in fs:
        fp = Poly(f, x, domain="QQ_I")
        monic = [sympy.expand(c / fp.LC()) for c in fp.all_coeffs()]
        if fp.degree() == 1:
            roots.append(sympy.expand(-monic[1]))
        else:
            others.append(poly_text(monic, str(x), True))
    roots.sort(key=teacher_key)
    expected_roots = ";".join(cpx_text(r) for r in roots)
    got_roots, _, got_others = answer.partition("|")
    if got_roots != expected_roots:
        fail(line, f"roots {got_roots}, expected {expected_roots}")
    got = got_others.split(";") if got_others else []
    degrees = [int(m.group(1)) if (m := re.match(r"[a-z]\^(\d+)", t)) else 1 for t in got]
    if sorted(got) != sorted(others) or degrees != sorted(degrees):
        fail(line, f"other factors {got_others}, expected {sorted(others)}")


def main():
    judge, cases, seed = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    rng = random.Random(seed)
    made = [make_case(rng) for _ in range(cases)]
    lines = ["\t".join([op] + args) for op, args, _, _ in made]
    answers = run_judge(judge, lines)
    readback = []
    for (op, args, expected, x), line, answer in zip(made, lines, answers):
        if op == "at":
            check_at(line, answer, expected, x)
        elif op == "roots":
            check_roots(line, answer, expected, x)
        elif check_text(line, answer, expected, x):
            readback.append(answer)
    again = run_judge(judge, ["read\t" + t for t in readback])
    for text, answer in zip(readback, again):
        if answer != text:
            fail(text, f"reads back as {answer}")
    for f in FAILURES[:40]:
        print(f)
    print(f"{cases} cases, {len(FAILURES)} disagreements")
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
