#!/usr/bin/python3
"""korvane-cli against exercises with their printed answers from open textbooks.

Usage: sympy_peer.py KORVANE_CLI COLLECTION.json
COLLECTION is one of the tables in peer/: each row names its book, the
command, the matrix and the printed answer. The answer and Korvane's log are
compared through SymPy in what both must agree on whatever basis, order or
sign the book chose:

  gram-schmidt            the span of every first k vectors; a dependent
                          column named and skipped
  qr                      Q and R themselves (unique with R's diagonal > 0)
  project, least-squares  p, and every least-squares solution as a set
  complement              the span of the basis
  orthogonal-diagonalize  D's diagonal as a multiset, each eigenspace as the
                          span of the book's columns for its eigenvalue
  quadratic-form          the matrix of a typed form, the eigenvalues of the
                          standard form, positive definite or not
  eigenvalues             the eigenvalues with their multiplicities, exact
                          or to the digits the book prints
  rank, solve, inverse    the values the summary names and the result at
                          each and for every other value
  det                     the determinant as a polynomial in the letter

A row marked refused is one korvane-cli refuses for now (its note says why):
the refusal is expected, with the words of refusal if the row gives them;
once the row is answered, the answer is judged like any other and a line
says the mark can go.
Prints one line per disagreement and exits 1 if there was any.
"""

import json
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from sympy import Matrix, N, Rational, expand, sympify  # noqa: E402

from sympy_orthogonality import is_zero_matrix, matrix_after, span, value, vector  # noqa: E402
from sympy_parameter import expr, summary  # noqa: E402

# --- the book's texts --------------------------------------------------------


def book_value(text):
    """"1/√3", "-2/√6", "3√5", "(3+√3i)/2", "-2-3i" as SymPy numbers."""
    t = re.sub(r"√(\d+)", r"sqrt(\1)", text.replace(" ", ""))
    t = re.sub(r"(\d|\))(sqrt|\()", r"\1*\2", t)
    t = re.sub(r"(\d|\))i\b", r"\1*I", t)
    return sympify(re.sub(r"(?<![a-z])i", "I", t))


def book_matrix(rows):
    return Matrix([[book_value(c) for c in row] for row in rows])


def book_vectors(vectors):
    return [Matrix([book_value(c) for c in v]) for v in vectors]


def same_span(us, vs):
    """Both lists span the same subspace."""
    if not us or not vs:
        return not us and not vs
    a, b = Matrix.hstack(*us), Matrix.hstack(*vs)
    r = a.rank(simplify=True)
    return r == b.rank(simplify=True) == Matrix.hstack(a, b).rank(simplify=True)


def in_span(v, vs):
    if not vs:
        return is_zero_matrix(v)
    a = Matrix.hstack(*vs)
    return a.rank(simplify=True) == Matrix.hstack(a, v).rank(simplify=True)


def same_multiset(xs, ys):
    rest = list(ys)
    for x in xs:
        match = next((y for y in rest if expand(x - y) == 0), None)
        if match is None:
            return False
        rest.remove(match)
    return not rest


def close(x, printed):
    """x rounds to the printed decimal."""
    digits = len(printed.split(".")[1]) if "." in printed else 0
    return abs(N(x, 30) - Rational(printed)) <= Rational(1, 2 * 10 ** digits)


# --- running korvane-cli --------------------------------------------------------


def run(cli, row):
    args = [row["command"]]
    stdin = ""
    if "form" in row:
        args += ["--form", row["form"]]
    else:
        stdin = "\n".join(" ".join(r) for r in row["matrix"]) + "\n"
    done = subprocess.run([cli, *args], input=stdin, capture_output=True, text=True, timeout=60)
    return done.returncode, done.stdout.splitlines(), done.stderr.strip()


# --- the judges ---------------------------------------------------------------


def judge_gram_schmidt(lines, row, a):
    want = row["answer"]
    dependent = want.get("dependent", [])
    for k in range(a.cols):
        named = any(line.startswith("差が0になったので、v" + subscript(k + 1) + " は") for line in lines)
        if named != (k + 1 in dependent):
            return f"column {k + 1} named dependent: {named}, the book: {k + 1 in dependent}"
    es = []
    while any(line.startswith("e" + subscript(len(es) + 1) + " = ") for line in lines):
        line = next(line for line in lines if line.startswith("e" + subscript(len(es) + 1) + " = "))
        es.append(Matrix(vector(line.split(" = ")[-1])))
    if "vectors" not in want:
        return None if len(es) == a.cols - len(dependent) else f"{len(es)} orthonormal vectors"
    book = book_vectors(want["vectors"])
    if len(es) != len(book):
        return f"{len(es)} orthonormal vectors, the book {len(book)}"
    for k in range(1, len(book) + 1):
        if not same_span(es[:k], book[:k]):
            return f"the first {k} vectors span another subspace than the book's"
    if not is_zero_matrix(Matrix.hstack(*es).H * Matrix.hstack(*es) - Matrix.eye(len(es))):
        return "the e's are not orthonormal"
    return None


def judge_qr(lines, row, a):
    q, r = matrix_after(lines, "Q ="), matrix_after(lines, "R =")
    for name, said, printed in (("Q", q, row["answer"]["Q"]), ("R", r, row["answer"]["R"])):
        if not is_zero_matrix(said - book_matrix(printed)):
            return f"{name} = {said.tolist()}, the book {printed}"
    return None


def judge_project(lines, row, a):
    line = lines[lines.index("よって、b の W への正射影は、") + 1]
    p = Matrix(vector(line.removeprefix("p = ")))
    want = Matrix([book_value(c) for c in row["answer"]["p"]])
    return None if is_zero_matrix(p - want) else f"p = {list(p)}, the book {row['answer']['p']}"


def judge_complement(lines, row, a):
    said = [Matrix(v) for v in span(lines[lines.index("よって、直交補空間は、") + 1].removeprefix("W⊥ = "))]
    return None if same_span(said, book_vectors(row["answer"]["basis"])) else f"W⊥ = {said}, the book's another span"


def judge_least_squares(lines, row, a):
    said = lines[lines.index("よって、最小二乗解は、") + 1]
    m = re.fullmatch(r"x̂ = (\([^()]*\))(.*)", said)
    if not m:
        return f"cannot read {said!r}"
    x = Matrix(vector(m.group(1)))
    kernel = [Matrix(vector(t)) for t in re.findall(r"t[₀-₉]+(\([^()]*\))", m.group(2))]
    want = row["answer"]
    if "x_approx" in want:
        if kernel or any(not close(v, p) for v, p in zip(x, want["x_approx"])):
            return f"x̂ = {list(x)}, the book ≈ {want['x_approx']}"
        return None
    book_x = Matrix([book_value(c) for c in want["x"]])
    free = book_vectors(want.get("free", []))
    if not same_span(kernel, free) or not in_span(x - book_x, free):
        return f"{said}, the book {want}"
    return None


def eigenspaces_of(p, d):
    """{eigenvalue: [columns of P]} from the printed P and D."""
    spaces = {}
    for k in range(d.rows):
        key = next((v for v in spaces if expand(v - d[k, k]) == 0), d[k, k])
        spaces.setdefault(key, []).append(p[:, k])
    return spaces


def judge_orthogonal_diagonalize(lines, row, a):
    p, d = matrix_after(lines, "P ="), matrix_after(lines, "D =")
    want = row["answer"]
    said = [d[k, k] for k in range(d.rows)]
    if "eigenvalues_approx" in want:
        return judge_approximate(said, want["eigenvalues_approx"])
    book = [book_value(v) for v in want["eigenvalues"]]
    if not same_multiset(said, book):
        return f"D = diag{said}, the book diag{book}"
    book_spaces = eigenspaces_of(Matrix.hstack(*book_vectors(want["columns"])), Matrix.diag(*book))
    for value_, vectors_ in eigenspaces_of(p, d).items():
        if not same_span(vectors_, book_spaces[next(v for v in book_spaces if expand(v - value_) == 0)]):
            return f"the eigenspace of {value_} is another span than the book's"
    return None


def judge_approximate(said, printed):
    for p in printed:
        if not any(close(v, p) for v in said):
            return f"none of {said} is {p} to its digits"
    return None


def said_eigenvalues(lines):
    """Every "λ = …（代数的重複度m）" line, each value m times."""
    found = []
    for line in lines:
        m = re.fullmatch(r"λ = (.*)（代数的重複度(\d+)）", line)
        if m:
            found += [value(m.group(1))] * int(m.group(2))
    return found


def judge_eigenvalues(lines, row, a):
    said = said_eigenvalues(lines)
    want = row["answer"]
    if "eigenvalues_approx" in want:
        return judge_approximate(said, want["eigenvalues_approx"])
    book = [book_value(v) for v in want["eigenvalues"]]
    return None if same_multiset(said, book) else f"λ = {said}, the book {want['eigenvalues']}"


def judge_quadratic_form(lines, row, a):
    want = row["answer"]
    if "matrix" in want and not is_zero_matrix(matrix_after(lines, lines[0]) - book_matrix(want["matrix"])):
        return f"the form's matrix is not {want['matrix']}"
    verdict = next(line for line in lines if line.startswith("よって、この二次形式は"))
    kind = want["kind"]
    if kind not in verdict or (not kind.startswith("半") and "半" + kind in verdict):
        return f"{verdict!r}, the book: {kind}"
    if "eigenvalues" in want:
        standard = lines[lines.index("とおくと、固有値を係数として、") + 1].removeprefix("q = ")
        n = matrix_after(lines, "これらを列とする直交行列 P =").rows
        if not same_multiset(standard_coefficients(standard, n), [book_value(v) for v in want["eigenvalues"]]):
            return f"the standard form {standard!r}, the book's eigenvalues {want['eigenvalues']}"
    return None


def standard_coefficients(text, n):
    """"9y₁² + 6y₂² - 2y₃²" in n variables as [9, 6, -2]; a square left out is a 0."""
    found = [0] * n
    body = text if text.startswith("-") else "+ " + text
    for sign, c, k in re.findall(r"([+-]) ?([0-9/√()]*)y([₀-₉]+)²", body):
        found[int("".join(str(SUBSCRIPTS.index(d)) for d in k)) - 1] = \
            (-1 if sign == "-" else 1) * (value(c.strip("()")) if c else 1)
    return found


# --- the parameter collection ----------------------------------------------------


def letter_of(row):
    letters = set(re.findall(r"[a-hj-z]", " ".join(" ".join(r) for r in row["matrix"])))
    return letters.pop()


def result_kind(command, text):
    if command == "rank":
        return int(re.fullmatch(r"階数 (\d+)", text).group(1))
    if command == "inverse":
        return {"逆行列あり": "yes", "逆行列なし": "no"}[text]
    if text.startswith("ただ一つの解"):
        return "unique"
    if text == "解なし":
        return "none"
    if text.startswith("解は無数"):
        return "infinite"
    raise ValueError(f"no result in {text!r}")


def agrees(command, said, printed):
    if isinstance(printed, str) and printed.startswith("<"):
        return said < int(printed[1:])
    if printed == "consistent":
        return said in ("unique", "infinite")
    return said == printed


def judge_cases(lines, row, a):
    letter = letter_of(row)
    cases, _ = summary(lines, letter)
    want = row["answer"]
    if row["command"] == "det":
        (cond, text), = cases
        det = expr(text.removeprefix("行列式 "), letter)
        book = expr(want["det"], letter)
        return None if cond[0] == "all" and expand(det - book) == 0 else f"det {text}, the book {want['det']}"
    values = {expr(v, letter): r for v, r in want["at"].items()}
    for cond, text in cases:
        if text is None:
            return f"a case left open: {cond}"
        said = result_kind(row["command"], text)
        if cond[0] == "ne":
            if cond[2] or not same_multiset(cond[1], values):
                return f"the other values are {cond[1]} {cond[2]}, the book names {list(values)}"
            printed = want["otherwise"]
        elif cond[0] == "eq":
            printed = next((r for v, r in values.items() if expand(v - cond[1]) == 0), want["otherwise"])
        else:
            return f"a case the book does not have: {cond}"
        if not agrees(row["command"], said, printed):
            return f"{cond}: {text}, the book: {printed}"
    return None


JUDGES = {"gram-schmidt": judge_gram_schmidt, "qr": judge_qr, "project": judge_project,
          "complement": judge_complement, "least-squares": judge_least_squares,
          "orthogonal-diagonalize": judge_orthogonal_diagonalize, "quadratic-form": judge_quadratic_form,
          "eigenvalues": judge_eigenvalues, "rank": judge_cases, "solve": judge_cases, "inverse": judge_cases,
          "det": judge_cases}

SUBSCRIPTS = "₀₁₂₃₄₅₆₇₈₉"


def subscript(k):
    return "".join(SUBSCRIPTS[int(d)] for d in str(k))


def judge_row(cli, row):
    status, lines, error = run(cli, row)
    answer = row["answer"]
    if answer.get("not_symmetric"):
        return None if status == 1 and "対称" in error else f"exit {status} ({error!r}) for a matrix that is not symmetric"
    # An inverse that differs by case is not written, and the command exits 1.
    split_inverse = row["command"] == "inverse" and status == 1 and lines and lines[-1].startswith("まとめると、")
    if status != 0 and not split_inverse:
        expected = "refused" in row and status == 1 and row.get("refusal", "") in error
        return None if expected else f"exit {status}: {error}"
    a = book_matrix(row["matrix"]) if "matrix" in row and row["command"] not in ("rank", "solve", "inverse", "det") \
        else None
    try:
        problem = JUDGES[row["command"]](lines, row, a)
    except (ValueError, StopIteration, KeyError, AttributeError) as e:
        problem = f"cannot read the log ({e!r})"
    if problem is None and "refused" in row:
        print(f"answered now, as the book does: {row['source']}: its refused mark can go")
    return problem


def main():
    cli, collection = sys.argv[1], sys.argv[2]
    with open(collection, encoding="utf-8") as f:
        rows = json.load(f)["rows"]
    failures = 0
    for row in rows:
        problem = judge_row(cli, row)
        if problem:
            failures += 1
            print(f"{row['source']}: {problem}")
    refused = sum(1 for row in rows if "refused" in row)
    print(f"{len(rows)} rows, {refused} refused for now, {failures} disagreeing")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
