#include <gtest/gtest.h>

#include <utility>

#include "core/editing/CellTyping.h"

namespace korvane {
namespace {

TEST(CellTyping, CanonicalTextChangeAndNote) {
    struct Case {
        const char* before;
        const char* typed;
        const char* after;
        bool changed;
        const char* note;
    };
    const Case cases[] = {
        {"0", "1/2", "1/2", true, ""},
        {"1/2", "2/4", "1/2", false, ""},  // the same value, nothing to record
        {"7", "7", "7", false, ""},
        {"3/6", "1/2", "1/2", true, ""},   // a hand-made text made canonical
        {"3/6", "3/6", "3/6", false, ""},  // committed untouched: it stays as it stands
        {"2x", "2x", "2x", false, ""},
        {"0", "4i-3", "-3+4i", true, ""},
        {"0", " 0.25 ", "1/4", true, ""},
        {"0", "１／２", "1/2", true, ""},  // full-width, as it looks
        {"5", "", "0", true, ""},
        {"0", "2#", "2", true, "「2#」を 2 と読みました"},
        {"2", "2#", "2", false, "「2#」を 2 と読みました"},
        {"5", "abc", "0", true, "「abc」を 0 と読みました"},
        {"0", "1/2/3", "1/23", true, "「1/2/3」を 1/23 と読みました"},
        // A square root stays one, in its canonical text; one that comes
        // out rational is that number.
        {"0", "sqrt(8)", "2√2", true, ""},
        {"0", "1/√2", "√2/2", true, ""},
        {"0", "(1 + √5)/2", "(1+√5)/2", true, ""},
        {"√2", "√2", "√2", false, ""},
        {"0", "√(9/4)", "3/2", true, ""},
        {"0", "√2+√3", "5", true, "「√2+√3」を 5 と読みました"},
        {"0", "1234567890123456789012345678901234#", "1234567890123456789012345678901234", true,
         "「123456789012345678901234567890…」を 1234567890123456789012345678901234 と読みました"},
        // A text in a parameter letter stays as typed; the note names the letter.
        {"0", "2x", "2x", true, "「2x」の x をパラメータとして読みました"},
        {"0", " 1-a ", "1-a", true, "「1-a」の a をパラメータとして読みました"},
        {"1-a", "1-a ", "1-a", false, "「1-a」の a をパラメータとして読みました"},
        {"0", "1/(k-1)", "1/(k-1)", true, "「1/(k-1)」の k をパラメータとして読みました"},
        {"0", "a^2/(a-1)", "a^2/(a-1)", true, "「a^2/(a-1)」の a をパラメータとして読みました"},
        // Two letters, or a run of them, are no parameter: read leniently.
        {"5", "a+b", "0", true, "「a+b」を 0 と読みました"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        CellGrid grid;
        grid.SetCell(2, 1, c.before);
        const TypedCell typed = TypeIntoCell(grid, 2, 1, c.typed);
        EXPECT_EQ(grid.Cell(2, 1), c.after);
        EXPECT_EQ(typed.changed, c.changed);
        EXPECT_EQ(typed.note, c.note);
        grid.SetCell(2, 1, "0");
        EXPECT_EQ(grid, CellGrid());  // no other cell changed
    }
}

TEST(CellTyping, ClearCellsTouchesTheRectangleOnly) {
    CellGrid grid;
    for (int col = 0; col < CellGrid::kMaxSize; ++col)
        for (int row = 0; row < CellGrid::kMaxSize; ++row)
            grid.SetCell(col, row, std::to_string(col * 10 + row + 1));
    CellGrid expected = grid;
    for (int col = 1; col <= 2; ++col)
        for (int row = 8; row <= 9; ++row)
            expected.SetCell(col, row, "0");
    EXPECT_TRUE(ClearCells(grid, CellRect{1, 8, 2, 5}));  // reaching past the table
    EXPECT_EQ(grid, expected);
    EXPECT_FALSE(ClearCells(grid, CellRect{1, 8, 2, 2}));  // already 0: nothing to record
    // Typing beyond the table's edges changes nothing, on every side.
    for (const auto& [col, row] : {std::pair{10, 0}, {0, 10}, {-1, 0}, {0, -1}, {10, 10}}) {
        EXPECT_FALSE(TypeIntoCell(grid, col, row, "5").changed) << col << "," << row;
        EXPECT_EQ(grid, expected);
    }
    EXPECT_TRUE(TypeIntoCell(grid, 9, 9, "5").changed);  // the last cell is in it
}

}  // namespace
}  // namespace korvane
