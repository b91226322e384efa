#!/usr/bin/python3
"""korvane-cli's textbook methods against SymPy on random exact matrices.

Usage: sympy_methods.py KORVANE_CLI GROUP [CASES] [SEED]
GROUP is one of the commands below. Every case runs korvane-cli on one random
matrix (integers, fractions or Gaussian rationals, 1 to 10 rows and columns
where the method allows, mostly small; sparse and singular ones made on
purpose) and reads its whole log back: every printed matrix is checked
against the operation or the removal before it, every product, cofactor and
minor recomputed, and the results checked against SymPy.

  expand       det --expand (auto, row:N, col:N; --minors sarrus|expand): the
               line chosen, each minor, each skipped term, every Sarrus and
               ad - bc line, every sum, the determinant
  sarrus       the widened matrix, the six (or two) products and their sum;
               other sizes refused
  integer-det  every operation replayed, each det A = f·det B checked, the
               triangular end, the determinant; no fraction in the log of an
               integer matrix
  adjugate     every minor and cofactor, C, adj A, det A, the inverse
  cramer       every A_k and its determinant, x_k, the solution; a singular A
               refused with a pointer to solve
  lu           every operation and multiplier replayed, L unit lower
               triangular, U triangular or in echelon form, P a permutation,
               PA = LU (A = LU without exchanges)
  elementary   every operation and its E_k, the chain, P = E_k⋯E_1, PA = R
               and R against SymPy's reduced form

Prints one line per disagreement and exits 1 if there was any.
"""

import collections
import functools
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from sympy.polys.domains import QQ, QQ_I  # noqa: E402
from sympy.polys.matrices import DomainMatrix  # noqa: E402

from sympy_agreement import SIZES, grid_text, judge_cases, low_rank, main, random_matrix  # noqa: E402

TALLY = collections.Counter()
LAST_INPUT = [""]
ONE, ZERO = QQ_I.one, QQ_I.zero
MATRIX_ROW = re.compile(r"  \( (.*)\)")

# --- numbers, matrices and formulas -------------------------------------------


IMAGINARY = re.compile(r"([+-]?)(\d*)i(?:/(\d+))?")


def rational(text):
    return QQ(*map(int, text.split("/"))) if text else QQ(0)


@functools.lru_cache(maxsize=None)
def num(text):
    """A canonical number text ("-3", "1/2+3i/4", "-i/2") in Q(i)."""
    if "i" not in text:
        return QQ_I(rational(text), QQ(0))
    split = max(text.rfind("+"), text.rfind("-"))
    real, imaginary = (text[:split], text[split:]) if split > 0 else ("", text)
    m = IMAGINARY.fullmatch(imaginary)
    if not m:
        raise ValueError(f"not a number text: {text!r}")
    value = QQ(int(m.group(2) or 1), int(m.group(3) or 1))
    return QQ_I(rational(real), -value if m.group(1) == "-" else value)


def rows_of(matrix):
    return [[QQ_I.from_sympy(z) for z in matrix.row(r)] for r in range(matrix.rows)]


@functools.lru_cache(maxsize=4096)
def cached_det(rows):
    shape = (len(rows), len(rows))
    if all(z.y == 0 for row in rows for z in row):  # over Q, much faster in SymPy
        return QQ_I(DomainMatrix([[z.x for z in row] for row in rows], shape, QQ).det(), QQ(0))
    return DomainMatrix([list(row) for row in rows], shape, QQ_I).det()


def det(rows):
    return cached_det(tuple(map(tuple, rows))) if rows else ONE


def times(a, b):
    return [[sum((a[i][k] * b[k][j] for k in range(len(b))), ZERO) for j in range(len(b[0]))] for i in range(len(a))]


def identity(n):
    return [[ONE if i == j else ZERO for j in range(n)] for i in range(n)]


def minor(rows, r, c):
    return [row[:c] + row[c + 1 :] for i, row in enumerate(rows) if i != r]


def matrix_at(lines, at):
    """The matrix printed from line at on, and the index after it."""
    rows = []
    while at < len(lines) and MATRIX_ROW.fullmatch(lines[at]):
        rows.append([num(t) for t in MATRIX_ROW.fullmatch(lines[at]).group(1).split()])
        at += 1
    return rows, at


def matrix_after(lines, lead, start=0):
    return matrix_at(lines, lines.index(lead, start) + 1)[0]


def factor(text):
    return num(text[1:-1] if text.startswith("(") else text)


def factors(term):
    return [factor(f) for f in term.split("·")]


def product(values):
    result = ONE
    for v in values:
        result *= v
    return result


def terms(expression):
    """"-a·b + c - d" as [(sign, text)]: a leading bare minus is the first
    term's sign, as a negative factor stands in parentheses."""
    parts = re.split(r" ([+-]) ", expression)
    first = parts[0]
    found = [(-1, first[1:]) if first.startswith("-") else (1, first)]
    return found + [(1 if op == "+" else -1, t) for op, t in zip(parts[1::2], parts[2::2])]


def front_value(text):
    """The f of "f·det B" ("-2·3·det B", "det B", "(1/6)·det B")."""
    prefix = text[: -len("det B")].removesuffix("·")
    sign = -1 if prefix.startswith("-") else 1
    prefix = prefix.removeprefix("-")
    return sign * (product(factors(prefix)) if prefix else ONE)


def is_upper(rows):
    return all(rows[r][c] == ZERO for r in range(len(rows)) for c in range(min(r, len(rows[0]))))


def is_echelon(rows):
    lead = -1
    for row in rows:
        nonzero = [c for c, z in enumerate(row) if z != ZERO]
        if not nonzero:
            lead = len(row)
            continue
        if nonzero[0] <= lead:
            return False
        lead = nonzero[0]
    return True


# --- row operations as the log names them -------------------------------------------

OPERATIONS = [
    ("swap", re.compile(r"(\d+)行目と(\d+)行目を入れ換えます。")),
    ("takeout", re.compile(r"(\d+)行目から共通因数(\d+)をくくり出します。")),
    ("scale", re.compile(r"(\d+)行目を(\S+)倍します。")),
    ("subtract", re.compile(r"(\d+)行目から(\d+)行目の(\S+)倍を引きます。")),
]


def operation(line):
    for kind, pattern in OPERATIONS:
        m = pattern.fullmatch(line)
        if m:
            if kind == "swap":
                return kind, int(m.group(1)) - 1, int(m.group(2)) - 1, ONE
            if kind in ("scale", "takeout"):
                value = num(m.group(2))
                return kind, int(m.group(1)) - 1, int(m.group(1)) - 1, value if kind == "scale" else ONE / value
            return kind, int(m.group(1)) - 1, int(m.group(2)) - 1, num(m.group(3))
    return None


def apply(op, rows):
    kind, target, source, value = op
    if kind == "swap":
        rows[target], rows[source] = rows[source], rows[target]
    elif kind in ("scale", "takeout"):
        rows[target] = [z * value for z in rows[target]]
    else:
        rows[target] = [t - value * s for t, s in zip(rows[target], rows[source])]


def elementary(op, n):
    e = identity(n)
    apply(op, e)
    return e


# --- running korvane-cli ------------------------------------------------------


def run(cli, args, matrix):
    text = LAST_INPUT[0] = grid_text(matrix)
    done = subprocess.run([cli, *args], input=text + "\n", capture_output=True, text=True, timeout=60)
    return done.returncode, done.stdout.splitlines(), done.stderr


def ran(cli, args, matrix):
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


def said_determinant(lines):
    m = re.fullmatch(r"よって、行列式は、(\S+)です。", lines[-1])
    return num(m.group(1)) if m else None


# --- the workings shared by several commands ------------------------------------------


def sarrus_diagonals(n):
    if n == 1:
        return [(1, [(0, 0)])]
    if n == 2:
        return [(1, [(0, 0), (1, 1)]), (-1, [(0, 1), (1, 0)])]
    down = [(1, [(0, s), (1, (s + 1) % 3), (2, (s + 2) % 3)]) for s in range(3)]
    return down + [(-1, [(0, s), (1, (s + 2) % 3), (2, (s + 1) % 3)]) for s in (2, 0, 1)]


def check_small(line, rows):
    """"det X = products = values = v" for a 1 × 1, 2 × 2 or 3 × 3 matrix:
    the problem, or None; the value said."""
    parts = line.split(" = ")
    value = num(parts[-1])
    if len(rows) == 1:
        return (None if len(parts) == 2 and value == rows[0][0] else f"{line!r} for {rows}"), value
    if len(parts) != 4:
        return f"not a product line: {line!r}", value
    diagonals, said_products, said_values = sarrus_diagonals(len(rows)), terms(parts[1]), terms(parts[2])
    if len(said_products) != len(diagonals) or len(said_values) != len(diagonals):
        return f"{len(said_products)} products for {len(diagonals)} diagonals: {line!r}", value
    total = ZERO
    for (sign, places), (product_sign, product_text), (value_sign, value_text) in zip(diagonals, said_products, said_values):
        if product_sign != sign:
            return f"a product with the wrong sign: {line!r}", value
        if factors(product_text) != [rows[r][c] for r, c in places]:
            return f"the product {product_text} is not a diagonal's: {line!r}", value
        if sign * product(factors(product_text)) != value_sign * factor(value_text):
            return f"{product_text} is not {value_text} with its sign", value
        total += value_sign * factor(value_text)
    if total != value:
        return f"the products add up to {total}, not {parts[-1]}", value
    if value != det(rows):
        return f"{parts[0]} = {parts[-1]}, but SymPy finds {det(rows)}", value
    return None, value


def check_integer_working(lines, at, name, rows):
    """The working that starts at line at: every operation replayed on a
    copy of rows, every det name = f·det B against the operations, the
    triangular end and its value. Returns the problem (or None), the value
    and the index after the working."""
    b, front = [row[:] for row in rows], ONE
    relation = re.compile(r".*、det " + re.escape(name) + r" = (.+) です。")
    at += 1
    while True:
        line = lines[at]
        op = operation(line)
        if op:
            apply(op, b)
            printed, at = matrix_at(lines, at + 1)
            if printed != b:
                return f"the matrix after {line!r} is not what it does", None, at
            kind, _, _, value = op
            if kind == "subtract":
                if lines[at] != "ある行に他の行の定数倍を加えても、行列式は変わりません。":
                    return f"no word on the determinant after {line!r}", None, at
            else:
                front = front * (-1 if kind == "swap" else 1 / value)
                m = relation.fullmatch(lines[at])
                if not m or front_value(m.group(1)) != front:
                    return f"{lines[at]!r} after {line!r}: the factor in front is {front}", None, at
                if kind == "takeout" and any(z.x.denominator != 1 or z.y.denominator != 1 for z in b[op[1]]):
                    return f"{line!r} leaves a fraction in the row", None, at
            at += 1
            continue
        zero = re.fullmatch(r"B の(\d+)列目は対角成分から下がすべて0なので、.*det B = 0 です。", line)
        if zero:
            k = int(zero.group(1)) - 1
            if any(b[r][k] != ZERO for r in range(k, len(b))):
                return f"{line!r} but the column is not zero", None, at
            value_b, at = ZERO, at + 1
        elif line in ("これで、上三角行列になりました。", "この行列はすでに上三角行列です。"):
            if not is_upper(b):
                return "called upper triangular, but it is not", None, at
            said = lines[at + 2].split(" = ")
            diagonal = [b[i][i] for i in range(len(b))]
            value_b = num(said[-1])
            if value_b != product(diagonal) or (len(b) > 1 and factors(said[1]) != diagonal):
                return f"{lines[at + 2]!r} is not the diagonal's product", None, at
            at += 3
        else:
            return f"unexpected line {line!r} in the working of {name}", None, at
        said = lines[at].split(" = ")
        value = num(said[-1])
        if said[0] != f"det {name}" or front_value(said[1]) != front or value != front * value_b:
            return f"{lines[at]!r} does not follow from f = {front}, det B = {value_b}", None, at
        if value != det(rows):
            return f"det {name} = {said[-1]}, but SymPy finds {det(rows)}", None, at
        return None, value, at + 1


# --- the judges ---------------------------------------------------------------


def expected_line(rows):
    """The line with the most zeros, rows before columns, the first of equals."""
    lines = [("行", k, rows[k]) for k in range(len(rows))] + [("列", k, [r[k] for r in rows]) for k in range(len(rows))]
    return max(lines, key=lambda line: (line[2].count(ZERO), -lines.index(line)))[:2]


def judge_expand(lines, a, chosen, sarrus_minors):
    matrices, values, expanded, children = {"A": a}, {}, {}, collections.defaultdict(dict)
    n = len(a)
    if n == 1:
        return None if said_determinant(lines) == a[0][0] else "the 1 × 1 determinant is not its entry"
    at = len(a)
    while at < len(lines) - 1:
        line = lines[at]
        announced = re.fullmatch(r"(?:0の成分がないので、)?det (\S+) を(?:、0の成分が最も多い)?(\d+)(行|列)目で余因子展開します。", line)
        removed = re.fullmatch(r"(\S+) から(\d+)行目と(\d+)列目を取り除いた小行列 (\S+) は、", line)
        skipped = re.fullmatch(r"(\S+) の\((\d+),(\d+)\)成分が0なので、(\S+) の項は計算を省きます。", line)
        if announced:
            name, k, kind = announced.group(1), int(announced.group(2)) - 1, announced.group(3)
            rows = matrices[name]
            automatic = "0の成分" in line
            if automatic and (kind, k) != expected_line(rows):
                return f"{line!r}, but the line with the most zeros is {expected_line(rows)}"
            if not automatic and name == "A" and chosen != (kind, k):
                return f"{line!r} for the choice {chosen}"
            places = [(k, j) for j in range(len(rows))] if kind == "行" else [(j, k) for j in range(len(rows))]
            expanded[name] = places
            formula = lines[at + 1].split(" = ", 1)
            said = [t for _, t in terms(formula[1])]
            for (r, c), term in zip(places, said):
                parts = term.split("·")
                if parts[0] != f"(-1)^({r + 1}+{c + 1})" or factor(parts[1]) != rows[r][c]:
                    return f"the term {term!r} is not entry ({r + 1},{c + 1}) with its sign"
            at += 2
            TALLY["expansion"] += 1
        elif removed:
            parent, r, c, name = removed.group(1), int(removed.group(2)) - 1, int(removed.group(3)) - 1, removed.group(4)
            rows, at = matrix_at(lines, at + 1)
            if rows != minor(matrices[parent], r, c):
                return f"{name} is not {parent} without row {r + 1} and column {c + 1}"
            matrices[name] = rows
            children[parent][(r, c)] = name
            at += 1  # です。
        elif skipped:
            name, r, c = skipped.group(1), int(skipped.group(2)) - 1, int(skipped.group(3)) - 1
            if matrices[name][r][c] != ZERO:
                return f"{line!r}, but the entry is not zero"
            TALLY["term skipped"] += 1
            at += 1
        elif line.startswith("展開を繰り返すと項が"):
            if n <= 5:
                return f"{line!r} for a {n} × {n} matrix"
            at += 1
        elif re.fullmatch(r"\S+ を、成分をなるべく整数のままにして.*", line):
            name = line.split(" ")[0]
            problem, values[name], at = check_integer_working(lines, at, name, matrices[name])
            if problem:
                return problem
        elif line.startswith("det "):
            name = line.split(" ")[1]
            if name in expanded:
                problem = judge_sum(line, matrices[name], expanded[name], values, children[name])
                values[name] = num(line.split(" = ")[-1])
            else:
                if len(matrices[name]) == 3 and not sarrus_minors and name != "A":
                    return f"{name} worked by Sarrus's rule though further expansion was asked for"
                problem, values[name] = check_small(line, matrices[name])
            if problem:
                return problem
            at += 1
        else:
            return f"unexpected line {line!r}"
    if n > 5 and "expansion" not in TALLY:
        return "no expansion"
    said = said_determinant(lines)
    return None if said == det(a) == values["A"] else f"det A said {said}, SymPy finds {det(a)}"


def judge_sum(line, rows, places, values, minors):
    """"det X = a·d ± … = v": each term an entry of the line times its
    minor's determinant, signed by its place; the sum."""
    parts = line.split(" = ")
    total, said = ZERO, num(parts[-1])
    nonzero = [(r, c) for r, c in places if rows[r][c] != ZERO]
    said_terms = terms(parts[1]) if len(parts) == 3 else []
    if len(said_terms) != len(nonzero):
        return f"{len(said_terms)} terms for {len(nonzero)} nonzero entries: {line!r}"
    for (r, c), (sign, text) in zip(nonzero, said_terms):
        entry, value = factors(text)
        key = minors.get((r, c))
        if sign != (-1) ** (r + c) or entry != rows[r][c] or key is None or value != values.get(key):
            return f"the term {text!r} of {line!r} is not a{r + 1}{c + 1} times det {key} with its sign"
        total += sign * entry * value
    return None if total == said else f"the terms of {line!r} add up to {total}"


def judge_sarrus(lines, a):
    widened = matrix_after(lines, "1列目と2列目を右に書き写すと、") if len(a) == 3 else None
    if widened is not None and widened != [row + row[:2] for row in a]:
        return "the widened matrix is not A with its first two columns again"
    det_line = next(line for line in lines if line.startswith("det A = "))
    problem, value = check_small(det_line, a)
    return problem or (None if said_determinant(lines) == value else "the result is not the working's")


def judge_integer_det(lines, a, integer):
    start = next(i for i, line in enumerate(lines) if line.startswith("A を、成分をなるべく整数のままにして"))
    problem, value, _ = check_integer_working(lines, start, "A", a)
    if problem:
        return problem
    if integer:
        fraction_free = not any("/" in line for line in lines)
        TALLY["integer matrix, no fraction in the log" if fraction_free else "integer matrix, a fraction in the log"] += 1
    return None if said_determinant(lines) == value else "the result is not the working's"


def judge_adjugate(lines, a):
    n, cofactors = len(a), {}
    for at, line in enumerate(lines):
        m = re.fullmatch(r"C(\S+) = \(-1\)\^\((\d+)\+(\d+)\)·det M\S+ = (\S+)·(\S+) = (\S+)", line)
        if not m:
            continue
        r, c = int(m.group(2)) - 1, int(m.group(3)) - 1
        minor_det = det(minor(a, r, c))
        if n <= 4:
            removed = lines.index(f"A から{r + 1}行目と{c + 1}列目を取り除いた小行列 M{m.group(1)} は、")
            shown, end = matrix_at(lines, removed + 1)
            if shown != minor(a, r, c):
                return f"M{m.group(1)} is not A without row {r + 1} and column {c + 1}"
            problem, _ = check_small(lines[end + 1], shown)
            if problem:
                return problem
        sign, said_det, cofactor = factor(m.group(4)), factor(m.group(5)), num(m.group(6))
        if sign != (ONE if (r + c) % 2 == 0 else -ONE) or said_det != minor_det or cofactor != sign * minor_det:
            return f"{line!r}: SymPy's minor has determinant {minor_det}"
        cofactors[(r, c)] = cofactor
    if n == 1:
        cofactors[(0, 0)] = ONE
    if len(cofactors) != n * n:
        return f"{len(cofactors)} cofactors for {n * n} entries"
    c = [[cofactors[(r, k)] for k in range(n)] for r in range(n)]
    if matrix_after(lines, "余因子を並べた行列 C は、") != c:
        return "C is not the cofactors"
    adjugate = matrix_after(lines, "C を転置した余因子行列 adj A は、")
    if adjugate != [list(col) for col in zip(*c)]:
        return "adj A is not the transpose of C"
    value = det(a)
    if times(a, adjugate) != [[value if i == j else ZERO for j in range(n)] for i in range(n)]:
        return "A·adj A is not det A times I"
    det_line = lines[lines.index("1行目の成分にその余因子を掛けて足すと（1行目での余因子展開）、") + 1]
    said = [factors(t) for _, t in terms(det_line.split(" = ")[1])]
    if said != [[a[0][k], c[0][k]] for k in range(n)] or num(det_line.split(" = ")[-1]) != value:
        return f"{det_line!r} is not the first row's expansion, det A = {value}"
    if value == ZERO:
        TALLY["singular"] += 1
        return None if lines[-1] == "det A = 0 なので、この行列は非可逆です。" else "a singular A not said so"
    inverse = matrix_after(lines, "よって、逆行列は、")
    return None if times(a, inverse) == identity(n) else "the inverse is not A's inverse"


def judge_cramer(lines, a, b):
    n = len(a)
    value = det(a)
    if matrix_after(lines, "A =") != a:
        return "A is not the left part"
    determinants = {}
    for at, line in enumerate(lines):
        m = re.fullmatch(r"det (A\S*) = .*", line)
        if not m:
            continue
        name = m.group(1)
        k = "₀₁₂₃₄₅₆₇₈₉".find(name[1:]) - 1 if len(name) > 1 else -1
        shown = [[b[r][0] if col == k else a[r][col] for col in range(n)] for r in range(n)]
        if name != "A" and matrix_after(lines, f"{name} =") != shown:
            return f"{name} is not A with b in column {k + 1}"
        if n <= 3:
            problem, said = check_small(line, shown)
            if problem:
                return problem
        else:
            said = num(line.split(" = ")[-1])
        if said != det(shown):
            return f"{line!r}, SymPy finds {det(shown)}"
        determinants[name] = said
    x = []
    for k in range(n):
        sub = "₀₁₂₃₄₅₆₇₈₉"[k + 1]
        line = next(line for line in lines if line.startswith(f"x{sub} = "))
        ratio = re.fullmatch(r"(\(.+\)|[^/]+)/(\(.+\)|[^/]+)", line.split(" = ")[2])
        if not ratio or factor(ratio.group(1)) != determinants[f"A{sub}"] or factor(ratio.group(2)) != value:
            return f"{line!r} is not det A{sub} / det A"
        x.append(num(line.split(" = ")[-1]))
        if x[-1] != determinants[f"A{sub}"] / value:
            return f"{line!r} divides wrongly"
    said = [num(t) for t in lines[lines.index("よって、解は、") + 1].removeprefix("x = ")[1:-1].split(",")]
    if said != x or times(a, [[v] for v in x]) != b:
        return "x does not solve Ax = b"
    return None if lines[-1].endswith("b に一致します。") else "the check does not say b"


def judge_lu(lines, a):
    u, exchanges, at = [row[:] for row in a], 0, len(a)
    multiples = {}
    while at < len(lines) and lines[at] not in ("これで、U は上三角行列になりました。", "これで、U は行階段形になりました。"):
        op = operation(lines[at])
        if not op:
            at += 1
            continue
        if op[0] not in ("swap", "subtract"):
            return f"{lines[at]!r} in an LU decomposition"
        apply(op, u)
        printed, at = matrix_at(lines, at + 1)
        if printed != u:
            return "a matrix is not what its operation does"
        if op[0] == "swap":
            exchanges += 1
            multiples = {((op[2] if r == op[1] else op[1] if r == op[2] else r), c): v for (r, c), v in multiples.items()}
            continue
        m = re.fullmatch(r"L の\((\d+),(\d+)\)成分に、引いた倍数(\S+)を書きます。", lines[at])
        if not m or (int(m.group(1)) - 1, int(m.group(2)) - 1) != (op[1], op[2]) or num(m.group(3)) != op[3]:
            return f"{lines[at]!r} after subtracting {op[3]} times row {op[2] + 1} from row {op[1] + 1}"
        multiples[(op[1], op[2])] = op[3]
    square = len(a) == len(a[0])
    if not (is_upper(u) if square else is_echelon(u)):
        return "U is not " + ("upper triangular" if square else "in echelon form")
    l_matrix, u_said = matrix_after(lines, "L ="), matrix_after(lines, "U =")
    m = len(a)
    expected_l = [[multiples.get((r, c), ONE if r == c else ZERO) if c <= r else ZERO for c in range(m)] for r in range(m)]
    if l_matrix != expected_l or u_said != u:
        return "L or U is not what the elimination wrote"
    if exchanges:
        p = matrix_after(lines, "P =")
        if sorted(map(tuple, p)) != sorted(map(tuple, identity(m))):
            return "P is not a permutation matrix"
        TALLY["PA = LU"] += 1
        expected, said = times(p, a), "となり、PA に一致します。"
    else:
        if "P =" in lines:
            return "P without an exchange"
        TALLY["A = LU"] += 1
        expected, said = a, "となり、A に一致します。"
    if times(l_matrix, u) != expected:
        return "LU is not " + ("PA" if exchanges else "A")
    return None if lines[-1] == said else f"the check ends {lines[-1]!r}"


def judge_elementary(lines, a):
    r, m = [row[:] for row in a], len(a)
    count, p, at = 0, identity(m), len(a) + 1
    while lines[at] != "これで、行階段基本形になりました。":
        op = operation(lines[at])
        if not op:
            return f"unexpected line {lines[at]!r}"
        apply(op, r)
        printed, at = matrix_at(lines, at + 1)
        if printed != r:
            return "a matrix is not what its operation does"
        count += 1
        name = "E" + "".join("₀₁₂₃₄₅₆₇₈₉"[int(d)] for d in str(count))
        e = elementary(op, m)
        apply(op, p)  # E·P
        if m <= 5:
            if lines[at] != f"これは、次の基本行列 {name} を左から掛けることです。" or lines[at + 1] != f"{name} =":
                return f"{lines[at]!r} names no {name}"
            shown, at = matrix_at(lines, at + 2)
            if shown != e:
                return f"{name} is not the operation's elementary matrix"
        else:
            if lines[at] != f"これは、基本行列 {name} を左から掛けることです。":
                return f"{lines[at]!r} names no {name}"
            at += 1
    reduced = [list(row) for row in DomainMatrix(a, (m, len(a[0])), QQ_I).rref()[0].rep]
    if r != reduced:
        return "R is not SymPy's reduced row echelon form"
    chain = "".join("E" + "".join("₀₁₂₃₄₅₆₇₈₉"[int(d)] for d in str(k)) for k in range(count, 0, -1)) or "I"
    summary = "操作はないので、R = A です。" if count == 0 else f"以上をまとめると、{chain}A = R です。"
    if lines[at + 1] != summary:
        return f"{lines[at + 1]!r} instead of {summary!r}"
    if matrix_after(lines, f"P = {chain} は、") != p:
        return "P is not the product of the elementary matrices"
    TALLY["operations"] += count
    if matrix_after(lines, "検算として PA を計算すると、") != times(p, a) or times(p, a) != r:
        return "PA is not R"
    return None if lines[-1] == "となり、R に一致します。" else "the check does not say R"


# --- cases -------------------------------------------------------------------


def sparse(rng, matrix):
    """About a third of the entries made zero, for lines worth choosing."""
    return matrix.applyfunc(lambda z: 0 if rng.random() < 0.35 else z)


def square(rng, kind, largest=10):
    n = min(rng.choice(SIZES), largest)
    if rng.random() < 0.2:
        a = low_rank(rng, n, n, kind)
    else:
        a = random_matrix(rng, n, n, kind)
    return sparse(rng, a) if rng.random() < 0.4 else a


def expand_case(cli, rng, kind):
    a = square(rng, kind)
    n = a.rows
    kind_of_line = rng.choice(["auto", "auto", "row", "col"])
    k = rng.randint(1, n + (1 if rng.random() < 0.05 else 0))
    minors = rng.choice(["sarrus", "expand"])
    args = ["det", "--expand", "auto" if kind_of_line == "auto" else f"{kind_of_line}:{k}", "--minors", minors]
    if kind_of_line != "auto" and k > n:
        return refused(cli, args, a, f"この行列に{k}{'行' if kind_of_line == 'row' else '列'}目はありません。")
    chosen = None if kind_of_line == "auto" else ("行" if kind_of_line == "row" else "列", k - 1)
    TALLY[f"{n} × {n}"] += 1
    return judge_expand(ran(cli, args, a), rows_of(a), chosen, minors == "sarrus")


def sarrus_case(cli, rng, kind, case):
    if case % 10 == 9:
        n = rng.choice([1, 4, 5])
        a = random_matrix(rng, n, n if case % 20 == 9 else n + 1, kind)
        reason = "サラスの方法は、2行2列と3行3列の行列の行列式にだけ使えます。" if case % 20 == 9 else "正方行列でないので、行列式はありません。"
        return refused(cli, ["sarrus"], a, reason)
    a = square(rng, kind, 3)
    while a.rows < 2:
        a = square(rng, kind, 3)
    return judge_sarrus(ran(cli, ["sarrus"], a), rows_of(a))


def cramer_case(cli, rng, kind):
    n = min(rng.choice(SIZES), 9)
    a = low_rank(rng, n, n, kind) if rng.random() < 0.25 else random_matrix(rng, n, n, kind)
    b = random_matrix(rng, n, 1, kind)
    rows = rows_of(a)
    if det(rows) == ZERO:
        return refused(cli, ["cramer"], a.row_join(b), "det A = 0 なので、クラメルの公式は使えません。解があるかどうかは、連立一次方程式を解く計算（solve）で調べられます。")
    return judge_cramer(ran(cli, ["cramer"], a.row_join(b)), rows, rows_of(b))


def lu_case(cli, rng, kind):
    rows, cols = rng.choice(SIZES), rng.choice(SIZES)
    if rng.random() < 0.5:
        cols = rows
    a = low_rank(rng, rows, cols, kind) if rng.random() < 0.25 else random_matrix(rng, rows, cols, kind)
    if rng.random() < 0.4:
        a = sparse(rng, a)
    return judge_lu(ran(cli, ["lu"], a), rows_of(a))


def elementary_case(cli, rng, kind):
    rows, cols = rng.choice(SIZES), rng.choice(SIZES)
    a = low_rank(rng, rows, cols, kind) if rng.random() < 0.3 else random_matrix(rng, rows, cols, kind)
    return judge_elementary(ran(cli, ["elementary"], a), rows_of(a))


def one_case(cli, group, rng, kind, case):
    if group == "expand":
        return expand_case(cli, rng, kind)
    if group == "sarrus":
        return sarrus_case(cli, rng, kind, case)
    if group == "integer-det":
        a = square(rng, kind)
        return judge_integer_det(ran(cli, ["integer-det"], a), rows_of(a), kind == "int")
    if group == "adjugate":
        a = square(rng, kind)
        return judge_adjugate(ran(cli, ["adjugate"], a), rows_of(a))
    if group == "cramer":
        return cramer_case(cli, rng, kind)
    if group == "lu":
        return lu_case(cli, rng, kind)
    return elementary_case(cli, rng, kind)


def run_group(cli, group, count, seed):
    return judge_cases(group, count, seed, lambda rng, kind, case: one_case(cli, group, rng, kind, case), LAST_INPUT, TALLY)


if __name__ == "__main__":
    main(run_group, 300)
