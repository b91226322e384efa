// Every copy format pastes back as the same matrix.
#include <gtest/gtest.h>

#include "../engine/TestMatrices.h"
#include "core/CellValue.h"
#include "core/ParameterCell.h"
#include "core/formats/CopyFormats.h"
#include "core/formats/PasteReader.h"
#include "mklibs/ParameterReader.h"

namespace korvane {
namespace {

using namespace test;

constexpr CopyFormat kFormats[] = {CopyFormat::kTabSeparated, CopyFormat::kLatex,
                                   CopyFormat::kMatlab,       CopyFormat::kPython,
                                   CopyFormat::kMathematica,  CopyFormat::kMarkdown};

TEST(CopyFormats, RoundTripThroughThePasteReader) {
    std::mt19937 rng(11);
    std::uniform_int_distribution<std::size_t> size(1, 10);
    const EntryKind kinds[] = {EntryKind::kSmallInteger, EntryKind::kFraction,
                               EntryKind::kGaussianRational, EntryKind::kLargeInteger};
    for (int i = 0; i < 80; ++i) {
        const test::Matrix values = RandomMatrix(rng, size(rng), size(rng), kinds[i % 4]);
        const CellGrid grid = GridOfValues(values);
        for (const CopyFormat format : kFormats) {
            const std::string copied = CopyMatrix(grid, format);
            const PastedMatrix pasted = ReadPastedMatrix(copied);
            ASSERT_EQ(pasted.rows, grid.Rows()) << copied;
            ASSERT_EQ(pasted.cols, grid.Cols()) << copied;
            for (int r = 0; r < grid.Rows(); ++r) {
                for (int c = 0; c < grid.Cols(); ++c)
                    ASSERT_EQ(pasted.Text(c, r), grid.Cell(c, r)) << copied;
            }
        }
    }
}

TEST(CopyFormats, EachFormOfOneMatrix) {
    CellGrid grid = GridOf({{"2/4", "-i/2"}, {"", "1-3i/4"}});
    const struct {
        CopyFormat format;
        std::string text;
    } cases[] = {
        {CopyFormat::kTabSeparated, "2/4\t-i/2\n\t1-3i/4\n"},
        {CopyFormat::kLatex,
         "\\begin{pmatrix}\n\\frac{1}{2} & -\\frac{1}{2}i \\\\\n0 & "
         "1-\\frac{3}{4}i\n\\end{pmatrix}\n"},
        {CopyFormat::kMatlab, "[1/2, -1i/2; 0, 1-3i/4]\n"},
        {CopyFormat::kPython,
         "Matrix([[Rational(1, 2), -Rational(1, 2)*I], [0, 1 - Rational(3, 4)*I]])\n"},
        {CopyFormat::kMathematica, "{{1/2, -I/2}, {0, 1 - (3*I)/4}}\n"},
        {CopyFormat::kMarkdown,
         "|   |   |\n| --- | --- |\n| $\\frac{1}{2}$ | $-\\frac{1}{2}i$ |\n| $0$ | "
         "$1-\\frac{3}{4}i$ |\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CopyMatrix(grid, c.format), c.text);
}

// Square roots in each form, read back by what reads that form: SymPy
// exactly, since the root comes before any division.
TEST(CopyFormats, SurdEntriesInEachForm) {
    CellGrid grid = GridOf({{"sqrt(20)", "(1+√5)/2"}, {"-√5/5", "i√5"}});
    const struct {
        CopyFormat format;
        std::string text;
    } cases[] = {
        {CopyFormat::kTabSeparated, "sqrt(20)\t(1+√5)/2\n-√5/5\ti√5\n"},
        {CopyFormat::kLatex,
         "\\begin{pmatrix}\n2 \\sqrt{5} & \\frac{1 + \\sqrt{5}}{2} \\\\\n- \\frac{\\sqrt{5}}{5} & "
         "i "
         "\\sqrt{5}\n\\end{pmatrix}\n"},
        {CopyFormat::kMatlab, "[2*sqrt(5), (1+sqrt(5))/2; -sqrt(5)/5, 1i*sqrt(5)]\n"},
        {CopyFormat::kPython, "Matrix([[2*sqrt(5), (1+sqrt(5))/2], [-sqrt(5)/5, I*sqrt(5)]])\n"},
        {CopyFormat::kMathematica, "{{2*Sqrt[5], (1+Sqrt[5])/2}, {-Sqrt[5]/5, I*Sqrt[5]}}\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CopyMatrix(grid, c.format), c.text);
    for (const CopyFormat format : kFormats) {
        const PastedMatrix pasted = ReadPastedMatrix(CopyMatrix(grid, format));
        EXPECT_EQ(pasted.texts, (std::vector<std::string>{"2√5", "(1+√5)/2", "-√5/5", "i√5"}))
            << CopyMatrix(grid, format);
    }
}

// A root with a complex coefficient and a cell in a parameter letter, typed
// with blanks or not, in a column (where a blank would split a cell) and
// beside a number: every form pastes back the same value, never the number
// a lenient reading would make of a letter, defined at the same values.
TEST(CopyFormats, RootAndParameterCellsRoundTrip) {
    const std::string cells[] = {
        "-(1-i)√2/2",    "(2+(1+i)√3)/2",   "1/2+i√3/2", "-i√3", "1-a",  "1 − a",
        "2 a",           "1/2 a",           "a i",       "a^2",  "2a/3", "1/(a-1)",
        "(a^2-1)/(a-1)", "(a^2-1)/(a i-i)", "a i - i a", "k**2"};
    for (const std::string& cell : cells) {
        for (const CellGrid& grid : {GridOf({{cell}, {"1"}}), GridOf({{cell, "1"}})}) {
            for (const CopyFormat format : kFormats) {
                const std::string copied = CopyMatrix(grid, format);
                const PastedMatrix pasted = ReadPastedMatrix(copied);
                ASSERT_EQ(pasted.texts.size(), 2U) << copied;
                if (CellParameterLetter(cell) == '\0') {
                    EXPECT_EQ(pasted.texts[0], SurdText(CellSurd(cell))) << copied;
                    continue;
                }
                const ParameterReading typed = ReadParameterExpression(cell);
                const ParameterReading back = ReadParameterExpression(pasted.texts[0]);
                EXPECT_EQ(back.value, typed.value) << copied;
                EXPECT_EQ(back.undefinedAt, typed.undefinedAt) << copied;
            }
        }
    }
}

TEST(CopyFormats, SelectionAsSpreadsheetCells) {
    CellGrid grid = GridOf({{"1", "2", "3"}, {"4", "a\tb", "say \"6\""}});
    EXPECT_EQ(CopyCells(grid, {1, 0, 2, 2}), "2\t3\n\"a\tb\"\t\"say \"\"6\"\"\"\n");
    EXPECT_EQ(CopyCells(grid, {0, 1, 1, 1}), "4\n");
    // A blank inside a cell would split it in a column pasted back.
    grid = GridOf({{"1 - a", "1 +2i", " 1/2 ", "x y"}});
    EXPECT_EQ(CopyCells(grid, {0, 0, 4, 1}), "1-a\t1+2i\t 1/2 \tx y\n");
}

}  // namespace
}  // namespace korvane
