#!/usr/bin/python3
"""korvane-cli's exact quadratic eigenvalues against SymPy.

Usage: sympy_surd_eigen.py KORVANE_CLI GROUP [CASES] [SEED]
GROUP is one of eigenvalues, eigenvectors and diagonalize. Every case is a
matrix with planted eigenvalues: 2 × 2 companion blocks of quadratics
x² − 2px + (p² − q²d), whose roots p ± q√d lie in Q(i)(√d) (two different d
now and then), rational 1 × 1 blocks, a quadratic block repeated, and now and
then a defective block, conjugated by a unimodular integer matrix.
Everything the log prints is read back with SymPy and recomputed exactly
(never floats):

  eigenvalues   every factor of det(xI - A) over Q(i) (SymPy's factor_list)
                has as many roots in the log as its degree, each a root of it
                (substituted exactly) with its multiplicity; none approximated
  eigenvectors  each eigenspace's basis v ≠ 0 with (A - λI)v = 0, independent,
                as many as n - rank(A - λI)
  diagonalize   P invertible (det P ≠ 0) and AP = PD, so P⁻¹AP = D; D's
                diagonal the eigenvalues with their multiplicities; the
                check P⁻¹AP, or AP = PD when P needs two roots; defective
                matrices refused

Prints one line per disagreement and exits 1 if there was any.
"""

import functools
import itertools
import math
import os
import random
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from fractions import Fraction  # noqa: E402

from sympy import I, Matrix, Poly, Rational, Symbol, expand, factor_list  # noqa: E402

from sympy_agreement import LAST_INPUT, TALLY, judge_cases, run_cli, unimodular  # noqa: E402
from sympy_orthogonality import matrix_at, split_top, value, vector  # noqa: E402

X = Symbol("x")
RADICANDS = [2, 3, 5, 6, 7, 10, 11]
EIGENVALUE_LINE = re.compile(r"λ = (.+)（代数的重複度(\d+)）")

# --- exact arithmetic in Q(i, √d, ...) ----------------------------------------
# A number Σ cₘ√m over squarefree m ≥ 1 with Gaussian rational cₘ, kept as
# {m: (re, im)} of Fractions: the √m of distinct squarefree m are linearly
# independent over Q(i), so a number is zero exactly when every cₘ is. SymPy
# reads the log's texts; the arithmetic below adds and multiplies, and
# divides within one root's field.

ZERO = (Fraction(0), Fraction(0))


def gaussian_mul(a, b):
    return (a[0] * b[0] - a[1] * b[1], a[0] * b[1] + a[1] * b[0])


class Num:
    __slots__ = ("terms",)

    def __init__(self, terms=None):
        self.terms = {m: c for m, c in (terms or {}).items() if c != ZERO}

    @staticmethod
    def of(expr):
        terms = {}
        for key, c in expand(expr).as_coefficients_dict().items():
            c = Fraction(int(c.p), int(c.q))
            imaginary = key.has(I)
            m = int(((key / I) if imaginary else key) ** 2)
            old = terms.get(m, ZERO)
            terms[m] = (old[0], old[1] + c) if imaginary else (old[0] + c, old[1])
        return Num(terms)

    def __add__(self, other):
        terms = dict(self.terms)
        for m, c in other.terms.items():
            old = terms.get(m, ZERO)
            terms[m] = (old[0] + c[0], old[1] + c[1])
        return Num(terms)

    def __neg__(self):
        return Num({m: (-c[0], -c[1]) for m, c in self.terms.items()})

    def __sub__(self, other):
        return self + (-other)

    def __mul__(self, other):
        terms = {}
        for m, a in self.terms.items():
            for n, b in other.terms.items():
                g = math.gcd(m, n)  # √m·√n = g√(mn/g²)
                k = (m // g) * (n // g)
                c = gaussian_mul(a, b)
                old = terms.get(k, ZERO)
                terms[k] = (old[0] + g * c[0], old[1] + g * c[1])
        return Num(terms)

    def inverse(self):
        """1/(a + b√d) = (a − b√d)/(a² − b²d), within one root's field."""
        roots = [m for m in self.terms if m != 1]
        if len(roots) > 1:
            raise ValueError("an inverse needing two roots")
        if not roots:
            re_, im_ = self.terms[1]
            n = re_ * re_ + im_ * im_
            return Num({1: (re_ / n, -im_ / n)})
        d = roots[0]
        conjugate = Num({1: self.terms.get(1, ZERO), d: (-self.terms[d][0], -self.terms[d][1])})
        return conjugate * Num({1: (self * conjugate).terms.get(1, ZERO)}).inverse()

    def is_zero(self):
        return not self.terms

    def __eq__(self, other):
        return (self - other).is_zero()


def nums(rows):
    return [[Num.of(e) for e in row] for row in rows]


def times(a, b):
    return [[functools.reduce(lambda s, t: s + t, (a[r][k] * b[k][c] for k in range(len(b))), Num())
             for c in range(len(b[0]))] for r in range(len(a))]


def rank(rows):
    rows = [list(row) for row in rows]
    found = 0
    for col in range(len(rows[0]) if rows else 0):
        pivot = next((r for r in range(found, len(rows)) if not rows[r][col].is_zero()), None)
        if pivot is None:
            continue
        rows[found], rows[pivot] = rows[pivot], rows[found]
        scale = rows[found][col].inverse()
        for r in range(found + 1, len(rows)):
            factor = rows[r][col] * scale
            rows[r] = [x - factor * y for x, y in zip(rows[r], rows[found])]
        found += 1
    return found


def determinant(m):
    """By Leibniz's formula: sums and products only, so any roots may meet."""
    n, total = len(m), Num()
    for order in itertools.permutations(range(n)):
        sign = (-1) ** sum(1 for i in range(n) for j in range(i + 1, n) if order[i] > order[j])
        term = Num({1: (Fraction(sign), Fraction(0))})
        for r, c in enumerate(order):
            term = term * m[r][c]
        total = total + term
    return total


def radicands_in(texts):
    return {int(d) for t in texts for d in re.findall(r"√(\d+)", t)}


def as_rows(m):
    return [[m[r, c] for c in range(m.cols)] for r in range(m.rows)]


def printed_matrix(lines, lead):
    """The matrix printed after the line lead, with its entries' texts."""
    at = lines.index(lead) + 1
    texts = []
    while at < len(lines) and lines[at].startswith("  ( "):
        texts += lines[at][4:-1].split()
        at += 1
    return matrix_at(lines, lines.index(lead) + 1)[0], texts


def span_vectors(text):
    if text == "{0}":
        return []
    inner = text.removeprefix("span{").removesuffix("}")
    return [vector(part) for part in split_top(inner)]


# --- planted matrices -----------------------------------------------------------


def small(rng, kind):
    if kind == "gauss":
        return Rational(rng.randint(-2, 2)) + I * rng.randint(-1, 1)
    if kind == "frac":
        return Rational(rng.randint(-3, 3), rng.choice([1, 2]))
    return Rational(rng.randint(-3, 3))


def quadratic_block(rng, kind, d):
    """The companion matrix of (x - p)² - q²d for p ± q√d, q ≠ 0."""
    p = small(rng, kind)
    q = 0
    while q == 0:
        q = small(rng, kind) if kind != "frac" else Rational(rng.randint(1, 2), rng.choice([1, 2]))
    b, c = expand(-2 * p), expand(p * p - q * q * d)
    return Matrix([[0, -c], [1, -b]]), (p, q, d)


def planted(rng, kind, n):
    """A = S J S⁻¹ with the blocks of J as described above; also whether A is
    diagonalisable and the quadratics planted."""
    blocks, size, diagonalisable, roots = [], 0, True, []
    d = rng.choice(RADICANDS)
    while size < n:
        if n - size >= 2 and (not roots or rng.random() < 0.6):
            if rng.random() < 0.4:
                d = rng.choice(RADICANDS)  # a second root now and then
            block, planted_root = quadratic_block(rng, kind, d)
            if roots and blocks[-1].rows == 2 and blocks[-1][1, 0] == 1 and rng.random() < 0.4:
                block, planted_root = blocks[-1], roots[-1]  # the same quadratic again
                if n - size >= 2 and rng.random() < 0.3:
                    # coupled to the copy before it: (x² - ...)² on one chain
                    coupled = Matrix.zeros(4)
                    coupled[:2, :2] = block
                    coupled[2:, 2:] = block
                    coupled[0, 3] = 1
                    blocks[-1] = coupled
                    size += 2
                    diagonalisable = False
                    continue
            blocks.append(block)
            roots.append(planted_root)
            size += 2
            continue
        value_ = small(rng, kind)
        if n - size >= 2 and rng.random() < 0.1:
            blocks.append(Matrix([[value_, 1], [0, value_]]))
            diagonalisable, size = False, size + 2
            continue
        blocks.append(Matrix([[value_]]))
        size += 1
    j = Matrix.diag(*blocks)
    s = unimodular(rng, n)
    return s * j * s.inv(), diagonalisable, roots


# --- judging ----------------------------------------------------------------------


def said_eigenvalues(lines):
    return [(m.group(1), int(m.group(2))) for m in map(EIGENVALUE_LINE.fullmatch, lines) if m]


def judge_eigenvalues(lines, a, planted_roots):
    """Each factor of det(xI - A) over Q(i) of degree one or two has its roots
    in the log, exactly, with its multiplicity."""
    if any(line.startswith("λ ≈") for line in lines):
        return "a planted quadratic eigenvalue was only approximated"
    said = said_eigenvalues(lines)
    _, factors = factor_list(a.charpoly(X).as_expr(), X, gaussian=True)
    expected = sum(Poly(f, X).degree() for f, _ in factors)
    if len(said) != expected or sum(k for _, k in said) != a.rows:
        return f"{len(said)} eigenvalues said for {expected} distinct roots of the factors"
    used = [False] * len(said)
    for f, k in factors:
        found = 0
        for at, (text, multiplicity) in enumerate(said):
            if not used[at] and multiplicity == k and expand(f.subs(X, value(text))) == 0:
                used[at], found = True, found + 1
        if found != Poly(f, X).degree():
            return f"the factor {f} has {found} of its roots in the log"
    TALLY["repeated quadratic"] += any(k > 1 and Poly(f, X).degree() == 2 for f, k in factors)
    TALLY["two roots"] += len(radicands_in([t for t, _ in said])) > 1
    return None


def eigen_blocks(lines):
    """(λ text, basis texts) for every eigenspace in the log."""
    blocks = []
    for at, line in enumerate(lines):
        m = re.fullmatch(r"固有値 λ = (.+) の固有ベクトルを求めるため、.+ の核を求めます。", line)
        if m:
            lead = next(k for k in range(at, len(lines)) if re.fullmatch(r"よって、.+ の核は、", lines[k]))
            blocks.append((m.group(1), lines[lead + 1]))
    return blocks


def judge_eigenvectors(lines, a, planted_roots):
    problem = judge_eigenvalues(lines, a, planted_roots)
    if problem:
        return problem
    n = a.rows
    for text, basis_text in eigen_blocks(lines):
        basis = [[Num.of(e) for e in v] for v in span_vectors(basis_text)]
        shifted = nums(as_rows(a - value(text) * Matrix.eye(n)))
        if not basis:
            return f"λ = {text} has no eigenvector"
        columns = [list(col) for col in zip(*basis)]
        if any(not x.is_zero() for row in times(shifted, columns) for x in row):
            return f"(A - λI)v ≠ 0 for λ = {text}"
        if rank(basis) != len(basis) or len(basis) != n - rank(shifted):
            return f"λ = {text}: {len(basis)} vectors, nullity {n - rank(shifted)}"
    return None


def judge_diagonalize(lines, a, planted_roots, diagonalisable):
    problem = judge_eigenvectors(lines, a, planted_roots)
    if problem:
        return problem
    TALLY["diagonalisable"] += diagonalisable
    if not diagonalisable:
        return None if lines[-1] == "この行列は対角化できません。" else "a defective matrix diagonalised"
    p, p_texts = printed_matrix(lines, "P =")
    d, d_texts = printed_matrix(lines, "D =")
    pn, dn, an = nums(as_rows(p)), nums(as_rows(d)), nums(as_rows(a))
    # AP = PD with P invertible is P⁻¹AP = D, whatever roots P's columns need.
    if determinant(pn).is_zero():
        return "P is singular"
    if times(an, pn) != times(pn, dn):
        return "AP ≠ PD recomputed"
    if any(not dn[r][c].is_zero() for r in range(a.rows) for c in range(a.rows) if r != c):
        return "D is not diagonal"
    said = sorted(t for t, m in said_eigenvalues(lines) for _ in range(m))
    if sorted(d_texts[r * a.rows + r] for r in range(a.rows)) != said:
        return "D's diagonal is not the eigenvalues with their multiplicities"
    two_roots = len(radicands_in(p_texts + d_texts)) > 1
    expected = ("となり、AP = PD です。P の列は異なる固有値の固有空間の基底を並べたもので一次独立なので、"
                "P は正則で、P^-1AP = D が成り立ちます。") if two_roots else "となり、D に一致します。"
    if lines[-1] != expected:
        return f"the check ends {lines[-1]!r}"
    TALLY["checked column by column"] += two_roots
    return None


def run_group(cli, group, count, seed):
    def one_case(rng, kind, case):
        n = rng.choice([2, 2, 3, 3, 4, 4, 5])
        a, diagonalisable, roots = planted(rng, kind, n)
        lines = run_cli(cli, group, a)
        if group == "eigenvalues":
            return judge_eigenvalues(lines, a, roots)
        if group == "eigenvectors":
            return judge_eigenvectors(lines, a, roots)
        return judge_diagonalize(lines, a, roots, diagonalisable)

    return judge_cases(group, count, seed, one_case, LAST_INPUT, TALLY)


def main():
    cli, group = sys.argv[1], sys.argv[2]
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 200
    seed = int(sys.argv[4]) if len(sys.argv) > 4 else 14
    random.seed(seed)
    sys.exit(1 if run_group(cli, group, count, seed) else 0)


if __name__ == "__main__":
    main()
