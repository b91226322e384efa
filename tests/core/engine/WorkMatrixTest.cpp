#include <gtest/gtest.h>

#include <random>

#include "TestMatrices.h"
#include "core/engine/MatrixGrid.h"
#include "core/engine/MatrixPrinting.h"

namespace korvane {
namespace {

using test::GridOf;
using test::Lines;

Lines Printed(const WorkMatrix& matrix) {
    MemoryStepLog log;
    PrintWorkMatrix(matrix, log);
    return log.Lines();
}

TEST(WorkMatrixLoad, CellsReadByValueAndStoredCanonical) {
    CellGrid grid = GridOf({{"", "2/4"}, {"6/4-6i/4", "i*i"}});
    WorkMatrix matrix;
    LoadWorkMatrix(matrix, grid);
    StoreWorkMatrix(matrix, grid);
    EXPECT_EQ(grid, GridOf({{"0", "1/2"}, {"3/2-3i/2", "0"}}));
}

TEST(WorkMatrixLoad, TransposedShapeAndCellsOutsideKeepTheirTexts) {
    CellGrid grid = GridOf({{"1", "2"}, {"3", "4"}, {"5", "6"}});  // 3 rows, 2 columns
    grid.SetCell(9, 9, "x");
    WorkMatrix matrix;
    LoadTransposedWorkMatrix(matrix, grid);
    EXPECT_EQ(matrix.LastCol(), 2);
    EXPECT_EQ(matrix.LastRow(), 1);
    StoreWorkMatrix(matrix, grid);
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Cols(), 3);
    EXPECT_EQ(Printed(matrix), (Lines{"  ( 1 3 5 )", "  ( 2 4 6 )"}));
    EXPECT_EQ(grid.Cell(9, 9), "x");
    EXPECT_EQ(grid.Cell(0, 2), "5");  // old third row, now outside the shown size
}

TEST(WorkMatrixLoad, AugmentedThenRightHalf) {
    WorkMatrix matrix;
    LoadAugmentedWorkMatrix(matrix, GridOf({{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}}));
    EXPECT_EQ(matrix.LastCol(), 5);
    EXPECT_EQ(matrix.LastRow(), 2);
    EXPECT_EQ(Printed(matrix),
              (Lines{"  ( 1 2 3 1 0 0 )", "  ( 4 5 6 0 1 0 )", "  ( 7 8 9 0 0 1 )"}));
    KeepRightHalf(matrix);
    EXPECT_EQ(matrix.LastCol(), 2);
    EXPECT_EQ(Printed(matrix), (Lines{"  ( 1 0 0 )", "  ( 0 1 0 )", "  ( 0 0 1 )"}));
    EXPECT_TRUE(IsIdentity(matrix));
}

TEST(WorkMatrixTests, IdentityAndZero) {
    struct Case {
        std::vector<Lines> rows;
        bool identity;
        bool zero;
    };
    const Case cases[] = {
        {{{"1", "0", "7", "8"}, {"0", "1", "9", "1"}}, true, false},  // right half ignored
        {{{"1", "1"}, {"0", "1"}}, false, false},
        {{{"1", "0"}, {"0", "2"}}, false, false},
        {{{"0", "0", "5"}}, false, false},
        {{{"0", "0", "0"}, {"0", "0", "0"}}, false, true},
        {{{"1", "0"}, {"0", "1"}, {"0", "0"}}, true, false},
        {{{"0"}}, false, true},
    };
    for (const Case& c : cases) {
        WorkMatrix matrix;
        LoadWorkMatrix(matrix, GridOf(c.rows));
        EXPECT_EQ(IsIdentity(matrix), c.identity) << Printed(matrix).front();
        EXPECT_EQ(IsZeroMatrix(matrix), c.zero) << Printed(matrix).front();
    }
}

TEST(WorkMatrixPrint, Padding) {
    const struct {
        const char* text;
        std::size_t length;
        const char* field;
    } cases[] = {{"ab", 4, "ab  "}, {"abc", 3, "abc"}, {"abcd", 2, "abcd"}, {"", 1, " "}};
    for (const auto& c : cases) {
        std::string line = "<";
        PadRight(line, c.text, c.length);
        EXPECT_EQ(line, std::string("<") + c.field);
    }
    WorkMatrix matrix;
    LoadWorkMatrix(matrix, GridOf({{"-7/3+i"}}));
    EXPECT_EQ(Printed(matrix), (Lines{"  ( -7/3+i )"}));
    LoadWorkMatrix(matrix, GridOf({{"1", "2", "3"}, {"4", "5", "6"}}));
    EXPECT_EQ(Printed(matrix), (Lines{"  ( 1 2 3 )", "  ( 4 5 6 )"}));
}

// The printed lines are kept between prints and partly rebuilt; after any
// sequence of changes they must equal lines built afresh.
TEST(WorkMatrixPrint, KeptLinesMatchFreshOnes) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> pick(0, 9);
    const char* texts[] = {"0", "1", "-12345/7", "i", "22", "1/2-3i/4", "999999999999999999999"};
    WorkMatrix matrix;
    matrix.Resize(10, 10);
    for (int step = 0; step < 2000; ++step) {
        const int col = pick(rng);
        const int row = pick(rng);
        switch (pick(rng) % 4) {
            case 0:
                matrix.SwapRows(row, pick(rng));
                break;
            case 1:
                matrix.Edit(col, row) = CpxParse(texts[pick(rng) % 7]);
                break;
            default:
                matrix.Set(col, row, CpxParse(texts[pick(rng) % 7]));
        }
        if (step % 3 != 0) continue;
        Lines fresh;
        for (int r = 0; r <= matrix.LastRow(); ++r) {
            std::string line = "  ( ";
            for (int c = 0; c <= matrix.LastCol(); ++c) {
                std::size_t width = 0;
                for (int k = 0; k <= matrix.LastRow(); ++k)
                    width = std::max(width, CpxText(matrix.At(c, k)).size());
                PadRight(line, CpxText(matrix.At(c, r)), width + 1);
            }
            fresh.push_back(line + ")");
        }
        ASSERT_EQ(Printed(matrix), fresh) << "after step " << step;
    }
}

}  // namespace
}  // namespace korvane
