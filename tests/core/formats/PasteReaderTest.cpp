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
    };
    for (const auto& c : cases) {
        const PastedMatrix m = ReadPastedMatrix(c.text);
        EXPECT_EQ(m.format, c.format) << c.text;
        EXPECT_EQ(TextsOf(m), c.texts) << c.text;
    }
}

TEST(PasteReader, FieldsKeepTheirTextAsTyped) {
    const PastedMatrix m = ReadPastedMatrix("2/4\t\n-0\t i ");
    EXPECT_EQ(m.typed, (std::vector<std::string>{"2/4", "0", "-0", "i"}));
    EXPECT_EQ(ReadPastedMatrix("[2/4]").typed, std::vector<std::string>{"1/2"});
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
        {"\\begin{pmatrix}\\sqrt{2}&1\\end{pmatrix}",
         {Kind::kBadCell, 1, 1},
         "1行1列の「\\sqrt{2}」を数として読めません。"},
        {"[[1, x], [2, 3]]", {Kind::kBadCell, 1, 2}, ""},
        {"[[1, 2**3]]", {Kind::kBadCell, 1, 2}, ""},
        {"\\frac{1}{0} & 1", {Kind::kDivisionByZero, 1, 1}, ""},
        {"1 2\n3 4\x01", {Kind::kControlCharacter, 2, 2}, "2行2列に制御文字（0x01）があります。"},
        {std::string("1\0 2", 4), {Kind::kControlCharacter, 1, 1}, ""},
        {"[1 2", {Kind::kUnreadable}, "行列として読めない文字です。"},
        {"\\begin{pmatrix}1&2", {Kind::kUnreadable}, ""},
        {"Matrix([[1, 2]]) + 1", {Kind::kUnreadable}, ""},
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
