#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "../engine/TestMatrices.h"
#include "ScriptedDialogs.h"
#include "core/editing/History.h"
#include "core/workspace/Workspace.h"

namespace korvane {
namespace {

using test::GridOf;

TEST(Workspace, StoresTheShownCellsAsTyped) {
    CellGrid grid = GridOf({{"2/4", ""}, {"x", "1"}});
    grid.SetCell(5, 5, "hidden");
    Workspace w;
    w.Store('B', grid);
    w.Store('A', GridOf({{"1"}}));
    const CellGrid* stored = w.Find('B');
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->Rows(), 2);
    EXPECT_EQ(stored->Cell(0, 0), "2/4");
    EXPECT_EQ(stored->Cell(1, 0), "");
    EXPECT_EQ(stored->Cell(5, 5), "0");  // only the matrix itself is kept
    EXPECT_EQ(w.Names(), (std::vector<char>{'A', 'B'}));

    // Brought back, it takes the grid's size and cells; the rest stay.
    CellGrid editing = GridOf({{"7", "7", "7"}});
    editing.SetCell(9, 9, "mine");
    RecallInto(*stored, editing);
    EXPECT_EQ(editing.Rows(), 2);
    EXPECT_EQ(editing.Cols(), 2);
    EXPECT_EQ(editing.Cell(0, 0), "2/4");
    EXPECT_EQ(editing.Cell(2, 0), "7");
    EXPECT_EQ(editing.Cell(9, 9), "mine");
}

TEST(Workspace, NamesAreCapitalLettersButIAndO) {
    EXPECT_EQ(Workspace::kNames.size(), 24u);
    for (const char name : {'I', 'O', 'a', '1', ' ', '\0'})
        EXPECT_FALSE(Workspace::IsName(name)) << name;
    Workspace w;
    EXPECT_THROW(w.Store('I', CellGrid()), Error);
    w.Store('A', GridOf({{"1"}}));
    w.Store('B', GridOf({{"2"}}));
    const struct {
        char from;
        char to;
        const char* refusal;
    } refusals[] = {
        {'A', 'B', "B という名前の行列がすでにあります。"},
        {'C', 'D', "C という名前の行列はありません。"},
        {'A', 'O', "行列の名前は、I と O を除く大文字のアルファベット1文字です。"},
    };
    for (const auto& r : refusals) {
        try {
            w.Rename(r.from, r.to);
            ADD_FAILURE() << r.from << " → " << r.to;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), r.refusal);
        }
    }
    w.Rename('A', 'Z');
    EXPECT_EQ(w.Names(), (std::vector<char>{'B', 'Z'}));
    EXPECT_EQ(w.Find('Z')->Cell(0, 0), "1");
    EXPECT_TRUE(w.Remove('B'));
    EXPECT_FALSE(w.Remove('B'));
}

// Storing, deleting and renaming are History states; an edit of the grid
// keeps the named matrices of the state it follows, and undo and redo bring
// back both.
TEST(Workspace, UndoAndRedoCoverTheNamedMatrices) {
    History history;
    ScriptedDialogs dialogs;
    CellGrid grid;
    history.FormCreate(grid);
    EXPECT_EQ(history.CurrentWorkspace(), nullptr);

    Workspace stored;
    stored.Store('A', grid);
    history.RecordSnapshot(grid, std::make_shared<const Workspace>(stored));  // store A
    grid.SetCell(0, 0, "5");
    history.RecordSnapshot(grid);  // an edit
    ASSERT_NE(history.CurrentWorkspace(), nullptr);
    EXPECT_EQ(*history.CurrentWorkspace(), stored);
    Workspace renamed = stored;
    renamed.Rename('A', 'B');
    history.RecordSnapshot(grid, std::make_shared<const Workspace>(renamed));

    history.Undo1Click(grid, dialogs);
    EXPECT_EQ(*history.CurrentWorkspace(), stored);
    EXPECT_EQ(grid.Cell(0, 0), "5");
    history.Undo1Click(grid, dialogs);
    history.Undo1Click(grid, dialogs);
    EXPECT_EQ(history.CurrentWorkspace(), nullptr);
    history.Repeat1Click(grid, dialogs);
    history.Repeat1Click(grid, dialogs);
    history.Repeat1Click(grid, dialogs);
    EXPECT_EQ(*history.CurrentWorkspace(), renamed);
    EXPECT_TRUE(dialogs.messages.empty());

    // When the oldest state falls out of reach, the named matrices move
    // along with their grids.
    for (int k = 0; k < 2 * History::kSlots; ++k)
        history.RecordSnapshot(grid);
    EXPECT_EQ(*history.CurrentWorkspace(), renamed);
}

}  // namespace
}  // namespace korvane
