#!/usr/bin/python3
"""korvane-cli eval against SymPy on random expressions over random exact matrices.

Usage: sympy_expressions.py KORVANE_CLI [CASES] [SEED]
Every case builds a random expression tree over named matrices (integers,
fractions or Gaussian rationals, 1 to 10 rows and columns): sums,
differences, products, scalar multiples (numbers, i, tr, det), powers from
-2 to 7, transposes, conjugate transposes, inverses, I and O, in one of
several spellings; some cases break one size on purpose, some are matrix
equations AX = B or XA = B. The matrices go to korvane-cli as NAME=FILE
(one of them now and then on standard input) or as a workspace file.
SymPy works the same tree out, and the judge checks:

  - an expression whose sizes do not fit is refused with exit status 1 and
    a log of that one sentence, naming the sizes (nothing computed first);
  - an inverse of a singular matrix, or an equation without exactly one
    solution, is refused with its reason last;
  - otherwise the value after the closing "よって、" is SymPy's, exactly;
  - every entry worked out in the log (c₁₂ = 1·5 + 2·7 = 19, c₁₁ = 19 - 10
    = 9) and every trace adds up, and the entries worked out for a step
    are the matrix printed for it.

Prints one line per disagreement and exits 1 if there was any.
"""

import collections
import os
import random
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from sympy_agreement import cell_text, entry, parse_number  # noqa: E402

from sympy import I, Matrix, Rational  # noqa: E402
from sympy.polys.domains import QQ_I  # noqa: E402
from sympy.polys.matrices import DomainMatrix  # noqa: E402
from sympy.polys.matrices.exceptions import DMNonInvertibleMatrixError  # noqa: E402

NAMES = "ABCDEFGHJKLMN"
SIZES = [1] * 6 + [2] * 20 + [3] * 20 + [4] * 14 + [5] * 8 + [6] * 5 + [7] * 3 + [8] * 2 + [10] * 2
TALLY = collections.Counter()


class TooManyNames(Exception):
    """A tree that would need more names than there are: made again."""


class Refusal(Exception):
    """What korvane-cli must refuse: 'size' or 'singular'."""


def dm(matrix):
    return DomainMatrix.from_list_sympy(matrix.rows, matrix.cols, matrix.tolist()).convert_to(QQ_I)


def number(z):
    return QQ_I.from_sympy(z)


# --- expression trees --------------------------------------------------------


class Node:
    """kind, children, and what the kind needs: a name, a value, an exponent."""

    def __init__(self, kind, *children, **extra):
        self.kind, self.children = kind, list(children)
        self.__dict__.update(extra)

    def text(self, rng):
        """korvane's syntax, in one of its spellings; compound parts bracketed."""
        def part(child):
            t = child.text(rng)
            return t if child.kind in ("name", "I", "O", "num") and not t.startswith("-") else f"({t})"

        k = self.kind
        if k == "name":
            return self.name
        if k in ("I", "O"):
            return k
        if k == "num":
            return self.spelling
        if k in ("+", "-"):
            return f"{part(self.children[0])} {k} {part(self.children[1])}"
        if k == "*":
            return rng.choice(["{} {}", "{}*{}", "{}{}", "{} · {}"]).format(*map(part, self.children))
        if k == "^":
            e = self.exponent
            spelled = rng.choice([str(e), f"({e})"]) if e < 0 else str(e)
            return f"{part(self.children[0])}^{spelled}"
        if k in ("T", "H"):
            suffix = {"T": ["^T", "ᵀ"], "H": ["^H", "^*"]}[k]
            return part(self.children[0]) + rng.choice(suffix)
        if k in ("tr", "det", "inv"):
            return f"{k}({self.children[0].text(rng)})"
        raise AssertionError(k)


def value(node, env):
    """The node's value: a DomainMatrix over Q(i), or a Q(i) element.
    Raises Refusal."""
    k, ch = node.kind, node.children
    if k == "name":
        return env[node.name]
    if k == "I":
        return DomainMatrix.eye(node.size[0], QQ_I)
    if k == "O":
        return DomainMatrix.zeros(node.size, QQ_I)
    if k == "num":
        return node.value
    vals = [value(c, env) for c in ch]
    is_matrix = [isinstance(v, DomainMatrix) for v in vals]
    if k in ("+", "-"):
        if is_matrix[0] != is_matrix[1] or (is_matrix[0] and vals[0].shape != vals[1].shape):
            raise Refusal("size")
        return vals[0] + vals[1] if k == "+" else vals[0] - vals[1]
    if k == "*":
        if all(is_matrix):
            if vals[0].shape[1] != vals[1].shape[0]:
                raise Refusal("size")
            return vals[0] * vals[1]
        if is_matrix[0]:
            return vals[0] * vals[1]
        if is_matrix[1]:
            return vals[1] * vals[0]
        return vals[0] * vals[1]
    m = vals[0]
    if k in ("T", "H"):
        t = m.transpose()
        return t if k == "T" else DomainMatrix([[QQ_I(z.x, -z.y) for z in row] for row in t.to_list()], t.shape, QQ_I)
    rows, cols = m.shape
    if rows != cols and k in ("^", "tr", "det", "inv"):
        raise Refusal("size")
    if k == "tr":
        return sum((m[i, i].element for i in range(rows)), QQ_I.zero)
    if k == "det":
        return m.det()
    if k == "inv" or (k == "^" and node.exponent < 0):
        try:
            m = m.inv()
        except DMNonInvertibleMatrixError:
            raise Refusal("singular") from None
        if k == "inv":
            return m
    e = abs(node.exponent)
    result = DomainMatrix.eye(rows, QQ_I)
    for _ in range(e):
        result = result * m
    return result


class Generator:
    """Random trees over random matrices; at most one size broken."""

    def __init__(self, rng, kind):
        self.rng, self.kind = rng, kind
        self.matrices = {}  # name -> sympy Matrix
        self.break_one = False

    def size(self):
        return self.rng.choice(SIZES)

    def name_of(self, r, c):
        same = [n for n, m in self.matrices.items() if m.shape == (r, c)]
        if same and (self.rng.random() < 0.5 or len(self.matrices) == len(NAMES)):
            return self.rng.choice(same)
        if len(self.matrices) == len(NAMES):
            raise TooManyNames()
        name = NAMES[len(self.matrices)]
        self.matrices[name] = Matrix(r, c, lambda i, j: entry(self.rng, self.kind))
        return name

    def leaf(self, r, c):
        return Node("name", name=self.name_of(r, c))

    def scalar(self, depth):
        rng = self.rng
        roll = rng.random()
        if roll < 0.2 and depth > 0:
            n = rng.choice([1, 2, 2, 3, 3, 4])
            return Node(rng.choice(["tr", "det"]), self.matrix(n, n, depth - 1))
        p, q = rng.randint(-5, 5), rng.choice([1, 1, 1, 2, 3])
        if roll < 0.35:
            z = Rational(p, q) + I * rng.randint(-3, 3)
            return Node("num", value=number(z), spelling=f"({cell_text(z)})")
        if roll < 0.45:
            return Node("num", value=number(I), spelling="i")
        z = Rational(p, q)
        return Node("num", value=number(z), spelling=cell_text(z) if q == 1 and p >= 0 else f"({cell_text(z)})")

    def broken(self, r, c):
        """Once per tree, a size that does not fit."""
        if not self.break_one or self.rng.random() > 0.3:
            return r, c
        self.break_one = False
        return (r % 10) + 1, c

    def matrix(self, r, c, depth, free=None):
        """A tree whose value is r × c. free: an I (free "product" or "sum")
        or an O (free "sum") may stand here, its size fixed by the sibling
        beside it; never while a size is still to be broken, which a free
        size could take up."""
        rng = self.rng
        if free and rng.random() < 0.15 and not self.break_one:
            if r == c and (free == "product" or rng.random() < 0.7):
                return Node("I", size=(r, r))
            if free == "sum":
                return Node("O", size=(r, c))
        if depth == 0 or rng.random() < 0.25:
            return self.leaf(r, c)
        ops = ["+", "-", "*", "*", "scale", "T", "H"] + (["^", "^", "inv"] if r == c else [])
        op = rng.choice(ops)
        if op in ("+", "-"):
            left = self.matrix(r, c, depth - 1)
            rr, cc = self.broken(r, c)
            return Node(op, left, self.matrix(rr, cc, depth - 1, free="sum" if (rr, cc) == (r, c) else None))
        if op == "*":
            k = self.size()
            left = self.matrix(r, k, depth - 1, free="product" if r == k else None)
            kk, _ = self.broken(k, 0)
            right_free = kk == k == c and left.kind not in ("I", "O")
            return Node("*", left, self.matrix(kk, c, depth - 1, free="product" if right_free else None))
        if op == "scale":
            s, m = self.scalar(depth - 1), self.matrix(r, c, depth - 1)
            return Node("*", s, m) if rng.random() < 0.8 else Node("*", m, s)
        if op in ("T", "H"):
            return Node(op, self.matrix(c, r, depth - 1))
        if op == "^":
            rr, cc = self.broken(r, c)
            exponent = rng.choice([-2, -1, 0, 1, 2, 2, 3, 4, 5, 7])
            return Node("^", self.matrix(rr, cc, depth - 1), exponent=exponent)
        return Node("inv", self.matrix(r, c, depth - 1))


# --- running korvane-cli -----------------------------------------------------


def grid_text(matrix):
    return "\n".join(" ".join(cell_text(matrix[r, c]) for c in range(matrix.cols)) for r in range(matrix.rows))


def workspace_text(matrices):
    text = "[workspace]\nversion=1\n"
    for name, m in matrices.items():
        text += f"[matrix {name}]\nrows={m.rows}\ncols={m.cols}\n"
        text += "".join(f"r{r}c{c}={cell_text(m[r, c])}\n" for r in range(m.rows) for c in range(m.cols))
    return text


def run_eval(cli, rng, folder, expression, matrices):
    """korvane-cli eval on the matrices, given one way or another."""
    stdin = ""
    if rng.random() < 0.15:
        path = os.path.join(folder, "w.kvw")
        with open(path, "w", encoding="utf-8") as f:
            f.write(workspace_text(matrices))
        inputs = [path]
    else:
        inputs, piped = [], rng.choice(list(matrices)) if rng.random() < 0.2 else None
        for name, m in matrices.items():
            if name == piped:
                inputs.append(f"{name}=-")
                stdin = grid_text(m) + "\n"
                continue
            path = os.path.join(folder, f"{name}.txt")
            with open(path, "w", encoding="utf-8") as f:
                f.write(grid_text(m) + "\n")
            inputs.append(f"{name}={path}")
    done = subprocess.run([cli, "eval", expression, *inputs], input=stdin, capture_output=True, text=True, timeout=60)
    return done.returncode, done.stdout.splitlines(), done.stderr


# --- the judges ----------------------------------------------------------------

ENTRY = re.compile(r"c([₀-₉])([₀-₉]) = (.+) = (\S+)")
TRACE = re.compile(r"tr\(.*\) = (.+) = (\S+)")
SUBSCRIPT = "₀₁₂₃₄₅₆₇₈₉"


def operand(text):
    text = text.strip()
    return parse_number(text[1:-1] if text.startswith("(") and text.endswith(")") else text)


def worked_sum(middle):
    """The value of '1·5 + 2·7', '19 - (-10)', '1 + 4 + (2+i)'."""
    if "·" in middle:
        total = 0
        for term in middle.split(" + "):
            a, b = term.split("·")
            total += operand(a) * operand(b)
        return total
    if " - " in middle and "·" not in middle and middle.count(" - ") == 1 and " + " not in middle:
        a, b = middle.split(" - ")
        return operand(a) - operand(b)
    return sum(operand(t) for t in middle.split(" + "))


def matrix_rows(lines, start):
    """The printed matrix from lines[start] on, and the index after it."""
    rows, at = [], start
    while at < len(lines) and lines[at].startswith("  ( "):
        rows.append([parse_number(t) for t in lines[at].strip()[1:-1].split()])
        at += 1
    return rows, at


def judge_working(lines):
    """Every worked entry and trace adds up; the entries worked out for a step
    are the matrix printed next."""
    worked = {}
    for at, line in enumerate(lines):
        m = ENTRY.fullmatch(line)
        if m:
            said = parse_number(m.group(4))
            if (worked_sum(m.group(3)) - said).expand() != 0:
                return f"'{line}' does not add up"
            worked[(SUBSCRIPT.index(m.group(1)) - 1, SUBSCRIPT.index(m.group(2)) - 1)] = said
            TALLY["entries worked out"] += 1
            continue
        m = TRACE.fullmatch(line)
        if m and (worked_sum(m.group(1)) - parse_number(m.group(2))).expand() != 0:
            return f"'{line}' does not add up"
        if worked and line.endswith(" =") and at + 1 < len(lines) and lines[at + 1].startswith("  ( "):
            rows, _ = matrix_rows(lines, at + 1)
            for (r, c), v in worked.items():
                if (rows[r][c] - v).expand() != 0:
                    return f"c{r + 1}{c + 1} = {v} worked out, {rows[r][c]} printed under '{line}'"
            worked = {}
    return None


def said_value(lines):
    """The value after the closing 'よって、': rows of numbers, or a number."""
    closing = [i for i, line in enumerate(lines) if line == "よって、"]
    if closing:
        rows, _ = matrix_rows(lines, closing[-1] + 2)
        return Matrix(rows)
    last = next(line for line in reversed(lines) if line.startswith("よって、") and line.endswith(" です。"))
    return parse_number(last[: -len(" です。")].rsplit(" = ", 1)[1])


def judge_case(code, lines, err, expected):
    if isinstance(expected, Refusal):
        reason = str(expected)
        TALLY[f"refused: {reason}"] += 1
        if code != 1:
            return f"exit {code} for a refusal ({reason}): {err.strip()}"
        if reason == "size":
            if len(lines) != 1 or "ので、" not in lines[0] or not re.search(r"(定義されません|ありません|合いません|ではありません)。$", lines[0]):
                return f"a size refusal should be the whole log, got {lines[:3]}"
            if not re.search(r"\d+×\d+ 行列|は数", lines[0]):
                return f"the refusal names no size: {lines[0]}"
        elif not re.search(r"(は正則でないので、.+ はありません|を満たす X は(ありません|一つに決まりません))。$", lines[-1]):
            return f"a singular matrix's refusal ends '{lines[-1]}'"
        return None
    if code != 0:
        return f"exit {code}: {err.strip()}"
    problem = judge_working(lines)
    if problem:
        return problem
    said = said_value(lines)
    if isinstance(expected, DomainMatrix):
        TALLY["matrix results"] += 1
        if said != expected.to_Matrix():
            return f"result {said.tolist()} but SymPy has {expected.to_Matrix().tolist()}"
    else:
        TALLY["number results"] += 1
        if (said - QQ_I.to_sympy(expected)).expand() != 0:
            return f"result {said} but SymPy has {QQ_I.to_sympy(expected)}"
    return None


# --- cases ---------------------------------------------------------------------


def expression_case(rng, kind):
    while True:
        gen = Generator(rng, kind)
        gen.break_one = rng.random() < 0.2
        try:
            if rng.random() < 0.12:
                n = rng.choice([1, 2, 3, 4])
                tree = Node(rng.choice(["tr", "det"]), gen.matrix(n, n, 3))
            else:
                tree = gen.matrix(gen.size(), gen.size(), rng.choice([1, 2, 3, 3, 4]))
            break
        except TooManyNames:
            continue
    env = {n: dm(m) for n, m in gen.matrices.items()}
    try:
        expected = value(tree, env)
    except Refusal as refusal:
        expected = refusal
    return tree.text(rng), gen.matrices, expected


def equation_case(rng, kind):
    """AX = B or XA = B with A square; now and then B of a size that does not fit."""
    n, p = rng.choice(SIZES), rng.choice(SIZES)
    left = rng.random() < 0.5
    fits = rng.random() > 0.1
    other = n % 10 + 1 if not fits else n
    shape = (p, other) if left else (other, p)
    a = Matrix(n, n, lambda i, j: entry(rng, kind))
    b = Matrix(*shape, lambda i, j: entry(rng, kind))
    A, B = dm(a), dm(b)
    if not fits:
        expected = Refusal("size")
    else:
        try:
            expected = B * A.inv() if left else A.inv() * B
        except DMNonInvertibleMatrixError:
            expected = Refusal("singular")
    return ("XA = B" if left else "AX = B"), {"A": a, "B": b}, expected


def run(cli, count, seed):
    rng = random.Random(seed)
    kinds = ["int", "frac", "gauss"]
    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        for case in range(count):
            kind = kinds[case % 3]
            text, matrices, expected = equation_case(rng, kind) if case % 10 == 9 else expression_case(rng, kind)
            try:
                code, lines, err = run_eval(cli, rng, folder, text, matrices)
                problem = judge_case(code, lines, err, expected)
            except Exception as error:  # a log that cannot be read is a disagreement too
                problem = f"{type(error).__name__}: {error}"
            if problem:
                failures += 1
                shapes = ", ".join(f"{n} {m.rows}×{m.cols}" for n, m in matrices.items())
                print(f"case {case} ({kind}): {problem}\n  expression: {text}\n  matrices: {shapes}", flush=True)
            for file in os.listdir(folder):
                os.remove(os.path.join(folder, file))
    print(f"eval: {count - failures} of {count} cases agree with SymPy")
    print("  among them: " + ", ".join(f"{k} {v}" for k, v in sorted(TALLY.items())))
    return failures


def main():
    cli = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 14
    sys.exit(1 if run(cli, count, seed) else 0)


if __name__ == "__main__":
    main()
