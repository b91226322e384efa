#!/usr/bin/python3
"""korvane-cli's inner-product and orthogonality commands against SymPy.

Usage: sympy_orthogonality.py KORVANE_CLI GROUP [CASES] [SEED]
GROUP is one of the commands below. Every case runs korvane-cli on one random
matrix (integers, fractions or Gaussian rationals; dependent columns, zero
vectors and symmetric matrices with rational eigenvalues made on purpose)
and reads its log back. Every number printed, the surds among them, is
compared with SymPy exactly (sqrt, expand; never floats), and the printed
matrices are recomputed: QᴴQ = I and QR = A, PᴴP = I and PᴴAP = D.

  inner                   ‖v‖², ‖v‖, every ⟨vᵢ, vⱼ⟩ with its products,
                          orthogonality, cos θ, distances (also --rows)
  norm                    ‖v‖ and v/‖v‖ (also --rows)
  gram-schmidt            every uₖ against SymPy's own process with the
                          conjugate, skipped columns, eⱼ orthonormal
  qr                      Q, R upper triangular with positive diagonal,
                          QᴴQ = I, QR = A; dependent columns refused
  project                 p against SymPy's projection, b - p, the distance
  complement              the basis of W⊥: orthogonal to A, independent,
                          of dimension m - rank A
  least-squares           x̂ solves the normal equations, the kernel part,
                          the residual and its norm
  orthogonal-diagonalize  P with PᴴP = I and PᴴAP = D, D's eigenvalues;
                          approximate eigenvalues, two square roots and
                          non-symmetric input refused
  orthogonal-quadratic    the same on symmetric and Hermitian matrices with
                          eigenvalues p ± q√d (one d), P with nested roots
  quadratic-form          the typed form's matrix, Lagrange's squares
                          expanded back, the signature by Descartes' rule on
                          the characteristic polynomial, every leading
                          minor, P and the eigenvalues of the orthogonal
                          standard form
  quadratic-form-quadratic  the same on forms with eigenvalues p ± q√d, the
                          standard form's surd coefficients against PᵀAP

Prints one line per disagreement and exits 1 if there was any.
"""

import collections
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from sympy import (I, Matrix, Poly, Rational, Symbol, conjugate, discriminant, expand, eye, factor_list,  # noqa: E402
                   minimal_polynomial, radsimp, sqrt, sympify, zeros)

from sympy_agreement import grid_text, judge_cases, main, random_matrix  # noqa: E402

TALLY = collections.Counter()
LAST_INPUT = [""]
MATRIX_ROW = re.compile(r"  \( (.*)\)")
SUBSCRIPTS = "₀₁₂₃₄₅₆₇₈₉"
X = Symbol("x")

# --- texts ---------------------------------------------------------------


def value(text):
    """A number text of the log, a surd among them ("-√6/6", "(1+i)√2",
    "(1+√5)/√(10+2√5)")."""
    t = re.sub(r"√(\d+)", r"*sqrt(\1)", text.strip()).replace("√(", "*sqrt(")
    t = t.replace("i", "*I")
    t = re.sub(r"(^|[(+\-/*])\*", r"\1", t)
    if re.search(r"[^0-9IsqrtI()+\-*/]", t):
        raise ValueError(f"not a number text: {text!r}")
    return sympify(t)


def same(a, b):
    return expand(a - b) == 0


def vector(text):
    inner = text.strip()
    if not (inner.startswith("(") and inner.endswith(")")):
        raise ValueError(f"not a vector: {text!r}")
    return [value(t) for t in split_top(inner[1:-1])]


def split_top(text):
    """Splits at commas outside parentheses."""
    parts, depth, start = [], 0, 0
    for at, c in enumerate(text):
        depth += {"(": 1, ")": -1}.get(c, 0)
        if c == "," and depth == 0:
            parts.append(text[start:at])
            start = at + 1
    return parts + [text[start:]]


def span(text):
    if text == "{0}":
        return []
    inner = text.removeprefix("span{").removesuffix("}")
    return [vector("(" + part + ")") for part in re.findall(r"\(([^()]*(?:\([^()]*\)[^()]*)*)\)", inner)]


def matrix_at(lines, at):
    rows = []
    while at < len(lines) and MATRIX_ROW.fullmatch(lines[at]):
        rows.append([value(t) for t in MATRIX_ROW.fullmatch(lines[at]).group(1).split()])
        at += 1
    return Matrix(rows), at


def matrix_after(lines, lead):
    return matrix_at(lines, lines.index(lead) + 1)[0]


def name(letter, k):
    return letter + "".join(SUBSCRIPTS[int(d)] for d in str(k + 1))


def after(line):
    return line.split(" = ")[-1]


def line_starting(lines, lead):
    found = [line for line in lines if line.startswith(lead)]
    if not found:
        raise ValueError(f"no line starts {lead!r}")
    return found[0]


def inner(u, v):
    return expand(sum((a * conjugate(b) for a, b in zip(u, v)), Rational(0)))


def is_zero(z):
    """Exactly zero, nested roots among the terms: expanded, then with
    rationalised denominators, then by its minimal polynomial."""
    z = expand(z)
    if z == 0:
        return True
    z = expand(radsimp(z))
    return z == 0 or minimal_polynomial(z, X) == X


def is_zero_matrix(m):
    return all(is_zero(z) for z in m)


def same_values(said, want):
    """The same numbers with their multiplicities, in any order."""
    rest = list(want)
    for v in said:
        match = next((k for k, w in enumerate(rest) if is_zero(v - w)), None)
        if match is None:
            return False
        rest.pop(match)
    return not rest


def conj_t(m):
    return m.H


# --- running korvane-cli ----------------------------------------------------


def run(cli, args, matrix=None):
    text = LAST_INPUT[0] = grid_text(matrix) if matrix is not None else " ".join(args)
    done = subprocess.run([cli, *args], input=(text + "\n") if matrix is not None else "", capture_output=True,
                          text=True, timeout=60)
    return done.returncode, done.stdout.splitlines(), done.stderr


def ran(cli, args, matrix=None):
    status, lines, err = run(cli, args, matrix)
    if status != 0:
        raise RuntimeError(f"exit {status}: {err.strip()}")
    return lines


def refused(cli, args, matrix, reason):
    status, lines, err = run(cli, args, matrix)
    if status != 1 or err != f"korvane-cli: {reason}\n" or not lines or lines[-1] != reason:
        return f"expected the refusal {reason!r}, got exit {status} and {err.strip()!r}"
    TALLY["refused"] += 1
    return None


# --- random inputs ------------------------------------------------------------

SMALL = [1] * 4 + [2] * 10 + [3] * 12 + [4] * 8 + [5] * 4 + [6] * 2


def with_dependent(rng, m, kind, chance=0.25):
    """Sometimes a column made from the others, or a zero column."""
    if m.cols >= 2 and rng.random() < chance:
        k = rng.randrange(m.cols)
        others = [j for j in range(m.cols) if j != k]
        column = zeros(m.rows, 1)
        for j in rng.sample(others, min(2, len(others))):
            column += random_matrix(rng, 1, 1, kind)[0] * m[:, j]
        m[:, k] = column
    if rng.random() < 0.05:
        m[:, rng.randrange(m.cols)] = zeros(m.rows, 1)
    return m


def vectors_matrix(rng, kind, tall=False):
    rows, cols = rng.choice(SMALL), rng.choice(SMALL)
    if tall and rows < cols and rng.random() < 0.8:
        rows, cols = cols, rows
    return with_dependent(rng, random_matrix(rng, rows, cols, kind), kind)


def householder(rng, n, kind):
    """I − 2vvᴴ/(vᴴv): orthogonal (unitary) with rational entries."""
    v = random_matrix(rng, n, 1, kind)
    while is_zero_matrix(v):
        v = random_matrix(rng, n, 1, kind)
    return (eye(n) - 2 * v * v.H / expand((v.H * v)[0])).applyfunc(expand)


def symmetric_with_rational_eigenvalues(rng, kind, n=None):
    """H·D·H with its eigenvalues, the diagonal of D."""
    n = n or rng.choice([1, 2, 2, 3, 3, 3, 4, 4] + ([] if kind == "gauss" else [5]))
    values = [Rational(rng.randint(-4, 4)) for _ in range(n)]
    if n >= 2 and rng.random() < 0.5:
        values[1] = values[0]
    h = householder(rng, n, "gauss" if kind == "gauss" else "int")
    if n >= 3 and rng.random() < 0.5:
        h = (h * householder(rng, n, "int")).applyfunc(expand)
    return (h * Matrix.diag(*values) * h.H).applyfunc(expand), values


def symmetric_with_quadratic_eigenvalues(rng, kind):
    """H·B·Hᴴ, B block diagonal: 2 × 2 blocks k·S + sI over one S = [[a, b],
    [b, c]] with irrational eigenvalues (so one square root), a repeated
    block now and then (an eigenspace of dimension 2), rational values
    beside; with its eigenvalues."""
    n = rng.choice([2, 2, 3, 3, 4, 4] + ([] if kind == "gauss" else [5]))
    a, c, b = rng.randint(-3, 3), rng.randint(-3, 3), rng.choice([1, 2, 3, -1, -2])
    while sqrt((a - c) ** 2 + 4 * b * b).is_rational:
        a += 1
    root = sqrt(Rational((a - c) ** 2 + 4 * b * b, 4))
    blocks, values, k, shift = [], [], Rational(1), 0
    while 2 * len(blocks) + 2 <= n and (not blocks or rng.random() < 0.6):
        if blocks and rng.random() < 0.5:
            k, shift = rng.choice([1, -1, 2, Rational(1, 2)]), rng.randint(-2, 2)
        blocks.append(k * Matrix([[a, b], [b, c]]) + shift * eye(2))
        values += [k * (Rational(a + c, 2) + root) + shift, k * (Rational(a + c, 2) - root) + shift]
    rest = [Rational(rng.randint(-3, 3)) for _ in range(n - 2 * len(blocks))]
    h = householder(rng, n, "gauss" if kind == "gauss" else "int")
    if n >= 3 and rng.random() < 0.5:
        h = (h * householder(rng, n, "int")).applyfunc(expand)
    return (h * Matrix.diag(*blocks, *rest) * h.H).applyfunc(expand), values + rest


def square_roots(a):
    """The square-free radicands the quadratic eigenvalues need, or None
    when an eigenvalue needs more than a square root."""
    lam = Symbol("x")
    roots = set()
    for f, _ in factor_list(a.charpoly(lam).as_expr(), lam, gaussian=True)[1]:
        degree = Poly(f, lam).degree()
        if degree > 2:
            return None
        if degree == 2:
            roots.add(sqrt(discriminant(f, lam)).as_coeff_Mul()[1])
    return roots


def random_symmetric(rng, kind):
    n = rng.choice([1, 2, 3, 3, 4])
    m = random_matrix(rng, n, n, "frac" if kind == "frac" else "int")
    return (m + m.T) / 2 if kind == "frac" else m + m.T


# --- the judges ---------------------------------------------------------------


def judge_inner(lines, v):
    k = len(v)
    real = all(z.is_real for x in v for z in x)
    squares = []
    for i in range(k):
        nm = name("v", i)
        said = line_starting(lines, f"‖{nm}‖² = ⟨{nm}, {nm}⟩ = ")
        n2 = inner(v[i], v[i])
        if not same(value(after(said)), n2):
            return f"{said!r}: SymPy finds {n2}"
        norm = line_starting(lines, f"‖{nm}‖ = ")
        if not same(value(after(norm)), sqrt(n2)):
            return f"{norm!r}: SymPy finds {sqrt(n2)}"
        squares.append(n2)
    pairs = 0
    for i in range(k):
        for j in range(i + 1, k):
            a, b = name("v", i), name("v", j)
            said = line_starting(lines, f"⟨{a}, {b}⟩ = ")
            expected = inner(v[i], v[j])
            products = said.split(" = ")[1].split(" + ")
            if len(products) != len(v[i]) or not same(value(after(said)), expected):
                return f"{said!r}: SymPy finds {expected}"
            for p, x, y in zip(products, v[i], v[j]):
                left, right = p.split("·")
                if not same(value(left.strip("()") if left.startswith("(") else left), x) or \
                        not same(value(right[1:-1] if right.startswith("(") else right), conjugate(y)):
                    return f"the product {p!r} is not {x}·conj({y})"
            orthogonal = f"{a} と {b} は直交します。" in lines
            if orthogonal != (expected == 0):
                return f"{a}, {b}: orthogonality said {orthogonal}, inner product {expected}"
            if squares[i] == 0 or squares[j] == 0:
                if f"零ベクトルがあるので、{a} と {b} のなす角は定まりません。" not in lines:
                    return "a zero vector's angle not refused"
                TALLY["zero vector"] += 1
            else:
                cosine = line_starting(lines, f"cos θ = ⟨{a}, {b}⟩" if real else f"cos θ = Re⟨{a}, {b}⟩")
                want = expand(expected).as_real_imag()[0] / sqrt(squares[i] * squares[j])
                if not same(value(after(cosine)), want):
                    return f"{cosine!r}: SymPy finds {want}"
            distance = line_starting(lines, f"{a} - {b} = ")
            d2 = inner([x - y for x, y in zip(v[i], v[j])], [x - y for x, y in zip(v[i], v[j])])
            if not same(value(after(distance)), sqrt(d2)):
                return f"{distance!r}: SymPy finds {sqrt(d2)}"
            pairs += 1
    TALLY["pairs"] += pairs
    return None


def judge_norm(lines, v):
    for i, x in enumerate(v):
        nm = name("v", i)
        n2 = inner(x, x)
        norm = line_starting(lines, f"‖{nm}‖ = ")
        if not same(value(after(norm)), sqrt(n2)):
            return f"{norm!r}: SymPy finds {sqrt(n2)}"
        if n2 == 0:
            if f"{nm} は零ベクトルなので、単位ベクトルにはできません。" not in lines:
                return "a zero vector's unit vector not refused"
            continue
        unit = vector(after(line_starting(lines, f"{nm}/‖{nm}‖ = ")))
        if any(not same(a, b / sqrt(n2)) for a, b in zip(unit, x)):
            return f"{nm}/‖{nm}‖ is not {nm} divided by {sqrt(n2)}"
        TALLY["unit vectors"] += 1
    return None


def gram_schmidt(v):
    """SymPy's own process with the conjugate: the u's and the kept flags."""
    us, kept = [], []
    for x in v:
        u = list(x)
        for w in us:
            c = inner(x, w) / inner(w, w)
            u = [expand(a - c * b) for a, b in zip(u, w)]
        if all(z == 0 for z in u):
            kept.append(False)
        else:
            kept.append(True)
            us.append(u)
    return us, kept


def said_us(lines, letter="u"):
    """The last value of every "uₖ = … = (…)" line, in order."""
    found = {}
    for line in lines:
        m = re.fullmatch(letter + r"([₀-₉]+) = (?:.* = )?(\(.*\))", line)
        if m and not line.startswith(f"{letter}{m.group(1)} = {letter}"):
            found[m.group(1)] = vector(m.group(2))
        elif m:
            found[m.group(1)] = vector(m.group(2))
    return [found[k] for k in sorted(found, key=lambda s: int("".join(str(SUBSCRIPTS.index(c)) for c in s)))]


def judge_orthonormal(vectors, what):
    for i, a in enumerate(vectors):
        for j, b in enumerate(vectors):
            if not same(inner(a, b), 1 if i == j else 0):
                return f"{what} {i + 1} and {j + 1}: inner product {inner(a, b)}"
    return None


def judge_gram_schmidt(lines, v):
    us, kept = gram_schmidt(v)
    said = said_us(lines)
    if len(said) != len(us) or any(not all(same(a, b) for a, b in zip(s, u)) for s, u in zip(said, us)):
        return f"the u's are {said}, SymPy's {us}"
    for k, flag in enumerate(kept):
        skipped = any(line.startswith("差が0になったので、" + name("v", k) + " は") or
                      line.startswith(name("v", k) + " は零ベクトルなので除き") for line in lines)
        if skipped == flag:
            return f"v{k + 1} skipped: {skipped}, SymPy keeps it: {flag}"
        TALLY["skipped"] += skipped
    if not us:
        return None if lines[-1].startswith("どの列も零ベクトルなので") else "no word on the zero columns"
    es = [vector(after(line_starting(lines, name("e", j) + " = "))) for j in range(len(us))]
    for e, u in zip(es, us):
        if any(not same(a, b / sqrt(inner(u, u))) for a, b in zip(e, u)):
            return "an e is not its u divided by its norm"
    TALLY["orthonormal vectors"] += len(es)
    return judge_orthonormal(es, "e")


def judge_qr(cli, a):
    columns = [list(a[:, k]) for k in range(a.cols)]
    independent = a.rank() == a.cols
    if not independent:
        us, kept = gram_schmidt(columns)
        first = kept.index(False)
        if first == 0:
            return refused(cli, ["qr"], a, "A の列が一次独立でない（a₁ が零ベクトル）ので、QR 分解（Q の列が正規直交、R "
                           "が正則な上三角行列）はできません。")
        reason = (f"A の列が一次独立でない（{name('a', first)} がそれまでの列の一次結合）ので、QR 分解（Q の列が正規直交、R "
                  "が正則な上三角行列）はできません。")
        return refused(cli, ["qr"], a, reason)
    lines = ran(cli, ["qr"], a)
    q, r = matrix_after(lines, "Q ="), matrix_after(lines, "R =")
    if q.shape != a.shape or r.shape != (a.cols, a.cols):
        return f"Q is {q.shape}, R {r.shape}"
    if not is_zero_matrix(q.H * q - eye(a.cols)):
        return "QᴴQ is not I"
    for i in range(r.rows):
        if not (r[i, i].is_positive and all(r[i, j] == 0 for j in range(i))):
            return "R is not upper triangular with a positive diagonal"
    if not is_zero_matrix(q * r - a):
        return "QR is not A"
    TALLY[f"{a.rows} × {a.cols}"] += 1
    return None if lines[-1] == "となり、A に一致します。" else "the check does not say A"


def projection(a, b):
    basis = a.columnspace()
    if not basis:
        return zeros(b.rows, 1)
    m = Matrix.hstack(*basis)
    return m * (m.H * m).inv() * m.H * b


def judge_project(lines, a, b):
    p = Matrix(vector(after(line_starting(lines, "p = Ax̂ = "))))
    want = projection(a, b)
    if not is_zero_matrix(p - want):
        return f"p = {list(p)}, SymPy finds {list(want)}"
    said = Matrix(vector(lines[lines.index("よって、b の W への正射影は、") + 1].removeprefix("p = ")))
    if said != p:
        return "the result is not p"
    r = b - want
    distance = line_starting(lines, "b と W の距離は、")
    d = value(distance.split(" = ")[-1].removesuffix(" です。"))
    if not same(d, sqrt(inner(list(r), list(r)))):
        return f"{distance!r}: SymPy finds {sqrt(inner(list(r), list(r)))}"
    TALLY["b in W" if is_zero_matrix(r) else "b outside W"] += 1
    return None


def judge_complement(lines, a):
    basis = span(lines[lines.index("よって、直交補空間は、") + 1].removeprefix("W⊥ = "))
    m = a.rows
    if len(basis) != m - a.rank():
        return f"{len(basis)} basis vectors, SymPy finds dimension {m - a.rank()}"
    for w in basis:
        for k in range(a.cols):
            if inner(w, list(a[:, k])) != 0:
                return f"{w} is not orthogonal to column {k + 1}"
    if basis and Matrix.hstack(*[Matrix(w) for w in basis]).rank() != len(basis):
        return "the basis is dependent"
    TALLY[f"dim W⊥ = {len(basis)}"] += 1
    return None


def judge_least_squares(lines, a, b):
    said = lines[lines.index("よって、最小二乗解は、") + 1]
    m = re.fullmatch(r"x̂ = (\([^()]*\))(.*)", said)
    if not m:
        return f"cannot read {said!r}"
    x = Matrix(vector(m.group(1)))
    kernel = [Matrix(vector(t)) for t in re.findall(r"t[₀-₉]+(\([^()]*\))", m.group(2))]
    if not is_zero_matrix(a.H * a * x - a.H * b):
        return "x̂ does not solve the normal equations"
    if len(kernel) != a.cols - a.rank() or any(not is_zero_matrix(a * k) for k in kernel):
        return f"{len(kernel)} kernel vectors, SymPy finds nullity {a.cols - a.rank()}"
    r = b - a * x
    said_r = Matrix(vector(line_starting(lines, "残差は、b - Ax̂ = ").removeprefix("残差は、b - Ax̂ = ")))
    if not is_zero_matrix(said_r - r):
        return "the residual is not b - Ax̂"
    n2 = inner(list(r), list(r))
    norm = line_starting(lines, "‖b - Ax̂‖ = ")
    if not same(value(after(norm)), sqrt(n2)):
        return f"{norm!r}: SymPy finds {sqrt(n2)}"
    TALLY["unique" if not kernel else "not unique"] += 1
    return None


def judge_orthogonal_diagonalize(lines, a, eigenvalues=None):
    p = matrix_after(lines, "P =")
    d = matrix_after(lines, "D =")
    if not is_zero_matrix(p.H * p - eye(a.rows)):
        return "PᴴP is not I"
    if not is_zero_matrix(p.H * a * p - d):
        return "PᴴAP is not D"
    if not d.is_diagonal():
        return "D is not diagonal"
    want = eigenvalues if eigenvalues is not None else sum(([k] * m for k, m in a.eigenvals().items()), [])
    if not same_values([d[i, i] for i in range(d.rows)], want):
        return f"D's diagonal is not the eigenvalues {want}"
    TALLY["repeated eigenvalue" if len(set(want)) < len(want) else "distinct eigenvalues"] += 1
    if any("√(" in line for line in lines):
        TALLY["nested roots in P"] += 1
    return None if lines[-1] == "となり、D に一致します。" else "the check does not say D"


def sign_changes(coefficients):
    signs = [c > 0 for c in coefficients if c != 0]
    return sum(1 for s, t in zip(signs, signs[1:]) if s != t)


def inertia(a):
    """(positive, negative) eigenvalues by Descartes' rule, exact for the
    real-rooted characteristic polynomial of a symmetric matrix."""
    x = Symbol("x")
    poly = a.charpoly(x)
    coefficients = poly.all_coeffs()
    negated = poly.as_expr().subs(x, -x).as_poly(x).all_coeffs()
    return sign_changes(coefficients), sign_changes(negated)


def linear_form(text, names):
    """"x₁ + (1/2)x₂ - x₃" over the names as a coefficient list."""
    coefficients = [Rational(0)] * len(names)
    body = text if text.startswith("-") else "+ " + text
    for sign, coefficient, variable in re.findall(r"([+-]) ?(\([^()]*\)|[0-9/]*)([a-zA-Z][₀-₉]*'*)", body):
        c = value(coefficient.strip("()")) if coefficient else Rational(1)
        coefficients[names.index(variable)] += -c if sign == "-" else c
    return coefficients


def judge_quadratic_form(lines, a, names):
    n = a.rows
    # Lagrange: the new variables, the standard form, expanded back.
    at = lines.index("ラグランジュの方法（平方完成）でも標準形にします。")
    try:
        end = lines.index("とおくと、", at)
    except ValueError:
        end = None
    if end is None:
        if not is_zero_matrix(a):
            return "no standard form for a nonzero form"
        squares = []
    else:
        definitions = []
        k = end - 1
        while re.fullmatch(r"[a-zA-Z][₀-₉]+ = .*", lines[k]):
            definitions.insert(0, lines[k])
            k -= 1
        forms = [Matrix(linear_form(line.split(" = ", 1)[1], names)) for line in definitions]
        made = [line.split(" = ")[0] for line in definitions]
        standard = lines[end + 1].removeprefix("q = ")
        coefficients = linear_form(standard.replace("²", ""), made)
        squares = list(zip(coefficients, forms))
        expanded = zeros(n, n)
        for c, f in squares:
            expanded += c * f * f.T
        if not is_zero_matrix(expanded - a):
            return "the squares do not expand to the form"
    positive, negative = inertia(a)
    said = re.search(r"符号数は \((\d+), (\d+)\)", " ".join(lines))
    if not said or (int(said.group(1)), int(said.group(2))) != (positive, negative):
        return f"the signature said {said and said.group(0)}, Descartes gives ({positive}, {negative})"
    if sum(1 for c, _ in squares if c > 0) != positive or sum(1 for c, _ in squares if c < 0) != negative:
        return "the squares' signs are not the signature"
    # Sylvester: every leading minor.
    for k in range(1, n + 1):
        minor = line_starting(lines, name("D", k - 1) + " = ")
        if value(after(minor)) != a[:k, :k].det():
            return f"{minor!r}: SymPy finds {a[:k, :k].det()}"
    kind = ("正定値" if positive == n else "負定値" if negative == n else "半正定値" if negative == 0 and positive
            else "半負定値" if positive == 0 and negative else "不定値" if positive and negative else "零形式")
    verdict = next(line for line in lines if line.startswith("よって、この二次形式は"))
    if kind not in verdict or (kind == "正定値" and "半" in verdict) or (kind == "負定値" and "半" in verdict):
        return f"{verdict!r} for the signature ({positive}, {negative})"
    TALLY[kind] += 1
    # The orthogonal standard form, when the eigenvalues allow it.
    if "これらを列とする直交行列 P =" in lines:
        p = matrix_after(lines, "これらを列とする直交行列 P =")
        d = p.T * a * p
        if not is_zero_matrix(p.T * p - eye(n)) or not all(is_zero(d[i, j]) for i in range(n)
                                                            for j in range(n) if i != j):
            return "the orthogonal P does not diagonalise A"
        standard = lines[lines.index("とおくと、固有値を係数として、") + 1].removeprefix("q = ")
        coefficients = square_coefficients(standard)
        if not all(is_zero(coefficients.get(k, 0) - d[k, k]) for k in range(n)):
            return f"the standard form {standard!r} is not PᵀAP's diagonal"
        TALLY["orthogonal standard form" + (" with surds" if "√" in standard else "")] += 1
    return None


def square_coefficients(text):
    """"((1+√5)/2)y₁² - 3y₂² + y₃²" as {0: (1+√5)/2, 1: -3, 2: 1}."""
    signs, terms, depth, start = [-1 if text.startswith("-") else 1], [], 0, 1 if text.startswith("-") else 0
    for at, c in enumerate(text):
        depth += {"(": 1, ")": -1}.get(c, 0)
        if depth == 0 and text[at:at + 3] in (" + ", " - "):
            terms.append(text[start:at])
            signs.append(1 if text[at + 1] == "+" else -1)
            start = at + 3
    terms.append(text[start:])
    coefficients = {}
    for sign, term in zip(signs, terms):
        found = re.fullmatch(r"(.*?)[a-zA-Z]([₀-₉]+)²", term)
        c = found.group(1)
        c = value(c[1:-1] if c.startswith("(") else c) if c else Rational(1)
        coefficients[int("".join(str(SUBSCRIPTS.index(k)) for k in found.group(2))) - 1] = sign * c
    return coefficients


# --- cases -------------------------------------------------------------------


def columns_of(m):
    return [list(m[:, k]) for k in range(m.cols)]


def typed_form(rng):
    """A random form in x, y, z (or x1…x4) and its matrix."""
    names = rng.choice([["x", "y"], ["x", "y", "z"], ["x1", "x2", "x3", "x4"]])
    n = len(names)
    a = zeros(n, n)
    terms = []
    for i in range(n):
        for j in range(i, n):
            if rng.random() < 0.55:
                c = Rational(rng.randint(-5, 5), rng.choice([1, 1, 1, 2]))
                if c == 0:
                    continue
                text = (f"{names[i]}^2" if i == j else f"{names[i]}{names[j]}")
                body = "" if abs(c) == 1 else f"{abs(c)} " if abs(c).q != 1 else f"{abs(c)}"
                terms.append(("-" if c < 0 else "+") + body + text)
                if i == j:
                    a[i, i] += c
                else:
                    a[i, j] += c / 2
                    a[j, i] += c / 2
    if not terms:
        terms, a[0, 0] = ["+" + names[0] + "^2"], 1
    used = sorted({k for k in range(n) if any(a[k, j] != 0 or a[j, k] != 0 for j in range(n))})
    form = " ".join(terms).removeprefix("+")
    return form, a.extract(used, used), [names[k].replace("1", "₁").replace("2", "₂").replace("3", "₃").replace("4", "₄") for k in used]


def one_case(cli, group, rng, kind, case):
    if group in ("inner", "norm"):
        m = vectors_matrix(rng, kind)
        rows = rng.random() < 0.3
        args = [group] + (["--rows"] if rows else [])
        v = columns_of(m.T if rows else m)
        lines = ran(cli, args, m)
        return judge_inner(lines, v) if group == "inner" else judge_norm(lines, v)
    if group == "gram-schmidt":
        m = vectors_matrix(rng, kind)
        return judge_gram_schmidt(ran(cli, ["gram-schmidt"], m), columns_of(m))
    if group == "qr":
        m = vectors_matrix(rng, kind, tall=True)
        return judge_qr(cli, m)
    if group in ("project", "least-squares"):
        rows = rng.choice(SMALL[4:])
        narrow = [c for c in range(1, rows)] or [1]
        cols = (rng.choice(narrow) if rng.random() < 0.85 else rng.randint(rows, rows + 1)) + 1
        if rng.random() < 0.05:
            cols = 1
        m = random_matrix(rng, rows, cols, kind)
        if cols > 1:
            m[:, :-1] = with_dependent(rng, m[:, :-1], kind)
            if rng.random() < 0.15:  # b in W
                m[:, -1] = m[:, :-1] * random_matrix(rng, cols - 1, 1, kind)
        if cols == 1:
            return refused(cli, [group], m, "最後の列を b とすると残る列がないので、射影する先の部分空間がありません。"
                           if group == "project" else "最後の列を b とすると係数行列 A の列が残らないので、最小二乗法は使えません。")
        a, b = m[:, :-1], m[:, -1]
        lines = ran(cli, [group], m)
        return judge_project(lines, a, b) if group == "project" else judge_least_squares(lines, a, b)
    if group == "complement":
        m = vectors_matrix(rng, kind, tall=True)
        return judge_complement(ran(cli, ["complement"], m), m)
    if group == "orthogonal-diagonalize":
        if case % 10 == 9:
            a = random_matrix(rng, 3, 3, kind)
            if a.is_hermitian:
                return None
            reason = ("対称行列ではない（Aᵀ ≠ A）ので、直交行列では対角化できません（実行列を直交行列で対角化"
                      "できるのは、対称行列のときだけです）。") if all(z.is_real for z in a) else (
                "エルミート行列ではない（Aᴴ ≠ A）ので、ユニタリ行列では対角化できません（ユニタリ行列で"
                "対角化できるのは、正規行列 AᴴA = AAᴴ のときだけです）。")
            return refused(cli, ["orthogonal-diagonalize"], a, reason)
        if case % 10 == 8:
            a = random_symmetric(rng, kind)
            if all(v.is_rational for v in a.eigenvals()):
                return judge_orthogonal_diagonalize(ran(cli, ["orthogonal-diagonalize"], a), a)
            roots = square_roots(a)
            if roots is not None and len(roots) == 1:
                return judge_orthogonal_diagonalize(ran(cli, ["orthogonal-diagonalize"], a), a)
            if roots is not None:
                shown = " と ".join(str(r).replace("sqrt(", "√").replace(")", "") for r in sorted(roots, key=lambda r: r**2))
                return refused(cli, ["orthogonal-diagonalize"], a,
                               f"固有値に {shown} の2つの平方根が現れるので、ここでは直交対角化を求めません。")
            return refused(cli, ["orthogonal-diagonalize"], a,
                           "有理数でない固有値（近似値で示したもの）があるので、その固有ベクトルを正確に書けず、"
                           "ここでは直交対角化を求めません。")
        a, values = symmetric_with_rational_eigenvalues(rng, kind)
        return judge_orthogonal_diagonalize(ran(cli, ["orthogonal-diagonalize"], a), a, values)
    if group == "orthogonal-quadratic":
        a, values = symmetric_with_quadratic_eigenvalues(rng, kind)
        return judge_orthogonal_diagonalize(ran(cli, ["orthogonal-diagonalize"], a), a, values)
    if group == "quadratic-form-quadratic":
        a = symmetric_with_quadratic_eigenvalues(rng, "int" if kind == "gauss" else kind)[0]
        lines = ran(cli, ["quadratic-form"], a)
        if "これらを列とする直交行列 P =" not in lines:
            return "no orthogonal standard form"
        return judge_quadratic_form(lines, a, [name("x", k) for k in range(a.rows)])
    # quadratic-form
    if case % 3 == 0:
        form, a, names = typed_form(rng)
        lines = ran(cli, ["quadratic-form", "--form", form])
        if matrix_at(lines, 1)[0] != a:
            return f"the matrix of {form!r} is not {a.tolist()}"
        return judge_quadratic_form(lines, a, names)
    a = symmetric_with_rational_eigenvalues(rng, "int")[0] if case % 3 == 1 else random_symmetric(rng, kind)
    n = a.rows
    return judge_quadratic_form(ran(cli, ["quadratic-form"], a), a, [name("x", k) for k in range(n)])


def run_group(cli, group, count, seed):
    return judge_cases(group, count, seed, lambda rng, kind, case: one_case(cli, group, rng, kind, case), LAST_INPUT, TALLY)


if __name__ == "__main__":
    main(run_group, 200)
