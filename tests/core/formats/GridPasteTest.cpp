// Where a paste lands in the grid, what size the grid takes, and the note
// that says so.
#include <gtest/gtest.h>

#include <vector>

#include "core/formats/GridPaste.h"

namespace korvane {
namespace {

struct Typed {
    int col;
    int row;
    const char* text;
};

TEST(GridPaste, LandsAtTheTargetAndSaysWhatItKept) {
    const struct Case {
        const char* name;
        std::vector<Typed> before;  // on a fresh 3 × 3 grid of "0"
        PasteTarget target;
        const char* block;
        int rows;
        int cols;
        const char* note;
    } cases[] = {
        {"a fresh grid takes the block's size",
         {},
         {},
         "1\t2\t3\n4\t5\t6",
         2,
         3,
         "表計算の表（2行3列）を貼り付けました"},
        {"an emptied cell holds nothing",
         {{2, 2, ""}},
         {},
         "1 2\n3 4",
         2,
         2,
         "空白で区切った行（2行2列）を貼り付けました"},
        {"a cell beyond the shown size does not count",
         {{5, 5, "7"}},
         {},
         "1 2\n3 4",
         2,
         2,
         "空白で区切った行（2行2列）を貼り付けました"},
        {"a typed cell below keeps the size",
         {{2, 2, "5"}},
         {},
         "1\t2\t3\n4\t5\t6",
         3,
         3,
         "表計算の表（2行3列）を1行1列目から貼り付けました。行列は3行3列で、3行目は元のままです"},
        {"a typed cell right of it",
         {{2, 0, "5"}},
         {},
         "[1 2; 3 4; 5 6]",
         3,
         3,
         "MATLAB の行列（3行2列）を1行1列目から貼り付けました。行列は3行3列で、3列目は元のまま"
         "です"},
        {"the whole grid selected",
         {{2, 2, "5"}},
         {0, 0, true},
         "1\t2\t3\n4\t5\t6",
         2,
         3,
         "表計算の表（2行3列）を貼り付けました"},
        {"a locked size stays",
         {},
         {0, 0, true, true},
         "1\t2\t3\n4\t5\t6",
         3,
         3,
         "表計算の表（2行3列）を1行1列目から貼り付けました。行列は3行3列で、3行目は元のままです"},
        {"a middle row",
         {},
         {0, 1},
         "7 8 9",
         3,
         3,
         "空白で区切った行（1行3列）を2行1列目から貼り付けました。行列は3行3列で、1行目と3行目は"
         "元のままです"},
        {"the last columns",
         {},
         {1, 0},
         "1 2\n3 4\n5 6",
         3,
         3,
         "空白で区切った行（3行2列）を1行2列目から貼り付けました。行列は3行3列で、1列目は元のまま"
         "です"},
        {"inside, growing the grid",
         {},
         {2, 1},
         "1 2\n3 4",
         3,
         4,
         "空白で区切った行（2行2列）を2行3列目から貼り付けました。行列は3行4列で、貼り付けた範囲の"
         "外のマスは元のままです"},
        {"a block over every typed cell",
         {{2, 2, "5"}},
         {},
         "1 2 3 4\n1 2 3 4\n1 2 3 4\n1 2 3 4",
         4,
         4,
         "空白で区切った行（4行4列）を貼り付けました"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CellGrid grid;
        for (const Typed& typed : c.before)
            grid.SetCell(typed.col, typed.row, typed.text);
        const PastedMatrix block = ReadPastedMatrix(c.block);
        const PasteLanding landing = LandPaste(grid, c.target, block);
        EXPECT_EQ(landing.grid.Rows(), c.rows);
        EXPECT_EQ(landing.grid.Cols(), c.cols);
        EXPECT_EQ(PasteNote(landing, block), c.note);
        // The block is where the note says, every other cell as it was.
        for (int col = 0; col < CellGrid::kMaxSize; ++col) {
            for (int row = 0; row < CellGrid::kMaxSize; ++row) {
                const int c0 = col - c.target.col, r0 = row - c.target.row;
                const bool inBlock = c0 >= 0 && c0 < block.cols && r0 >= 0 && r0 < block.rows;
                EXPECT_EQ(landing.grid.Cell(col, row),
                          inBlock ? block.Text(c0, r0) : grid.Cell(col, row));
            }
        }
    }
}

}  // namespace
}  // namespace korvane
