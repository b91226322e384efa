// The paste reader over every kind of text people copy a matrix from.
#include <gtest/gtest.h>

#include <array>

#include "core/formats/GridPaste.h"
#include "core/formats/PasteReader.h"

namespace korvane {
namespace {

using Rows = std::vector<std::vector<std::string>>;
using Kind = PasteError::Kind;

Rows TextsOf(const PastedMatrix& m) {
    Rows rows(m.rows);
    for (int r = 0; r < m.rows; ++r) {
        for (int c = 0; c < m.cols; ++c)
            rows[r].push_back(m.Text(c, r));
    }
    return rows;
}

TEST(PasteReader, EachKindOfText) {
    const struct {
        std::string text;
        PasteFormat format;
        Rows texts;
    } cases[] = {
        // LibreOffice Calc: tabs, an empty cell, CR LF.
        {"1/2\t\t-3\r\n2+3i\ti/4\t6/4\r\n",
         PasteFormat::kTabSeparated,
         {{"1/2", "0", "-3"}, {"2+3i", "i/4", "3/2"}}},
        // Decimals, a decimal comma beside semicolons, full-width characters
        // and the minus sign of print read as a typed cell reads them.
        {"0.5\t１／２\n−3\t2.5i", PasteFormat::kTabSeparated, {{"1/2", "1/2"}, {"-3", "5i/2"}}},
        {"1,5;2\n3;-0,25", PasteFormat::kSemicolonSeparated, {{"3/2", "2"}, {"3", "-1/4"}}},
        {"[[1.5e2, 0.25j], [−1/2, ２]]",
         PasteFormat::kNestedLists,
         {{"150", "i/4"}, {"-1/2", "2"}}},
        {"−\\frac{1}{2} & ２ \\\\ 0.5 & −i", PasteFormat::kLatex, {{"-1/2", "2"}, {"1/2", "-i"}}},
        // Rows typed with tabs and spaces mixed read as blank-separated.
        {"1\t2\n3   4\n", PasteFormat::kBlankSeparated, {{"1", "2"}, {"3", "4"}}},
        // A spreadsheet column with an empty cell.
        {"1\n\n3\n", PasteFormat::kBlankSeparated, {{"1"}, {"0"}, {"3"}}},
        {"\"1/2\", -i\n\"3+4i\",7\n", PasteFormat::kCommaSeparated, {{"1/2", "-i"}, {"3+4i", "7"}}},
        {"1;-2/3\r3;\"4\"\r", PasteFormat::kSemicolonSeparated, {{"1", "-2/3"}, {"3", "4"}}},
        // The no-break space and the ideographic space separate cells too.
        {"1\u00a02\n3\u30004", PasteFormat::kBlankSeparated, {{"1", "2"}, {"3", "4"}}},
        {"1 2; 3 4", PasteFormat::kMatlab, {{"1", "2"}, {"3", "4"}}},
        // MATLAB: "1 - 2" is one cell, "4 +5i" two; 1/2i is 1/(2i).
        {"A = [1 - 2 3; 4 +5i];", PasteFormat::kMatlab, {{"-1", "3"}, {"4", "5i"}}},
        {"[1/2i, 3i/4\n 1i 2]", PasteFormat::kMatlab, {{"-i/2", "3i/4"}, {"i", "2"}}},
        {"Matrix([[Rational(1, 2), -I], [2*I + 1, Rational(-3, 4)*I]])",
         PasteFormat::kNestedLists,
         {{"1/2", "-i"}, {"1+2i", "-3i/4"}}},
        {"np.array([[1, 2j], [-1j, \"3/9\"]], dtype=object)",
         PasteFormat::kNestedLists,
         {{"1", "2i"}, {"-i", "1/3"}}},
        {"[[3e2, complex(1, -2)], [Fraction(6, 4), 25E-2]]",
         PasteFormat::kNestedLists,
         {{"300", "1-2i"}, {"3/2", "1/4"}}},
        {"{{1/2 + (3*I)/4, -I}, {2 I, 5}}",
         PasteFormat::kMathematica,
         {{"1/2+3i/4", "-i"}, {"2i", "5"}}},
        {"MatrixForm[{{1, Rational[2, 4]}}]", PasteFormat::kMathematica, {{"1", "1/2"}}},
        {"\\begin{pmatrix} \\frac{1}{2} & -\\dfrac{3}{4}i \\\\ \\frac12+\\mathrm{i} & "
         "\\end{pmatrix}",
         PasteFormat::kLatex,
         {{"1/2", "-3i/4"}, {"1/2+i", "0"}}},
        {"$$\\begin{bmatrix}1&2\\\\ % rows\n3 & 4\\\\\n\\end{bmatrix}$$",
         PasteFormat::kLatex,
         {{"1", "2"}, {"3", "4"}}},
        {"\\left(\\begin{array}{cc|c} 1 & 0 & \\tfrac{1}{3} \\\\ \\hline 0 & 1 \\cdot i & "
         "\\left(\\frac{1+i}{2}\\right) \\end{array}\\right)",
         PasteFormat::kLatex,
         {{"1", "0", "1/3"}, {"0", "i", "1/2+i/2"}}},
        {"1 & 2 \\\\[2pt] 3 & \\frac{-4}{2i}", PasteFormat::kLatex, {{"1", "2"}, {"3", "2i"}}},
        {"|   |   |\n| --- | :-: |\n| $\\frac{1}{2}$ | $i$ |\n",
         PasteFormat::kMarkdownTable,
         {{"1/2", "i"}}},
        // A header of numbers is the first row.
        {"| 1 | 2 |\n|---|---|\n| 3 | 4 |", PasteFormat::kMarkdownTable, {{"1", "2"}, {"3", "4"}}},
        {"| a | b |\n|---|---|\n| 3 | 4 |", PasteFormat::kMarkdownTable, {{"3", "4"}}},
        {"\\begin{matrix}1 & 2 \\cr 3 & 4\\end{matrix}", PasteFormat::kLatex, {{"1", "2"}, {"3", "4"}}},
        // Scientific notation as numpy.savetxt and others write it; j as the unit.
        {"1e5 2.500000000000000000e+01\n1E-3 -4.2e-2",
         PasteFormat::kBlankSeparated,
         {{"100000", "25"}, {"1/1000", "-21/500"}}},
        {"1+2j\t3j\n(1-2j)\t½", PasteFormat::kTabSeparated, {{"1+2i", "3i"}, {"1-2i", "1/2"}}},
        {"[[1e-2, 2J], [-.5, 3.]]", PasteFormat::kNestedLists, {{"1/100", "2i"}, {"-1/2", "3"}}},
        // Look-alike minus signs and full-width digits, blanks around them.
        {"[[2 − 3i, 1], [−１, ¾]]", PasteFormat::kNestedLists, {{"2-3i", "1"}, {"-1", "3/4"}}},
        {"{{2 − 3 I, −1/2}}", PasteFormat::kMathematica, {{"2-3i", "-1/2"}}},
        {"2 − 3i & −\\frac{１}{2}", PasteFormat::kLatex, {{"2-3i", "-1/2"}}},
        {"| 2 − 3i | − ４ |", PasteFormat::kMarkdownTable, {{"2-3i", "-4"}}},
        {"[1 −2]", PasteFormat::kMatlab, {{"1", "-2"}}},
        // What other programs print around a matrix.
        {"A =\n\n   1   2\n   3   4\n\n", PasteFormat::kMatlab, {{"1", "2"}, {"3", "4"}}},
        {"ans =\n\n   1 + 2i   3 - 4i\n  -1 - 0i   0 + 1i\n",
         PasteFormat::kMatlab,
         {{"1+2i", "3-4i"}, {"-1", "i"}}},
        {"2×2 Matrix{Int64}:\n 1  -2\n 3   4", PasteFormat::kJulia, {{"1", "-2"}, {"3", "4"}}},
        {"3-element Vector{Float64}:\n 1.5\n 0.0\n -2.0", PasteFormat::kJulia, {{"3/2"}, {"0"}, {"-2"}}},
        {"A = Matrix([\n[1, 2],\n[3, 4]])", PasteFormat::kNestedLists, {{"1", "2"}, {"3", "4"}}},
        {"array([[1., 2.],\n       [3., 4.]])", PasteFormat::kNestedLists, {{"1", "2"}, {"3", "4"}}},
        {"⎡1    2⋅ⅈ ⎤\n⎢         ⎥\n⎣-1  1 + ⅈ⎦", PasteFormat::kSympyPretty, {{"1", "2i"}, {"-1", "1+i"}}},
        {"[1  2]\n[    ]\n[3  4]\n", PasteFormat::kSympyPretty, {{"1", "2"}, {"3", "4"}}},
        {"Out[3]= {{1, 2}, {3, 4}}", PasteFormat::kMathematica, {{"1", "2"}, {"3", "4"}}},
        {"Out[2]: array([[1, 2],\n       [3, 4]], dtype=int8)",
         PasteFormat::kNestedLists,
         {{"1", "2"}, {"3", "4"}}},
        {"A =\n[1 2; 3 4];", PasteFormat::kMatlab, {{"1", "2"}, {"3", "4"}}},
        // NumPy's print(), without commas.
        {"[[ 1. -2.]\n [ 3.5 4.e+00]]", PasteFormat::kNestedLists, {{"1", "-2"}, {"7/2", "4"}}},
        {"{{1, 2}} // MatrixForm", PasteFormat::kMathematica, {{"1", "2"}}},
        {"\\[ A^{-1} = \\begin{pmatrix} 1 & 2 \\end{pmatrix}. \\]", PasteFormat::kLatex, {{"1", "2"}}},
        // Square roots, one per matrix, in their canonical texts; a root that
        // comes out rational is that number.
        {"1 √2\n2√3/√3 sqrt(8)", PasteFormat::kBlankSeparated, {{"1", "√2"}, {"2", "2√2"}}},
        {"1/√3\t√(-3)\t√(3/4)", PasteFormat::kTabSeparated, {{"√3/3", "i√3", "√3/2"}}},
        {"[[sqrt(2)/2, 1], [-sqrt(2), (1+sqrt(2))/3]]",
         PasteFormat::kNestedLists,
         {{"√2/2", "1"}, {"-√2", "(1+√2)/3"}}},
        {"\\begin{pmatrix} \\frac{1+\\sqrt{5}}{2} & 2\\sqrt{5} \\\\ -\\frac{\\sqrt{5}}{5} & "
         "i\\sqrt{5} \\end{pmatrix}",
         PasteFormat::kLatex,
         {{"(1+√5)/2", "2√5"}, {"-√5/5", "i√5"}}},
        // Mathematica's Sqrt[…] and I, SymPy's I and ⅈ⋅, Python's 1j.
        {"{{Sqrt[5], I*Sqrt[5]}, {(1 + Sqrt[5])/2, -(1-I)*Sqrt[5]/2}, {2 I Sqrt[5], (-1/2 + "
         "I/2) Sqrt[5]}}",
         PasteFormat::kMathematica,
         {{"√5", "i√5"}, {"(1+√5)/2", "-(1-i)√5/2"}, {"2i√5", "-(1-i)√5/2"}}},
        {"Matrix([[I*sqrt(3), sqrt(3)*1j], [2J*sqrt(3), sqrt(3)/3 - 2*I]])",
         PasteFormat::kNestedLists,
         {{"i√3", "i√3"}, {"2i√3", "(-6i+√3)/3"}}},
        {"⎡ⅈ⋅√3  1⎤\n⎣ 1   2⎦", PasteFormat::kSympyPretty, {{"i√3", "1"}, {"1", "2"}}},
        {"\\sqrt{2}\\cdot\\sqrt{6} & \\left(1-\\sqrt{3}\\right)",
         PasteFormat::kLatex,
         {{"2√3", "1-√3"}}},
        // Cells in one parameter letter stay as written, blanks around them
        // taken off, in every kind of text.
        {"1-a\t2a/3\n1/(a-1)\t a^2 ", PasteFormat::kTabSeparated, {{"1-a", "2a/3"}, {"1/(a-1)", "a^2"}}},
        {"[[k, 1], [1, k**2]]", PasteFormat::kNestedLists, {{"k", "1"}, {"1", "k**2"}}},
        {"{{t, 1/2}, {0, t + 1}}", PasteFormat::kMathematica, {{"t", "1/2"}, {"0", "t + 1"}}},
        {"\\begin{pmatrix} a & 1 \\\\ 1 & a \\end{pmatrix}",
         PasteFormat::kLatex,
         {{"a", "1"}, {"1", "a"}}},
        {"(a^2-1)/(a-1),2", PasteFormat::kCommaSeparated, {{"(a^2-1)/(a-1)", "2"}}},
    };
    for (const auto& c : cases) {
        try {
            const PastedMatrix m = ReadPastedMatrix(c.text);
            EXPECT_EQ(m.format, c.format) << c.text;
            EXPECT_EQ(TextsOf(m), c.texts) << c.text;
        } catch (const PasteError& e) {
            ADD_FAILURE() << c.text << ": " << e.what();
        }
    }
}

TEST(PasteReader, FieldsKeepTheirTextAsTyped) {
    const PastedMatrix m = ReadPastedMatrix("2/4\t\n-0\t i ");
    EXPECT_EQ(m.typed, (std::vector<std::string>{"2/4", "0", "-0", "i"}));
    EXPECT_EQ(ReadPastedMatrix("[2/4]").typed, std::vector<std::string>{"1/2"});
    // Where the grid would read the field otherwise, it gets the value's text.
    EXPECT_EQ(ReadPastedMatrix("1e2\t2j\t½\t− 1\t-4").typed,
              (std::vector<std::string>{"100", "2i", "1/2", "-1", "-4"}));
    // A root is given as its canonical text, which the grid reads back.
    EXPECT_EQ(ReadPastedMatrix("sqrt(8)\t√4\t1/√2").typed,
              (std::vector<std::string>{"2√2", "2", "√2/2"}));
}

// What a refusal names, in the order of PasteError::Details.
struct Refusal {
    Refusal(Kind k, int r = 0, int c = 0, int n = 0, int e = 0, int rs = 0, int cs = 0)
        : kind(k), fields{r, c, n, e, rs, cs} {}
    Kind kind;
    std::array<int, 6> fields;
};

TEST(PasteReader, RefusalsNameWhatIsWrong) {
    std::string eleven, wide;
    for (int r = 0; r < 11; ++r)
        eleven += "1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\n";
    for (int c = 0; c < 11; ++c)
        wide += "1 ";
    const struct {
        std::string text;
        Refusal expected;
        std::string message;
    } cases[] = {
        {"", {Kind::kEmpty}, "貼り付ける文字がありません。"},
        {" \n\t\r\n", {Kind::kEmpty}, ""},
        {"1 2\n3\n",
         {Kind::kRagged, 2, 0, 1, 2},
         "2行目のセルが1個で、1行目の2個と揃っていません。"},
        {"[1 2; 3]", {Kind::kRagged, 2, 0, 1, 2}, ""},
        {"{{1, 2}, {3, 4, 5}}", {Kind::kRagged, 2, 0, 3, 2}, ""},
        {"\\begin{pmatrix}1&2\\\\3\\end{pmatrix}", {Kind::kRagged, 2, 0, 1, 2}, ""},
        {eleven,
         {Kind::kTooLarge, 0, 0, 0, 0, 11, 11},
         "11行11列の行列は大きすぎます。行も列も10までです。"},
        {wide, {Kind::kTooLarge, 0, 0, 0, 0, 1, 11}, ""},
        {"\\begin{pmatrix}\\sqrt[3]{2}&1\\end{pmatrix}",
         {Kind::kBadCell, 1, 1},
         "1行1列の「\\sqrt[3]{2}」を数として読めません。"},
        // Square roots: one root per matrix, each cell read whole.
        {"√2 1\n1 √3",
         {Kind::kRootRefused, 2, 2},
         "2行2列の「√3」で、√2 と √3 を同時に含む数は扱えません。"},
        {"[[1, sqrt(2)+sqrt(3)]]",
         {Kind::kRootRefused, 1, 2},
         "1行2列の「sqrt(2)+sqrt(3)」で、√2 と √3 を同時に含む数は扱えません。"},
        {"√8 & \\sqrt{12}", {Kind::kRootRefused, 1, 2}, ""},
        {"1 √x", {Kind::kRootRefused, 1, 2}, ""},
        {"2√3√5", {Kind::kRootRefused, 1, 1}, ""},
        {"1 √(1/0)", {Kind::kRootRefused, 1, 2}, ""},
        {"\\sqrt{2} & \\sqrt{x}", {Kind::kRootRefused, 1, 2}, ""},
        {"\\sqrt{2 & 1", {Kind::kBadCell, 1, 1}, ""},
        // A name that is no root nor the unit, and a bracket that is no Sqrt's.
        {"[[1, isqrt(2)]]", {Kind::kBadCell, 1, 2}, ""},
        {"{{Sqrt[x], 1}}", {Kind::kBadCell, 1, 1}, ""},
        {"{{Sqrt(2), 1}}", {Kind::kBadCell, 1, 1}, ""},
        {"[[sqrt[2], 1]]", {Kind::kBadCell, 1, 1}, ""},
        {"{{Sqrt[2], Sqrt[3]}}", {Kind::kRootRefused, 1, 2}, ""},
        // A blank multiplies only before Mathematica's Sqrt[…] and I.
        {"[[2 sqrt(3), 1]]", {Kind::kRootRefused, 1, 1}, ""},
        {"\\sqrt{2} & \\alpha\\sqrt{2}", {Kind::kBadCell, 1, 2}, ""},
        {"[[1, xy], [2, 3]]", {Kind::kBadCell, 1, 2}, ""},
        {"[[1, a], [b, 3]]",
         {Kind::kTwoLetters, 2, 1},
         "2行1列の「b」の文字 b は、ほかの成分の文字 a と違います。文字は1つだけ使えます。"},
        // A letter beside a cell that reads no further is no parameter.
        {"1 a+\n2 3", {Kind::kBadCell, 1, 2}, "1行2列の「a+」を数として読めません。"},
        {"1/(a-a) 1", {Kind::kBadCell, 1, 1}, ""},
        {"A 1", {Kind::kBadCell, 1, 1}, ""},
        {"[[1, 2**3]]", {Kind::kBadCell, 1, 2}, ""},
        {"\\frac{1}{0} & 1", {Kind::kDivisionByZero, 1, 1}, ""},
        {"1 2\n3 4\x01", {Kind::kControlCharacter, 2, 2}, "2行2列に制御文字（0x01）があります。"},
        {std::string("1\0 2", 4), {Kind::kControlCharacter, 1, 1}, ""},
        {"[1 2", {Kind::kUnreadable}, "行列として読めない文字です。"},
        {"\\begin{pmatrix}1&2", {Kind::kUnreadable}, ""},
        {"Matrix([[1, 2]]) + 1", {Kind::kSurroundingText}, ""},
        // The crash on \\left without a delimiter.
        {"\\left", {Kind::kUnreadable}, ""},
        {"$\\left$", {Kind::kUnreadable}, ""},
        {"\\[\\left\\]", {Kind::kUnreadable}, ""},
        {" \\left ", {Kind::kUnreadable}, ""},
        // Every cell a number, or the first bad one named.
        {"1 2\n1e5xy 3", {Kind::kBadCell, 2, 1}, "2行1列の「1e5xy」を数として読めません。"},
        // A header of names: two letters, not one parameter.
        {"x y\n1 2\n3 4", {Kind::kTwoLetters, 1, 2}, ""},
        {"1\tabc", {Kind::kBadCell, 1, 2}, ""},
        {"1,inf", {Kind::kBadCell, 1, 2}, ""},
        {"NaN\t1", {Kind::kBadCell, 1, 1}, ""},
        {"1 1/0", {Kind::kDivisionByZero, 1, 2}, "1行2列の「1/0」は0で割っています。"},
        {"1 0/0", {Kind::kDivisionByZero, 1, 2}, ""},
        {"2i3", {Kind::kBadCell, 1, 1}, ""},
        {"[[i i, 1]]", {Kind::kBadCell, 1, 1}, ""},
        {"1 1.2.3", {Kind::kBadCell, 1, 2}, ""},
        {"{{2e1.5}}", {Kind::kBadCell, 1, 1}, ""},
        {"1 2I", {Kind::kBadCell, 1, 2}, ""},
        {"\\begin{pmatrix}I\\end{pmatrix}", {Kind::kBadCell, 1, 1}, ""},
        {"[[1 2], [3 4]]", {Kind::kBadCell, 1, 1}, "1行1列の「1 2」を数として読めません。"},
        {"1 & 1\\,000", {Kind::kBadCell, 1, 2}, ""},
        {"1 000 & 2", {Kind::kBadCell, 1, 1}, ""},
        {"1\t1,5", {Kind::kBadCell, 1, 2}, ""},
        {"1\xff" "2\t3", {Kind::kBadCell, 1, 1}, "1行1列の「1\uFFFD2」を数として読めません。"},
        {"[1 − 2]", {Kind::kBadCell, 1, 1}, ""},
        {"1 2½", {Kind::kBadCell, 1, 2}, ""},
        {"\"1\"\"2\",3", {Kind::kBadCell, 1, 1}, "1行1列の「1\"2」を数として読めません。"},
        {"[[1, ], [2, 3]]", {Kind::kUnreadable}, ""},
        // Exponents that would take minutes are refused at once.
        {"1 1e10001", {Kind::kExponentTooLarge, 1, 2}, ""},
        {"[1e6000*1e6000]", {Kind::kExponentTooLarge, 1, 1}, ""},
        // Text beside the matrix that would change it.
        {"2\\begin{pmatrix}1&2\\end{pmatrix}",
         {Kind::kSurroundingText},
         "行列の外にある「2」は読めません。行列だけを貼り付けてください。"},
        {"-\\begin{pmatrix}1\\end{pmatrix}", {Kind::kSurroundingText}, ""},
        {"A = \\frac{1}{2}\\begin{pmatrix}1\\end{pmatrix}", {Kind::kSurroundingText}, ""},
        {"\\begin{pmatrix}1\\end{pmatrix}^T", {Kind::kSurroundingText}, ""},
        {"\\left(1 & 2\\right)^{-1}", {Kind::kSurroundingText}, ""},
        {"Transpose[{{1, 2}}]", {Kind::kSurroundingText}, ""},
        {"Inverse[{{1, 2}, {3, 4}}]", {Kind::kSurroundingText}, ""},
        {"np.linalg.inv(np.array([[1, 2], [3, 4]]))", {Kind::kSurroundingText}, ""},
        {"[1 2; 3 4]'", {Kind::kSurroundingText}, ""},
        {"Matrix([[1, 2]]).T", {Kind::kSurroundingText}, ""},
        // Two matrices in one paste.
        {"\\begin{pmatrix}1\\end{pmatrix} \\begin{pmatrix}2\\end{pmatrix}",
         {Kind::kTwoMatrices},
         "2つの行列が含まれています。1つだけ貼り付けてください。"},
        {"[[1]]\n[[2]]", {Kind::kTwoMatrices}, ""},
        {"A =\n 1 2\n\nB =\n 3 4", {Kind::kTwoMatrices}, ""},
        {"| 1 |\n|---|\n| 2 |\n\n| 3 |\n|---|\n| 4 |", {Kind::kTwoMatrices}, ""},
        {"⎡1⎤\n⎣2⎦\n⎡3⎤\n⎣4⎦", {Kind::kTwoMatrices}, ""},
        // Markdown without a number, and a header row that holds one.
        {"|", {Kind::kUnreadable}, ""},
        {"||", {Kind::kUnreadable}, ""},
        {"| |", {Kind::kUnreadable}, ""},
        {"| 1 | xy |\n|---|---|\n| 2 | 3 |", {Kind::kBadCell, 1, 2}, ""},
        // Nesting deeper than the reader goes.
        {"[" + std::string(100, '(') + "1" + std::string(100, ')') + "]",
         {Kind::kBadCell, 1, 1},
         ""},
    };
    for (const auto& c : cases) {
        try {
            ReadPastedMatrix(c.text);
            ADD_FAILURE() << "read: " << c.text;
        } catch (const PasteError& e) {
            const PasteError::Details& d = e.details();
            EXPECT_EQ(d.kind, c.expected.kind) << c.text;
            EXPECT_EQ((std::array<int, 6>{d.row, d.col, d.count, d.expected, d.rows, d.cols}),
                      c.expected.fields)
                << c.text;
            if (!c.message.empty()) {
                EXPECT_EQ(e.what(), c.message);
            }
        }
    }
}

TEST(GridPaste, GrowsToFitOrRefusesUnchanged) {
    const PastedMatrix block = ReadPastedMatrix("1 2\n3 4");
    CellGrid grid;            // 3 × 3
    grid.SetCell(3, 0, "7");  // hidden until the grid grows
    const CellGrid pasted = PasteIntoGrid(grid, 2, 1, block);
    EXPECT_EQ(pasted.Rows(), 3);
    EXPECT_EQ(pasted.Cols(), 4);
    EXPECT_EQ(pasted.Cell(2, 1), "1");
    EXPECT_EQ(pasted.Cell(3, 2), "4");
    EXPECT_EQ(pasted.Cell(3, 0), "7");
    EXPECT_EQ(PasteText(grid, 0, 0, "1 2\n3 4").Rows(), 3);  // never shrinks
    try {
        PasteIntoGrid(grid, 9, 2, block);
        ADD_FAILURE();
    } catch (const PasteError& e) {
        EXPECT_STREQ(e.what(), "2行2列の行列は、3行10列から貼り付けると10行10列に収まりません。");
    }
}

}  // namespace
}  // namespace korvane
