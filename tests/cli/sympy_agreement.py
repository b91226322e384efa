#!/usr/bin/python3
"""korvane-cli against SymPy on random exact matrices.

Usage: sympy_agreement.py KORVANE_CLI GROUP [CASES] [SEED]
GROUP is solve, rank, charpoly or eigen. Every case runs korvane-cli on one
random matrix (integers, fractions or Gaussian rationals, 1 to 10 rows and
columns, mostly small; singular, defective and repeated-eigenvalue ones made
on purpose) and checks what its log says against SymPy's own computation:

  solve     the case (none, one, infinitely many) from the two ranks; the
            particular solution substituted into A; the kernel vectors
            mapped to zero, independent, as many as the nullity; and with
            several right-hand sides, AX = B
  rank      the rank and the nullity
  charpoly  det(xI - A), coefficient by coefficient
  eigen     (the diagonalisation log, which holds all of it) the
            characteristic polynomial; the eigenvalues in Q(i) with their
            algebraic multiplicities; the factorisation multiplying back;
            the approximations of the other roots against SymPy's nroots;
            the eigenspace dimensions; whether it diagonalises, and
            P^-1AP = D checked

Prints one line per disagreement and exits 1 if there was any.
"""

import collections
import random
import re
import subprocess
import sys

from sympy import I, Matrix, Poly, QQ, QQ_I, Rational, expand, sqrt, symbols, sympify
from sympy.polys.matrices import DomainMatrix

X = symbols("x")
SIZES = [1] * 10 + [2] * 20 + [3] * 20 + [4] * 15 + [5] * 10 + [6] * 8 + [7] * 6 + [8] * 4 + [9] * 4 + [10] * 3

# --- numbers and texts ---------------------------------------------------


def rational_text(q):
    q = Rational(q)
    return str(q.p) if q.q == 1 else f"{q.p}/{q.q}"


def cell_text(z):
    """A cell text korvane-cli reads back as z: re, then the imaginary part as
    ki/d (the i before the slash multiplies)."""
    re_part, im_part = Rational(z.as_real_imag()[0]), Rational(z.as_real_imag()[1])
    text = rational_text(re_part) if re_part != 0 or im_part == 0 else ""
    if im_part != 0:
        sign = "-" if im_part < 0 else ("+" if text else "")
        text += f"{sign}{abs(im_part.p)}i" + ("" if im_part.q == 1 else f"/{im_part.q}")
    return text


def parse_number(text):
    """The value of one of korvane's canonical number texts."""
    text = text.strip()
    if "i" not in text:
        return Rational(text)
    split = max(text.rfind("+"), text.rfind("-"))
    real, imag = (Rational(text[:split]), text[split:]) if split > 0 else (Rational(0), text)
    m = re.fullmatch(r"([+-]?)(\d*)i(?:/(\d+))?", imag)
    if not m:
        raise ValueError(f"not a number text: {text!r}")
    value = Rational(int(m.group(2) or 1), int(m.group(3) or 1))
    return real + (-value if m.group(1) == "-" else value) * I


def parse_vector(text):
    inner = text.strip()
    assert inner.startswith("(") and inner.endswith(")"), text
    return Matrix([parse_number(t) for t in inner[1:-1].split(",")])


def parse_polynomial(text):
    """A polynomial text such as "λ^3 - (1+i)λ + 1/2" as a SymPy Poly in X.
    Terms are separated by a sign between spaces; signs inside a coefficient
    have no spaces around them."""
    tokens = text.strip().split(" ")
    signs, bodies = ["+"] + tokens[1::2], tokens[0::2]
    terms = collections.defaultdict(int)
    for sign, body in zip(signs, bodies):
        if body.startswith("-"):
            sign, body = "-", body[1:]
        m = re.fullmatch(r"(?:\((.+)\)|([^λ()]*))(λ(?:\^(\d+))?)?", body)
        coefficient_text = m.group(1) or m.group(2)
        if m.group(3):
            coefficient = parse_number(coefficient_text) if coefficient_text else 1
            power = int(m.group(4) or 1)
        else:
            coefficient, power = parse_number(coefficient_text), 0
        terms[(power,)] += -coefficient if sign == "-" else coefficient
    return Poly.from_dict(dict(terms), X, domain=QQ_I)


def parse_factorisation(text):
    """"(λ - 1)^2λ(λ^2 + 2)" as a list of (Poly, multiplicity); a lone factor
    may stand without brackets."""
    factors, at = [], 0
    while at < len(text):
        if text[at] == "(":
            depth, end = 0, at
            for end in range(at, len(text)):
                depth += {"(": 1, ")": -1}.get(text[end], 0)
                if depth == 0:
                    break
            factor, at = text[at + 1 : end], end + 1
        elif text[at] == "λ":
            factor, at = "λ", at + 1
        else:
            return [(parse_polynomial(text), 1)]
        power = re.match(r"\^(\d+)", text[at:])
        at += power.end() if power else 0
        factors.append((factor, int(power.group(1)) if power else 1))
    if len(factors) == 1 and factors[0][1] == 1 and not text.startswith("("):
        return [(parse_polynomial(text), 1)]
    return [(parse_polynomial(f), k) for f, k in factors]


# --- random matrices -------------------------------------------------------


def entry(rng, kind):
    if kind == "int":
        return Rational(rng.randint(-9, 9))
    if kind == "frac":
        return Rational(rng.randint(-9, 9), rng.randint(1, 6))
    return Rational(rng.randint(-4, 4), rng.randint(1, 3)) + I * Rational(rng.randint(-4, 4), rng.randint(1, 3))


def random_matrix(rng, rows, cols, kind):
    return Matrix(rows, cols, lambda i, j: entry(rng, kind))


def product(*matrices):
    """Exact products over Q(i), entries expanded to re + im·I."""
    result = domain(matrices[0]).convert_to(QQ_I)
    for m in matrices[1:]:
        result = result * domain(m).convert_to(QQ_I)
    return result.to_Matrix()


def low_rank(rng, rows, cols, kind):
    """At most min(rows, cols) - 1, as a product of two random factors."""
    rank = rng.randint(0, min(rows, cols) - 1)
    if rank == 0:
        return Matrix.zeros(rows, cols)
    return product(random_matrix(rng, rows, rank, kind), random_matrix(rng, rank, cols, kind))


def unimodular(rng, n):
    """An integer matrix with determinant 1: products of elementary ones."""
    s = Matrix.eye(n)
    for _ in range(2 * n):
        i, j = rng.sample(range(n), 2) if n > 1 else (0, 0)
        if i != j:
            s[i, :] = s[i, :] + rng.randint(-2, 2) * s[j, :]
    return s


def eigenvalue(rng, kind):
    if kind == "int":
        return Rational(rng.randint(-3, 3))
    if kind == "frac":
        return Rational(rng.randint(-3, 3), rng.randint(1, 2))
    return Rational(rng.randint(-2, 2)) + I * rng.randint(-2, 2)


def jordan_conjugate(rng, n, kind):
    """S J S^-1 with Jordan blocks of few distinct eigenvalues, now and then an
    irreducible quadratic block, so that repeated, defective and irrational
    eigenvalues all occur."""
    blocks, size = [], 0
    values = [eigenvalue(rng, kind) for _ in range(rng.randint(1, 3))]
    while size < n:
        if n - size >= 2 and rng.random() < 0.15:
            c = rng.choice([2, 3, 5, -2, -3])
            blocks.append(Matrix([[0, c], [1, rng.choice([0, 1])]]))
            size += 2
            continue
        k = min(n - size, rng.choice([1, 1, 1, 2, 3]))
        value = rng.choice(values)
        blocks.append(Matrix(k, k, lambda i, j: value if i == j else (1 if j == i + 1 else 0)))
        size += k
    j = Matrix.diag(*blocks)
    s = unimodular(rng, n) if kind == "int" or rng.random() < 0.7 else random_matrix(rng, n, n, kind)
    while domain(s).rank() < n:
        s = random_matrix(rng, n, n, kind)
    return product(s, j, domain(s).inv().to_Matrix())


def size(rng):
    return rng.choice(SIZES)


# --- running korvane-cli -----------------------------------------------------


def grid_text(matrix):
    return "\n".join(" ".join(cell_text(matrix[r, c]) for c in range(matrix.cols)) for r in range(matrix.rows))


LAST_INPUT = [""]
TALLY = collections.Counter()


def run_cli(cli, command, matrix):
    text = LAST_INPUT[0] = grid_text(matrix)
    done = subprocess.run([cli, command], input=text + "\n", capture_output=True, text=True, timeout=60)
    if done.returncode != 0:
        raise RuntimeError(f"exit {done.returncode}: {done.stderr.strip()}")
    return done.stdout.splitlines()


def line_after(lines, lead, start=0):
    return lines[lines.index(lead, start) + 1]


def domain(matrix):
    """Over Q when every entry is real (much faster in SymPy), else Q(i)."""
    real = all(z.is_real for z in matrix)
    return DomainMatrix.from_list_sympy(matrix.rows, matrix.cols, matrix.tolist()).convert_to(QQ if real else QQ_I)


def rank(matrix):
    return domain(matrix).rank() if matrix.rows and matrix.cols else 0


def characteristic(a):
    return Poly([QQ_I.to_sympy(QQ_I.convert(c)) for c in domain(a).charpoly()], X, domain=QQ_I)


# --- the judges ------------------------------------------------------------


def judge_solve(lines, a, b):
    TALLY[f"singular A" if rank(a) < min(a.rows, a.cols) else "A of full rank"] += 1
    n, rank_a, rank_ab = a.cols, rank(a), rank(a.row_join(b))
    cases = [line for line in lines if line in ("解はありません。", "解はただ一つです。", "解は無数にあります。")]
    expected = "解はありません。" if rank_a != rank_ab else "解はただ一つです。" if rank_a == n else "解は無数にあります。"
    if cases != [expected]:
        return f"case {cases} but SymPy's ranks {rank_a}, {rank_ab} with {n} unknowns say {expected}"
    TALLY[expected] += 1
    if expected == "解はありません。":
        return None
    general = next(line for line in lines if line.startswith("x = "))
    parts = re.findall(r"\([^()]*\)", general)
    p, basis = parse_vector(parts[0]), [parse_vector(v) for v in parts[1:]]
    if product(a, p) != b:
        return f"A·p = {list(product(a, p))} is not b = {list(b)}"
    if any(product(a, v) != Matrix.zeros(a.rows, 1) for v in basis):
        return "a kernel vector is not mapped to zero"
    if len(basis) != n - rank_a or (basis and rank(Matrix.hstack(*basis)) != len(basis)):
        return f"{len(basis)} kernel vectors for nullity {n - rank_a}"
    return None


def judge_solve_many(lines, a, b):
    if b.cols == 1:  # one right-hand side reads as the plain solve
        return judge_solve(lines, a, b)
    solvable = rank(a) == a.cols == rank(a.row_join(b))
    cases = [line for line in lines if line.startswith("解は") and line.endswith("。")]
    if len(cases) != b.cols:
        return f"{len(cases)} case lines for {b.cols} right-hand sides"
    if not solvable:
        return None if "よって、AX = B の解は、" not in lines else "X given for an unsolvable AX = B"
    at = lines.index("よって、AX = B の解は、")
    x = Matrix([[parse_number(t) for t in row.strip()[1:-1].split()] for row in lines[at + 1 : at + 1 + a.cols]])
    return None if product(a, x) == b else "AX is not B"


def judge_rank(lines, a):
    r = rank(a)
    TALLY["rank below min(rows, cols)" if r < min(a.rows, a.cols) else "full rank"] += 1
    said = int(re.fullmatch(r"よって、階数は、(\d+)です。", next(l for l in lines if l.startswith("よって、階数は"))).group(1))
    nullity = int(re.search(r"= (\d+)です。$", next(l for l in lines if "退化次数）は" in l)).group(1))
    if said != r or nullity != a.cols - r:
        return f"rank {said}, nullity {nullity}; SymPy's rank {r} of {a.cols} columns"
    return None


def said_characteristic(lines):
    return parse_polynomial(line_after(lines, "よって、固有多項式は、").removeprefix("det(λI - A) = "))


def judge_charpoly(lines, a, expected=None):
    said, expected = said_characteristic(lines), expected or characteristic(a)
    if said.all_coeffs() != expected.all_coeffs():
        return f"det(xI - A) = {said.as_expr()} but SymPy has {expected.as_expr()}"
    return None


def gaussian_roots(p):
    """The roots of p in Q(i) with multiplicities, by SymPy: factor the norm
    p·conj(p) over Q, take the rational roots and the roots a ± bi of its
    quadratic factors, and keep those p itself vanishes at."""
    coefficients = p.rep.to_list()
    conjugate = Poly([QQ_I.to_sympy(QQ_I(c.x, -c.y)) for c in coefficients], X, domain=QQ_I)
    norm = Poly([c.x for c in (p * conjugate).rep.to_list()], X, domain=QQ)
    candidates = set()
    for f, _ in norm.factor_list()[1]:
        c = f.monic().all_coeffs()
        if f.degree() == 1:
            candidates.add(QQ_I(-c[1], 0))
        elif f.degree() == 2:  # x^2 + bx + c = (x + b/2)^2 + (c - b^2/4)
            re_part, square = -c[1] / 2, c[2] - c[1] ** 2 / 4
            im_part = sqrt(Rational(square)) if square > 0 else None
            if im_part is not None and im_part.is_rational:
                candidates.update({QQ_I(re_part, im_part), QQ_I(re_part, -im_part)})
    roots = {}
    for r in candidates:
        q, k, linear = p, 0, Poly([1, -QQ_I.to_sympy(r)], X, domain=QQ_I)
        while q.degree() > 0 and q.rem(linear).is_zero:
            q, k = q.quo(linear), k + 1
        if k:
            roots[QQ_I.to_sympy(r)] = k
    return roots


def parse_approximation(text):
    """"-0.5 - 1.2e-3i" and the like as a Python complex."""
    m = re.fullmatch(r"(?:(\S+) ([+-]) )?(\S+?)(i?)", text)
    if m.group(4) == "":
        return complex(float(m.group(3)), 0)
    imag = float(m.group(3)) * (-1 if m.group(2) == "-" else 1)
    return complex(float(m.group(1)) if m.group(1) else 0.0, imag)


def parse_surd(text):
    """A surd text of the log ("(1+√5)/2", "-(1+i)√3") as a SymPy number."""
    t = re.sub(r"√(\d+)", r"*sqrt(\1)", text.strip()).replace("i", "*I")
    t = re.sub(r"(^|[(+\-/*])\*", r"\1", t)
    if re.search(r"[^0-9Isqrt()+\-*/]", t):
        raise ValueError(f"not a surd text: {text!r}")
    return sympify(t)


def solved_quadratics(lines, factors):
    """The factors of degree two whose roots the log gives as surds, each
    with how many of its roots it gives."""
    surds = [parse_surd(m.group(1)) for m in map(lambda l: re.fullmatch(r"λ = (.*√.*)（代数的重複度\d+）", l), lines) if m]
    solved = {}
    for f, _ in factors:
        if f.degree() == 2:
            count = sum(1 for s in surds if expand(f.as_expr().subs(X, s)) == 0)
            if count:
                solved[f] = count
    return solved, len(surds)


def judge_approximations(lines, factors):
    """Every root of each factor of degree two or more, found by SymPy's
    nroots, matches one approximation in the log to its 15 digits."""
    said = sorted(
        (parse_approximation(m.group(1)) for m in map(lambda l: re.fullmatch(r"λ ≈ (.+)（近似値、代数的重複度\d+）", l), lines) if m),
        key=lambda z: (z.real, z.imag),
    )
    solved, _ = solved_quadratics(lines, factors)
    expected = []
    for f, _ in factors:
        if f.degree() > 1 and f not in solved:
            expected += [complex(r) for r in f.nroots(n=16)]
    if len(said) != len(expected):
        return f"{len(said)} approximate eigenvalues for {len(expected)} roots of the other factors"
    for z in expected:
        if min(abs(z - w) for w in said) > 1e-13 * max(abs(z), 1e-300):
            return f"no approximation in the log matches the root {z}"
    return None


def judge_eigen(lines, a):
    n, expected = a.rows, characteristic(a)
    problem = judge_charpoly(lines, a, expected)
    if problem:
        return problem
    factors = parse_factorisation(line_after(lines, "固有多項式を、係数が複素有理数の範囲で因数分解すると、").removeprefix("det(λI - A) = "))
    product = Poly(1, X, domain=QQ_I)
    for f, k in factors:
        product *= f**k
    if product != expected:
        return "the factors do not multiply back to det(xI - A)"
    said = {}
    for line in lines:
        m = re.fullmatch(r"λ = ([^√]+)（代数的重複度(\d+)）", line)
        if m:
            said[parse_number(m.group(1)).expand()] = int(m.group(2))
    roots = gaussian_roots(expected)
    if said != roots:
        return f"eigenvalues {said} but SymPy finds {roots}"
    # A quadratic factor with rational coefficients always has surd roots;
    # one over Q(i) may need a root inside a root and stay approximate.
    solved, surd_count = solved_quadratics(lines, factors)
    if any(count != 2 for count in solved.values()) or surd_count != 2 * len(solved):
        return "the surd eigenvalues are not the two roots of their factors"
    for f, _ in factors:
        if f.degree() == 2 and f not in solved and all(c.is_rational for c in f.all_coeffs()):
            return f"the roots of {f.as_expr()} were not given exactly"
    geometric = [int(g) for g in re.findall(r"幾何的重複度（固有空間の次元）は(\d+)です。", "\n".join(lines))]
    expected_geometric = [n - rank(a - r * Matrix.eye(n)) for r in said]
    # Each root r of an irreducible f: dim ker(A − rI) = dim ker f(A) / deg f.
    surd_geometric = {}
    for f, k in factors:
        if f in solved:
            value = Matrix.zeros(n)
            for c in f.all_coeffs():
                value = value * a + c * Matrix.eye(n)
            surd_geometric[f] = ((n - rank(value.applyfunc(expand))) // 2, k)
    expected_geometric += [g for f in solved for g in (surd_geometric[f][0],) * 2]
    if geometric != expected_geometric:
        return f"eigenspace dimensions {geometric} but SymPy's ranks give {expected_geometric}"
    problem = judge_approximations(lines, factors)
    if problem:
        return problem
    TALLY["quadratic eigenvalues exact"] += bool(solved)
    exact = sum(roots.values()) + sum(2 * k for _, k in surd_geometric.values()) == n
    diagonal = (exact and all(g == roots[r] for r, g in zip(said, geometric))
                and all(g == k for g, k in surd_geometric.values()))
    TALLY["repeated eigenvalue"] += any(k > 1 for k in roots.values())
    TALLY["defective"] += any(g < roots[r] for r, g in zip(said, geometric))
    TALLY["eigenvalue outside Q(i)"] += sum(roots.values()) < n
    TALLY["diagonalisable exactly"] += diagonal
    checked = "となり、D に一致します。" in lines or any(l.startswith("となり、AP = PD です。") for l in lines)
    if diagonal != checked:
        return f"diagonalisable over Q(i) is {diagonal} by SymPy's ranks, but the log disagrees"
    return None


# --- cases -------------------------------------------------------------------


def solve_case(rng, kind):
    rows, cols = size(rng), size(rng)
    a = low_rank(rng, rows, cols, kind) if rng.random() < 0.4 else random_matrix(rng, rows, cols, kind)
    b = product(a, random_matrix(rng, cols, 1, kind)) if rng.random() < 0.5 else random_matrix(rng, rows, 1, kind)
    if cols == 10:  # the grid holds ten columns, b included
        a = a[:, :9]
    return a, b


def judge_cases(group, count, seed, one_case, last_input=LAST_INPUT, tally=TALLY):
    """Runs one_case(rng, kind, case) count times, on integers, fractions and
    Gaussian rationals in turn; prints every disagreement with its input and
    a summary. Returns the number of disagreements."""
    rng = random.Random(seed)
    kinds = ["int", "frac", "gauss"]
    failures = 0
    for case in range(count):
        kind = kinds[case % 3]
        try:
            problem = one_case(rng, kind, case)
        except Exception as error:  # a log that cannot be read is a disagreement too
            problem = f"{type(error).__name__}: {error}"
        if problem:
            failures += 1
            shown = last_input[0].replace("\n", " / ")
            print(f"case {case} ({group}, {kind}): {problem}\n  input: {shown}", flush=True)
    print(f"{group}: {count - failures} of {count} cases agree with SymPy")
    if tally:
        print("  among them: " + ", ".join(f"{k} {v}" for k, v in sorted(tally.items())))
    return failures


def run_group(cli, group, count, seed):
    def one_case(rng, kind, case):
        if group == "solve" and case % 5 == 4:
            n = min(size(rng), 9)
            a = random_matrix(rng, n, n, kind) if rng.random() < 0.7 else low_rank(rng, n, n, kind)
            b = random_matrix(rng, n, rng.randint(1, 10 - n), kind)
            return judge_solve_many(run_cli(cli, "solve-many", a.row_join(b)), a, b)
        if group == "solve":
            a, b = solve_case(rng, kind)
            return judge_solve(run_cli(cli, "solve", a.row_join(b)), a, b)
        if group == "rank":
            rows, cols = size(rng), size(rng)
            a = low_rank(rng, rows, cols, kind) if rng.random() < 0.5 else random_matrix(rng, rows, cols, kind)
            return judge_rank(run_cli(cli, "rank", a), a)
        n = size(rng)
        a = jordan_conjugate(rng, n, kind) if rng.random() < 0.6 else random_matrix(rng, n, n, kind)
        if group == "charpoly":
            return judge_charpoly(run_cli(cli, "charpoly", a), a)
        return judge_eigen(run_cli(cli, "diagonalize", a), a)

    return judge_cases(group, count, seed, one_case)


def main(run=run_group, default_count=510):
    """KORVANE_CLI GROUP [CASES] [SEED] from the command line; exits 1 on a
    disagreement."""
    cli, group = sys.argv[1], sys.argv[2]
    count = int(sys.argv[3]) if len(sys.argv) > 3 else default_count
    seed = int(sys.argv[4]) if len(sys.argv) > 4 else 14
    sys.exit(1 if run(cli, group, count, seed) else 0)


if __name__ == "__main__":
    main()
