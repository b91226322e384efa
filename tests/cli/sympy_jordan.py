#!/usr/bin/python3
"""korvane-cli's Jordan workings against SymPy on matrices with planted
Jordan structures.

Usage: sympy_jordan.py KORVANE_CLI GROUP [CASES] [SEED]
Every case builds A = S J S^-1 from Jordan blocks of sizes 1 to 4 with few
distinct eigenvalues (integers, fractions or Gaussian rationals), sizes 1 to
8, now and then the companion block of an irreducible quadratic (eigenvalues
a ± √d outside Q(i)), alone or twice with a coupling I (Jordan blocks of size
2 for each root), and now and then a cubic block; it reads korvane-cli's log
back:

  jordan      P and J: P^-1AP = J exactly (surds through sqrt), J in Jordan
              form, its blocks those of SymPy's jordan_form (of the planted J
              beyond 4 x 4 or with surds), every rank of (A - λI)^k against
              SymPy over Q(i, √d); refused exactly when an eigenvalue needs a
              cube root or two different square roots
  power       the closed form of A^n against A**n for 2·size + 2 values of n,
              and symbolically against SymPy's P J^n P^-1 for 2 x 2; --n N
              against A**N, negative N through the inverse
  exp         e^(tA) and its cos/sin form exactly as the solution of F' = AF,
              F(0) = I (up to 4 x 4), and against mpmath's expm at several t;
              x(t) of --x0 against expm(tA)x0
  minpoly     m(λ) against the monic generator of the polynomials with
              p(A) = O, found from the linear dependence of I, A, A^2, …;
              every matrix, quadratic factors too
  recurrence  a(n) against the recurrence's first 30 terms, for planted roots
              in Q(i) with multiplicities (0 among them) and for quadratic
              roots a ± √d, once or twice; cubic roots and two different
              square roots refused; texts that are no recurrence refused
              with status 2

Prints one line per disagreement and exits 1 if there was any.
"""

import collections
import os
import random
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import mpmath  # noqa: E402
from sympy.polys.domains import QQ_I  # noqa: E402
from sympy.polys.matrices import DomainMatrix  # noqa: E402
from sympy import (  # noqa: E402
    E,
    I,
    Poly,
    Matrix,
    Rational,
    Symbol,
    binomial,
    cos,
    exp,
    expand,
    nsimplify,
    roots,
    simplify,
    sin,
    sqrt,
)
from sympy import minimal_polynomial as number_minimal_polynomial  # noqa: E402
from sympy.parsing.sympy_parser import (  # noqa: E402
    convert_xor,
    implicit_multiplication_application,
    parse_expr,
    standard_transformations,
)

from sympy_agreement import LAST_INPUT, cell_text, grid_text, judge_cases, main, unimodular  # noqa: E402

TALLY = collections.Counter()
MATRIX_ROW = re.compile(r"  \( (.*)\)")
N, T = Symbol("n", integer=True, nonnegative=True), Symbol("t", real=True)
TRANSFORMS = standard_transformations + (implicit_multiplication_application, convert_xor)
REFUSAL = "固有値の中に複素有理数でないもの（近似値で示したもの）があるので、ここでは"
TWO_ROOTS = re.compile(r"固有値に √\d+ と √\d+ の2つの平方根が現れるので、ここでは")
ROOT = re.compile(r"√(\d+)")

# --- reading the log ----------------------------------------------------------


def expression(text):
    """A closed form as the log writes it: 2^n+n·2^(n-1), C(n,2), (1+i)^n,
    (1/2)t^2·e^(-it), e^t·(cos(2t)-sin(2t))."""
    text = text.replace("·", "*").replace("cos", "K").replace("sin", "S")
    text = text.replace("i", "I").replace("e", "E")
    text = ROOT.sub(r" sqrt(\1)", text)
    local = {"I": I, "E": E, "C": binomial, "n": N, "t": T, "K": cos, "S": sin, "sqrt": sqrt}
    return parse_expr(text, local_dict=local, transformations=TRANSFORMS)


def text_matrix(lines, lead, start=0):
    """The matrix of texts printed under the line lead."""
    at = lines.index(lead, start) + 1
    rows = []
    while at < len(lines) and MATRIX_ROW.fullmatch(lines[at]):
        rows.append(MATRIX_ROW.fullmatch(lines[at]).group(1).split())
        at += 1
    return rows


def number_matrix(lines, lead, start=0):
    return Matrix([[expand(expression(t)) for t in row] for row in text_matrix(lines, lead, start)])


def form_matrix(lines, lead, start=0):
    return Matrix([[expression(t) for t in row] for row in text_matrix(lines, lead, start)])


def valid_from(lines):
    """n ≥ s of the closed form's closing sentence."""
    for line in lines:
        m = re.search(r"この式は n ≥ (\d+) で成り立ちます", line)
        if m:
            return int(m.group(1))
    raise ValueError("no range for the closed form")


def run(cli, args, stdin=""):
    done = subprocess.run([cli] + args, input=stdin, capture_output=True, text=True, timeout=60)
    return done.returncode, done.stdout.splitlines(), done.stderr.strip()


def run_matrix(cli, command, a, *extra):
    LAST_INPUT[0] = grid_text(a) + "".join(" " + e for e in extra)
    return run(cli, [command, *extra], grid_text(a) + "\n")


# --- planted Jordan structures ------------------------------------------------


def value(rng, kind):
    if kind == "int":
        return Rational(rng.randint(-3, 3))
    if kind == "frac":
        return Rational(rng.randint(-3, 3), rng.randint(1, 2))
    return Rational(rng.randint(-2, 2), rng.randint(1, 2)) + I * rng.randint(-2, 2)


def block(value, k):
    return Matrix(k, k, lambda i, j: value if i == j else (1 if j == i + 1 else 0))


# λ^2 - xλ - c without roots in Q(i), by (c, x), with the square-free d of
# its roots a ± b√d.
QUADRATICS = {(2, 0): 2, (3, 0): 3, (5, 0): 5, (-2, 0): 2, (-3, 0): 3, (3, 1): 13, (5, 1): 21, (-2, 1): 7, (-3, 1): 11}
CUBIC = "cubic"


def quadratic_roots(c, x):
    lam = Symbol("lam")
    return sorted((expand(r) for r in roots(Poly(lam**2 - x * lam - c, lam))), key=str)


def planted(rng, kind, n, quadratic=0.12, real_pairs=False, cubic=0.03):
    """A = S J S^-1 and the planted blocks [(λ, k)], (CUBIC, 3) for a block
    whose eigenvalues need a cube root, (d, 0) for each square root √d the
    quadratic blocks need."""
    blocks, size, parts = [], 0, []
    values = [value(rng, kind) for _ in range(rng.randint(1, 3))]
    family = rng.choice(sorted(QUADRATICS))
    while size < n:
        if n - size >= 3 and rng.random() < cubic:
            parts.append(Matrix([[0, 0, 2], [1, 0, 0], [0, 1, 0]]))
            blocks.append((CUBIC, 3))
            size += 3
            continue
        if n - size >= 2 and rng.random() < quadratic:
            # Mostly one family per matrix; now and then a second root.
            c, x = family if rng.random() < 0.85 else rng.choice(sorted(QUADRATICS))
            companion = Matrix([[0, c], [1, x]])
            twice = n - size >= 4 and rng.random() < 0.35
            parts.append(Matrix.vstack(Matrix.hstack(companion, Matrix.eye(2)),
                                       Matrix.hstack(Matrix.zeros(2), companion)) if twice else companion)
            blocks += [(r, 2 if twice else 1) for r in quadratic_roots(c, x)] + [(QUADRATICS[(c, x)], 0)]
            size += 4 if twice else 2
            continue
        if real_pairs and n - size >= 2 and rng.random() < 0.3:
            a, b = rng.randint(-2, 2), rng.randint(1, 3)
            parts.append(Matrix([[a, -b], [b, a]]))
            blocks += [(a + b * I, 1), (a - b * I, 1)]
            size += 2
            continue
        k = min(n - size, rng.choice([1, 1, 2, 2, 3, 4]))
        lam = rng.choice(values)
        parts.append(block(lam, k))
        blocks.append((lam, k))
        size += k
    j = Matrix.diag(*parts)
    s = unimodular(rng, n)
    if kind == "gauss" and n > 1 and rng.random() < 0.5:
        r, c = rng.sample(range(n), 2)
        s[r, :] = s[r, :] + I * s[c, :]
    return (s * j * s.inv()).applyfunc(expand), blocks


def size(rng):
    return rng.choice([1, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 6, 6, 7, 8])


def refusal(blocks):
    """How korvane must refuse the planted eigenvalues: REFUSAL for a cube
    root, TWO_ROOTS for two different square roots, None when it must not."""
    if any(lam == CUBIC for lam, _ in blocks):
        return REFUSAL
    if len({d for d, k in blocks if k == 0}) > 1:
        return TWO_ROOTS
    return None


def eigen_blocks(blocks):
    return [(lam, k) for lam, k in blocks if k > 0]


def surds(blocks):
    return any(k == 0 for _, k in blocks)


def jordan_blocks(j):
    """The blocks [(λ, k)] along a matrix in Jordan form; None if it is not."""
    n, blocks, start = j.rows, [], 0
    for i in range(n):
        for c in range(n):
            if c not in (i, i + 1) and j[i, c] != 0:
                return None
        if i + 1 < n and j[i, i + 1] not in (0, 1):
            return None
        if i + 1 < n and j[i, i + 1] == 1:
            if j[i, i] != j[i + 1, i + 1]:
                return None
            continue
        blocks.append((j[start, start], i + 1 - start))
        start = i + 1
    return blocks


def same_blocks(found, expected):
    key = lambda b: (str(expand(b[0])), b[1])  # noqa: E731
    return sorted(map(key, found)) == sorted(map(key, expected))


# --- judges -------------------------------------------------------------------


def refused(lines, reason):
    if reason == REFUSAL:
        return any(line.startswith(REFUSAL) for line in lines)
    return any(TWO_ROOTS.match(line) for line in lines)


def judge_refusal(status, lines, err, blocks):
    reason = refusal(blocks)
    if reason:
        TALLY["refused"] += 1
        if status != 1 or not refused(lines, reason):
            return f"eigenvalues outside the fields, but exit {status} without the refusal: {err}"
        return "refused"
    if status != 0:
        return f"exit {status}: {err}"
    TALLY["surd"] += surds(blocks)
    return None


def rank(m):
    """The exact rank over Q(i) or Q(i, √d)."""
    return DomainMatrix.from_Matrix(m.applyfunc(expand), extension=True).to_field().rank()


def check_ranks(lines, a):
    """Every "rₖ = rank(...) = r" line against SymPy's rank of that power."""
    ranks, lam = {}, None
    for line in lines:
        m = re.match(r"固有値 λ = (\S+)（", line)
        if m:
            lam = expand(expression(m.group(1)))
        m = re.match(r"となるので、r\S+ = rank.*? = (\d+)です。$", line)
        if m:
            ranks.setdefault(lam, []).append(int(m.group(1)))
    for lam, found in ranks.items():
        shifted = a - lam * Matrix.eye(a.rows)
        power = Matrix.eye(a.rows)
        for k, r in enumerate(found, 1):
            power = power * shifted
            expected = rank(power)
            if expected != r:
                return f"rank of (A - {lam}I)^{k} is {expected}, the log says {r}"
    TALLY["ranks"] += len(ranks)
    return None


def judge_jordan(cli, rng, kind):
    a, blocks = planted(rng, kind, size(rng))
    status, lines, err = run_matrix(cli, "jordan", a)
    problem = judge_refusal(status, lines, err, blocks)
    if problem:
        return None if problem == "refused" else problem
    p, j = number_matrix(lines, "P ="), number_matrix(lines, "J =")
    if rank(p) < a.rows or expand(a * p - p * j) != Matrix.zeros(a.rows, a.rows):
        return "P^-1AP = J does not hold"
    found = jordan_blocks(j)
    if found is None:
        return "J is not in Jordan form"
    expected = eigen_blocks(blocks)
    if a.rows <= 4 and not surds(blocks):
        expected = jordan_blocks(a.jordan_form()[1])
        TALLY["against jordan_form"] += 1
    if not same_blocks(found, expected):
        return f"blocks {found}, expected {expected}"
    if "となり、J に一致します。" not in lines:
        return "the check line is missing"
    TALLY["defective"] += any(k > 1 for _, k in found)
    return check_ranks(lines, a)


def is_zero(value):
    """An exact test for a number in Q(i, √d): its minimal polynomial is x."""
    value = expand(value)
    return value == 0 or number_minimal_polynomial(value, Symbol("x")) == Symbol("x")


def same_closed_form(x, y):
    """Two closed forms of a 2 x 2 power in n: equal after simplify, or, where
    simplify leaves surd powers standing, equal at n = 0, …, 7 — enough, as
    their difference has at most four modes C(n,j)λ^(n-j)."""
    if simplify(expand(x - y)) == 0:
        return True
    return all(is_zero((x - y).subs(N, n)) for n in range(8))


def judge_power_number(cli, rng, kind):
    a, _ = planted(rng, kind, rng.choice([1, 2, 3, 4]), quadratic=0.3)
    n = rng.choice([0, 1, 2, 3, 5, 8, 13, 21, -1, -2, -3])
    status, lines, err = run_matrix(cli, "power", a, f"--n={n}")
    if n < 0 and a.det() == 0:
        return None if status == 1 else f"singular A^{n}: exit {status}"
    if status != 0:
        return f"exit {status}: {err}"
    TALLY["--n"] += 1
    found = number_matrix(lines, f"A^{n} =", len(lines) - a.rows - 1)
    expected = (a**n).applyfunc(expand)
    return None if found == expected else f"A^{n} is not {found.tolist()}"


def judge_power(cli, rng, kind, case):
    if case % 5 == 4:
        return judge_power_number(cli, rng, kind)
    a, blocks = planted(rng, kind, size(rng))
    status, lines, err = run_matrix(cli, "power", a)
    problem = judge_refusal(status, lines, err, blocks)
    if problem:
        return None if problem == "refused" else problem
    form = form_matrix(lines, "A^n = PJ^nP^-1 =")
    start = valid_from(lines)
    power = (a**start).applyfunc(expand)
    # Both sides are sums of at most 2·size modes: so many values in a row decide.
    for n in range(start, start + 2 * a.rows + 2):
        value = form.subs(N, n).applyfunc(lambda z: expand(z))
        if value != power:
            return f"the closed form at n = {n} is not A^{n}"
        power = (power * a).applyfunc(expand)
    if a.rows == 2 and start == 0:
        p, j = a.jordan_form()
        expected = (p * (j**N) * p.inv()).applyfunc(lambda z: expand(z.rewrite(binomial)))
        if not all(same_closed_form(x, y) for x, y in zip(form, expected)):
            return "the closed form differs from SymPy's P J^n P^-1"
        TALLY["symbolic"] += 1
    return None


def close(x, y):
    return all(abs(complex(u) - complex(v)) <= 1e-25 * (1 + abs(complex(v))) for u, v in zip(x, y))


def numeric(form, t):
    return [mpmath.mpc(complex(z.subs(T, t).evalf(40))) for z in form]


def exact_exponential(a, forms):
    """e^(tA) is the one solution of F' = AF with F(0) = I: both exactly, on
    each form (cos and sin rewritten as exponentials), for sizes up to 4."""
    if a.rows > 4:
        return None
    for f in forms:
        f = f.applyfunc(lambda z: z.rewrite([cos, sin], exp))
        if f.subs(T, 0).applyfunc(lambda z: expand(z)) != Matrix.eye(a.rows):
            return "e^(tA) at t = 0 is not I"
        if (f.diff(T) - a * f).applyfunc(lambda z: expand(z)) != Matrix.zeros(a.rows, a.rows):
            return "the derivative of e^(tA) is not A e^(tA)"
    TALLY["exact"] += 1
    return None


def judge_exp(cli, rng, kind, case):
    real = kind != "gauss" and case % 2 == 0
    a, blocks = planted(rng, "int" if real else kind, rng.choice([1, 2, 2, 3, 3, 4, 5, 6]), real_pairs=real)
    x0 = Matrix([rng.randint(-3, 3) for _ in range(a.rows)]) if case % 3 == 0 else None
    extra = []
    if x0 is not None:
        path = f"/tmp/sympy_jordan_x0_{os.getpid()}.txt"
        with open(path, "w") as f:
            f.write(" ".join(cell_text(z) for z in x0) + "\n")
        extra = ["--x0", path]
    status, lines, err = run_matrix(cli, "exp", a, *extra)
    problem = judge_refusal(status, lines, err, blocks)
    if problem:
        return None if problem == "refused" else problem
    form = form_matrix(lines, "e^(tA) = Pe^(tJ)P^-1 =")
    forms = [form]
    if "e^(tA) =" in lines:
        forms.append(form_matrix(lines, "e^(tA) ="))
        TALLY["cos/sin form"] += 1
    problem = exact_exponential(a, forms)
    if problem:
        return problem
    mpmath.mp.dps = 40
    am = mpmath.matrix([[complex(z) for z in a.row(r)] for r in range(a.rows)])
    for t in (Rational(0), Rational(1, 3), Rational(-7, 10), Rational(3, 2)):
        expected = mpmath.expm(am * mpmath.mpf(t.p) / t.q)
        flat = [expected[r, c] for r in range(a.rows) for c in range(a.rows)]
        for f in forms:
            if not close(numeric(f, t), flat):
                return f"e^(tA) differs from expm at t = {t}"
        if x0 is not None:
            x = form_matrix(lines, "x(t) =")
            want = [sum(expected[r, c] * int(x0[c]) for c in range(a.rows)) for r in range(a.rows)]
            if not close(numeric(x, t), want):
                return f"x(t) differs from expm(tA)x0 at t = {t}"
    TALLY["x(t)"] += x0 is not None
    return None


def minimal_polynomial(a):
    """The monic polynomial of least degree with p(A) = O, lowest power first:
    the first linear dependence among I, A, A^2, … flattened, over Q(i)."""
    n = a.rows
    m = DomainMatrix.from_Matrix(a).convert_to(QQ_I)
    powers = [DomainMatrix.eye(n, QQ_I)]
    for d in range(1, n + 1):
        powers.append(powers[-1] * m)
        columns = [p.to_Matrix().reshape(n * n, 1) for p in powers]
        stacked = DomainMatrix.from_Matrix(Matrix.hstack(*columns)).convert_to(QQ_I)
        null = stacked.nullspace().to_Matrix()
        if null.rows:
            v = null.row(0) / null[0, d]
            return [expand(z) for z in v]
    raise ValueError("no annihilating polynomial")


def judge_minpoly(cli, rng, kind):
    a, _ = planted(rng, kind, size(rng), quadratic=0.25)
    status, lines, err = run_matrix(cli, "minpoly", a)
    if status != 0:
        return f"exit {status}: {err}"
    line = lines[lines.index("よって、最小多項式は、") + 1]
    text = line.split(" = ")[-1].replace("λ", "x")
    x = Symbol("x")
    poly = expand(expression(text.replace("x", "X")).subs(Symbol("X"), x))
    found = [poly.coeff(x, k) for k in range(int(poly.as_poly(x).degree()) + 1)]
    expected = minimal_polynomial(a)
    if [expand(z) for z in found] != [expand(z) for z in expected]:
        return f"m(λ) = {poly}, expected coefficients {expected}"
    for name in ("p(A) = O", "m(A) = O"):
        if f"となり、{name} です。" not in lines:
            return f"{name} is not shown"
    return None


# --- recurrences --------------------------------------------------------------


def recurrence_text(coefficients, initial, rng):
    """a(n+k)=c_{k-1}a(n+k-1)+…; a(0)=…, in one of the ways it may be typed."""
    k = len(coefficients)
    terms = []
    for j in reversed(range(k)):
        c = coefficients[j]
        if c == 0:
            continue
        index = "n" if j == 0 else f"n+{j}"
        text = cell_text(c)
        sign = "-" if text.startswith("-") else "+"
        magnitude = cell_text(-c) if sign == "-" else text
        if magnitude == "1":
            factor = ""
        elif "i" in magnitude or "/" in magnitude:
            factor = f"({magnitude})" if rng.random() < 0.5 else f"({magnitude})*"
        else:
            factor = magnitude + rng.choice(["", "*", "·", " "])
        terms.append(f"{sign}{factor}a({index})")
    right = "".join(terms).lstrip("+") or "0a(n)"
    parts = [f"a(n+{k})={right}"] + [f"a({j})={cell_text(v)}" for j, v in enumerate(initial)]
    rng.shuffle(parts[1:])
    return "; ".join(parts)


def judge_recurrence(cli, rng, kind, case):
    if case % 10 == 9:
        return judge_bad_recurrence(cli, rng)
    shape = case % 7
    refuse = None
    x = Symbol("x")
    if shape == 3:
        # x^2 - cx - d, once or squared: roots a ± √d, blocks of size 1 or 2.
        c, d = rng.choice([(1, 1), (2, 1), (1, 3), (0, 2), (3, 1), (1, -1), (2, -3), (-1, 5)])
        poly = (x**2 - c * x - d) ** rng.choice([1, 1, 2])
    elif shape == 5:
        poly, refuse = rng.choice([(x**3 - 2, REFUSAL), (x**3 - x - 1, REFUSAL), ((x**2 - 2) * (x**2 - 3), TWO_ROOTS)])
    else:
        roots_ = [value(rng, kind) for _ in range(rng.randint(1, 3))]
        poly = 1
        for r in roots_:
            poly *= (x - r) ** rng.randint(1, 3)
    poly = expand(poly).as_poly(x)
    coefficients = [-poly.coeff_monomial(x**j) for j in range(poly.degree())]
    initial = [value(rng, kind) for _ in coefficients]
    text = LAST_INPUT[0] = recurrence_text(coefficients, initial, rng)
    status, lines, err = run(cli, ["recurrence", text])
    if refuse:
        if status != 1 or not refused(lines, refuse):
            return f"roots outside the fields, but exit {status}: {err}"
        TALLY["refused"] += 1
        return None
    if status != 0:
        return f"exit {status}: {err}"
    TALLY["surd recurrence"] += shape == 3
    terms = list(initial)
    while len(terms) < 30:
        terms.append(expand(sum(c * terms[len(terms) - len(coefficients) + j] for j, c in enumerate(coefficients))))
    line = next(x for x in lines if x.startswith("a(n) = "))
    general = expression(line[len("a(n) = ") :])
    start = valid_from(lines)
    for n in range(start, 30):
        if expand(general.subs(N, n)) != expand(terms[n]):
            return f"a({n}) is {terms[n]}, the general term gives {general.subs(N, n)}"
    TALLY["recurrence"] += 1
    return None


BAD_RECURRENCES = [
    "",
    "a(n+2)=a(n+1)+a(n); a(0)=0",
    "a(n+2)=a(n+1)+b(n); a(0)=0; a(1)=1",
    "a(n+2)=a(n+1)+a(n)+1; a(0)=0; a(1)=1",
    "a(n+2)=a(n+2)+a(n); a(0)=0; a(1)=1",
    "a(n+2)=a(n+1)+a(n); a(0)=0; a(1)=1; a(2)=1",
    "a(n+2)=a(n+1)+a(n); a(0)=0; a(0)=1; a(1)=1",
    "a(n+2)=a(n+1)+a(n); a(0)=x; a(1)=1",
    "a(n+2)=2x a(n+1); a(0)=0; a(1)=1",
    "a(n+1)=a(n) a(n); a(0)=1",
    "a(n+11)=a(n); a(0)=1",
    "a(n+2)=a(n+1)+a(n); a(0)=1/0; a(1)=1",
    "a(n+2)=a(n+1)+a(n); a(n)=1; a(1)=1",
    "a(n+2)=a(n+1)+a(n); a(n+1)=a(n); a(0)=0; a(1)=1",
]


def judge_bad_recurrence(cli, rng):
    text = LAST_INPUT[0] = rng.choice(BAD_RECURRENCES)
    status, lines, err = run(cli, ["recurrence", text])
    TALLY["refused text"] += 1
    if status != 2 or not err.startswith("korvane-cli: ") or lines:
        return f"'{text}' gave exit {status}: {err}"
    return None


def run_group(cli, group, count, seed):
    def one_case(rng, kind, case):
        if group == "jordan":
            return judge_jordan(cli, rng, kind)
        if group == "power":
            return judge_power(cli, rng, kind, case)
        if group == "exp":
            return judge_exp(cli, rng, kind, case)
        if group == "minpoly":
            return judge_minpoly(cli, rng, kind)
        return judge_recurrence(cli, rng, kind, case)

    return judge_cases(group, count, seed, one_case, tally=TALLY)


if __name__ == "__main__":
    main(run_group, 100)
