#!/usr/bin/python3
"""korvane-cli's reduction commands over one square root against SymPy.

Usage: sympy_surds.py KORVANE_CLI GROUP [CASES] [SEED]
GROUP is rref, det, inverse, rank or solve. Every case pipes one random
matrix to korvane-cli whose entries are a + b√d (a, b small integers or
fractions, one square-free d > 1 per matrix, typed as √d, sqrt(d) or
b*sqrt(d) in turn; dependent rows made on purpose) and reads its log back.
Every number printed is read as a SymPy expression and converted exactly into
the field Q(√d) (SymPy's algebraic field), never a float; the results are
compared with SymPy's own reduction, determinant, inverse and rank there.

Prints one line per disagreement and exits 1 if there was any.
"""

import collections
import os
import re
import subprocess
import sys
from fractions import Fraction

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from sympy import QQ, sqrt, sympify  # noqa: E402
from sympy.polys.matrices import DomainMatrix  # noqa: E402

from sympy_agreement import judge_cases, main  # noqa: E402

TALLY = collections.Counter()
LAST_INPUT = [""]
MATRIX_ROW = re.compile(r"  \( (.*)\)")
RADICANDS = [2, 3, 5, 6, 7, 10, 11, 13, 15, 17]

# --- texts ---------------------------------------------------------------


def sympy_value(text):
    """A number text of the log as SymPy reads it: √5 as sqrt(5), 2√3 as
    2*sqrt(3), i as I."""
    t = re.sub(r"√(\d+)", r"*sqrt(\1)", text.strip())
    t = t.replace("i", "*I")
    t = re.sub(r"(^|[(+\-/*])\*", r"\1", t)
    if re.search(r"[^0-9IsqrtI()+\-*/]", t):
        raise ValueError(f"not a number text: {text!r}")
    return sympify(t)


class Field:
    """Q(√d), SymPy's algebraic field, and the texts of its numbers."""

    def __init__(self, d):
        self.d = d
        self.k = QQ.algebraic_field(sqrt(d))

    def of(self, text):
        return self.k.from_sympy(sympy_value(text))

    def number(self, a, b):
        return self.k.from_sympy(sympify(str(a)) + sympify(str(b)) * sqrt(self.d))

    def matrix(self, rows):
        return DomainMatrix([[self.of(t) for t in row] for row in rows], (len(rows), len(rows[0])), self.k)


def fraction_text(q):
    return str(q.numerator) if q.denominator == 1 else f"{q.numerator}/{q.denominator}"


def cell_text(a, b, d, style):
    """a + b√d as a user types it, in one of three spellings."""
    if b == 0:
        return fraction_text(a)
    root = [f"√{d}", f"sqrt({d})", f"√({d})"][style % 3]
    magnitude = abs(b)
    if magnitude == 1:
        term = root
    elif style % 2 == 0:
        term = f"{fraction_text(magnitude)}*{root}"
    else:
        term = f"{fraction_text(magnitude)}{root}" if magnitude.denominator == 1 else f"{root}*{fraction_text(magnitude)}"
    sign = "-" if b < 0 else "+"
    if a == 0:
        return ("-" if b < 0 else "") + term
    return f"{fraction_text(a)}{sign}{term}"


# --- random matrices -------------------------------------------------------


def coefficient(rng, kind):
    if rng.random() < 0.3:
        return Fraction(0)
    if kind == "int":
        return Fraction(rng.randint(-4, 4))
    return Fraction(rng.randint(-5, 5), rng.randint(1, 4))


def random_surd_matrix(rng, rows, cols, kind):
    """Pairs (a, b) of a + b√d; with some chance one row a multiple of
    another by a surd (so the matrix is singular or of lower rank)."""
    m = [[(coefficient(rng, kind), coefficient(rng, kind)) for _ in range(cols)] for _ in range(rows)]
    if rows > 1 and rng.random() < 0.3:
        src, dst = rng.sample(range(rows), 2)
        p, q = Fraction(rng.randint(-2, 2)), Fraction(rng.randint(-2, 2))
        # p + q√d times the row, worked out once d is chosen (resolve).
        m[dst] = [("mul", p, q, a, b) for (a, b) in m[src]]
    return m


def resolve(pairs, d):
    """The pairs with the planted multiples worked out in Q(√d)."""
    out = []
    for row in pairs:
        new = []
        for cell in row:
            if len(cell) == 5:
                _, p, q, a, b = cell
                new.append((p * a + q * b * d, p * b + q * a))
            else:
                new.append(cell)
        out.append(new)
    return out


def make_case(rng, kind, rows, cols):
    d = rng.choice(RADICANDS)
    pairs = resolve(random_surd_matrix(rng, rows, cols, kind), d)
    # At least one root, so that the matrix needs the field.
    if all(b == 0 for row in pairs for (_, b) in row):
        r, c = rng.randrange(rows), rng.randrange(cols)
        pairs[r][c] = (pairs[r][c][0], Fraction(1))
    field = Field(d)
    texts = [[cell_text(a, b, d, rng.randrange(6)) for (a, b) in row] for row in pairs]
    matrix = DomainMatrix([[field.number(a, b) for (a, b) in row] for row in pairs], (rows, cols), field.k)
    return field, texts, matrix


# --- running and reading ------------------------------------------------


def run_cli(cli, command, texts):
    text = LAST_INPUT[0] = "\n".join(" ".join(row) for row in texts)
    done = subprocess.run([cli, command], input=text + "\n", capture_output=True, text=True, timeout=60)
    if done.returncode not in (0, 1):
        raise RuntimeError(f"exit {done.returncode}: {done.stderr.strip()}")
    return done.returncode, done.stdout.splitlines()


def printed_matrices(lines):
    """Every matrix the log prints, as rows of texts, in order."""
    found, current = [], []
    for line in lines:
        m = MATRIX_ROW.fullmatch(line)
        if m:
            current.append(m.group(1).split())
        elif current:
            found.append(current)
            current = []
    if current:
        found.append(current)
    return found


def sentence_value(lines, lead, tail="です。"):
    for line in lines:
        if line.startswith(lead) and line.endswith(tail):
            return line[len(lead):-len(tail)]
    raise ValueError(f"no line {lead}…{tail}")


def same(a, b):
    return a.shape == b.shape and a.to_Matrix() == b.to_Matrix()


def shown(m):
    return str(m.to_Matrix().tolist())


def first_is_input(field, lines, matrix):
    first = printed_matrices(lines)[0]
    got = field.matrix(first)
    if not same(got, matrix):
        return f"the first matrix printed {shown(got)} is not the input {shown(matrix)}"
    return None


# --- the judges ------------------------------------------------------------


def judge_rref(cli, rng, kind):
    rows, cols = rng.randint(1, 5), rng.randint(1, 6)
    field, texts, a = make_case(rng, kind, rows, cols)
    code, lines = run_cli(cli, "rref", texts)
    if code != 0:
        return f"rref exited {code}"
    problem = first_is_input(field, lines, a)
    if problem:
        return problem
    last = field.matrix(printed_matrices(lines)[-1])
    expected = a.rref()[0]
    TALLY[f"rank {a.rank()} of {min(rows, cols)}"] += 1
    if not same(last, expected):
        return f"rref {shown(last)} but SymPy {shown(expected)}"
    return None


def judge_det(cli, rng, kind):
    n = rng.randint(1, 5)
    field, texts, a = make_case(rng, kind, n, n)
    code, lines = run_cli(cli, "det", texts)
    if code != 0:
        return f"det exited {code}"
    problem = first_is_input(field, lines, a)
    if problem:
        return problem
    expected = a.det()
    if "これは可逆行列でなかったため、行列式は0です。" in lines:
        said = field.k.zero
    else:
        said = field.of(sentence_value(lines, "よって、行列式は、"))
    TALLY["singular" if expected == field.k.zero else "invertible"] += 1
    if said != expected:
        return f"det {field.k.to_sympy(said)} but SymPy {field.k.to_sympy(expected)}"
    return None


def judge_inverse(cli, rng, kind):
    n = rng.randint(1, 5)
    field, texts, a = make_case(rng, kind, n, n)
    code, lines = run_cli(cli, "inverse", texts)
    singular = a.rank() < n
    TALLY["singular" if singular else "invertible"] += 1
    if singular:
        if code != 1 or "よって、この行列は非可逆です。" not in lines:
            return f"a singular matrix not refused (exit {code})"
        return None
    if code != 0:
        return f"inverse exited {code}"
    at = lines.index("よって、逆行列は、")
    inverse = field.matrix(printed_matrices(lines[at:])[0])
    # The inverse is unique: A·X = I decides.
    if not same(a * inverse, DomainMatrix.eye(n, field.k)):
        return f"A times the inverse printed {shown(inverse)} is not I"
    return None


def judge_rank(cli, rng, kind):
    rows, cols = rng.randint(1, 5), rng.randint(1, 6)
    field, texts, a = make_case(rng, kind, rows, cols)
    code, lines = run_cli(cli, "rank", texts)
    if code != 0:
        return f"rank exited {code}"
    said = int(sentence_value(lines, "よって、階数は、"))
    TALLY[f"rank {a.rank()}"] += 1
    if said != a.rank():
        return f"rank {said} but SymPy {a.rank()}"
    return None


def vector_values(field, text):
    inner = text.strip()
    if not (inner.startswith("(") and inner.endswith(")")):
        raise ValueError(f"not a vector: {text!r}")
    parts, depth, start = [], 0, 0
    body = inner[1:-1]
    for at, c in enumerate(body):
        depth += {"(": 1, ")": -1}.get(c, 0)
        if c == "," and depth == 0:
            parts.append(body[start:at])
            start = at + 1
    parts.append(body[start:])
    return DomainMatrix([[field.of(t)] for t in parts], (len(parts), 1), field.k)


def top_vectors(text):
    """The bracketed vectors of "x = (…) + t1(…) + …" in order."""
    found, depth, start = [], 0, None
    for at, c in enumerate(text):
        if c == "(":
            if depth == 0:
                start = at
            depth += 1
        elif c == ")":
            depth -= 1
            if depth == 0:
                found.append(text[start:at + 1])
    return found


def judge_solve(cli, rng, kind):
    rows, unknowns = rng.randint(1, 5), rng.randint(1, 5)
    field, texts, ab = make_case(rng, kind, rows, unknowns + 1)
    a = ab.extract(list(range(rows)), list(range(unknowns)))
    b = ab.extract(list(range(rows)), [unknowns])
    code, lines = run_cli(cli, "solve", texts)
    if code != 0:
        return f"solve exited {code}"
    rank_a, rank_ab = a.rank(), ab.rank()
    expected = ("解はありません。" if rank_a != rank_ab else
                "解はただ一つです。" if rank_a == unknowns else "解は無数にあります。")
    cases = [line for line in lines if line in ("解はありません。", "解はただ一つです。", "解は無数にあります。")]
    TALLY[expected] += 1
    if cases != [expected]:
        return f"case {cases} but SymPy's ranks {rank_a}, {rank_ab} with {unknowns} unknowns say {expected}"
    if expected == "解はありません。":
        return None
    general = next(line for line in lines if line.startswith("x = "))
    vectors = [vector_values(field, v) for v in top_vectors(general[4:])]
    p, basis = vectors[0], vectors[1:]
    if not same(a * p, b):
        return f"A·p is not b for p = {shown(p)}"
    zero = DomainMatrix.zeros((rows, 1), field.k)
    if any(not same(a * v, zero) for v in basis):
        return "a kernel vector is not mapped to zero"
    if len(basis) != unknowns - rank_a or (basis and DomainMatrix.hstack(*basis).rank() != len(basis)):
        return f"{len(basis)} kernel vectors for nullity {unknowns - rank_a}"
    return None


JUDGES = {"rref": judge_rref, "det": judge_det, "inverse": judge_inverse, "rank": judge_rank, "solve": judge_solve}


def run_group(cli, group, count, seed):
    judge = JUDGES[group]
    return judge_cases(group, count, seed, lambda rng, kind, case: judge(cli, rng, kind),
                       last_input=LAST_INPUT, tally=TALLY)


if __name__ == "__main__":
    main(run_group, default_count=200)
