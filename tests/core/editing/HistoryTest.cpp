#include <gtest/gtest.h>

#include <string>

#include "ScriptedDialogs.h"
#include "core/editing/History.h"

namespace korvane {
namespace {

const char* const kNothingToUndo = "これ以上は戻せません。";
const char* const kNothingToRedo = "今のが最後の動作です。";

std::string Counts(int undo, int redo) {
    return "元に戻せる回数：" + std::to_string(undo) + "　やり直せる回数：" + std::to_string(redo);
}

class HistoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        grid.SetCell(9, 9, "left over");  // FormCreate fills every cell
        history.FormCreate(grid);
        start = grid;
    }

    // A command that changes the grid: cell (0, 0) takes text, then a state
    // is recorded, as the window does after every changing command.
    void Change(const std::string& text) {
        grid.SetCell(0, 0, text);
        history.RecordSnapshot(grid);
    }

    CellGrid grid;
    CellGrid start;
    History history;
    ScriptedDialogs dialogs;
};

TEST_F(HistoryTest, StartStateRefusesBothWays) {
    EXPECT_EQ(start, CellGrid());  // 3 x 3, "0" in all 100 cells
    EXPECT_EQ(history.CountsText(), Counts(0, 0));
    history.Undo1Click(grid, dialogs);
    history.Repeat1Click(grid, dialogs);
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{kNothingToUndo, kNothingToRedo}));
    EXPECT_EQ(grid, start);
    EXPECT_EQ(history.CountsText(), Counts(0, 0));
}

TEST_F(HistoryTest, UndoAndRedoOneChange) {
    Change("5");
    const CellGrid changed = grid;
    EXPECT_EQ(history.CountsText(), Counts(1, 0));
    history.Undo1Click(grid, dialogs);
    EXPECT_EQ(grid, start);
    EXPECT_EQ(history.CountsText(), Counts(0, 1));
    history.Repeat1Click(grid, dialogs);
    EXPECT_EQ(grid, changed);
    EXPECT_EQ(history.CountsText(), Counts(1, 0));
    history.Repeat1Click(grid, dialogs);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{kNothingToRedo});
    EXPECT_EQ(grid, changed);
}

TEST_F(HistoryTest, ANewStateDiscardsWhatCouldBeRedone) {
    Change("1");
    Change("2");
    Change("3");
    history.Undo1Click(grid, dialogs);
    history.Undo1Click(grid, dialogs);
    EXPECT_EQ(history.CountsText(), Counts(1, 2));
    Change("4");
    EXPECT_EQ(history.CountsText(), Counts(2, 0));
    history.Repeat1Click(grid, dialogs);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{kNothingToRedo});
    history.Undo1Click(grid, dialogs);
    EXPECT_EQ(grid.Cell(0, 0), "1");
}

TEST_F(HistoryTest, AFullHistoryDropsItsOldestState) {
    for (int k = 1; k <= 98; ++k)
        Change(std::to_string(k));
    EXPECT_EQ(history.CountsText(), Counts(98, 0));
    Change("99");
    EXPECT_EQ(history.CountsText(), Counts(98, 0));
    for (int k = 0; k < 98; ++k)
        history.Undo1Click(grid, dialogs);
    EXPECT_EQ(grid.Cell(0, 0), "1");  // the state after the first change, not the start
    EXPECT_EQ(history.CountsText(), Counts(0, 98));
    history.Undo1Click(grid, dialogs);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{kNothingToUndo});
    for (int k = 0; k < 98; ++k)
        history.Repeat1Click(grid, dialogs);
    EXPECT_EQ(grid.Cell(0, 0), "99");
    EXPECT_EQ(history.CountsText(), Counts(98, 0));
    Change("100");  // recording while full after going back and forth
    history.Undo1Click(grid, dialogs);
    EXPECT_EQ(grid.Cell(0, 0), "99");
}

TEST_F(HistoryTest, RestoresSizeAndAllHundredTexts) {
    for (int col = 0; col < CellGrid::kMaxSize; ++col)
        for (int row = 0; row < CellGrid::kMaxSize; ++row)
            grid.SetCell(col, row, std::to_string(col) + "/" + std::to_string(row + 1));
    grid.SetRows(2);
    grid.SetCols(7);
    history.RecordSnapshot(grid);
    const CellGrid saved = grid;

    grid = CellGrid();
    grid.SetRows(10);
    grid.SetCols(1);
    history.RecordSnapshot(grid);
    const CellGrid later = grid;

    grid.SetRows(5);  // a size change alone is no state
    history.Undo1Click(grid, dialogs);
    EXPECT_EQ(grid, saved);
    history.Repeat1Click(grid, dialogs);
    EXPECT_EQ(grid, later);
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace korvane
