#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ScriptedDialogs.h"
#include "core/editing/InputAids.h"

namespace korvane {
namespace {

using LogCommand = std::function<bool(CellGrid&, StepLog&)>;

// A grid whose cell (c, r) holds the text "a<r><c>", so every copy is traceable.
CellGrid Labelled(int rows, int cols) {
    CellGrid grid;
    for (int col = 0; col < CellGrid::kMaxSize; ++col)
        for (int row = 0; row < CellGrid::kMaxSize; ++row)
            grid.SetCell(col, row, "a" + std::to_string(row) + std::to_string(col));
    grid.SetRows(rows);
    grid.SetCols(cols);
    return grid;
}

// The shown rows as texts joined by spaces, one string per row.
std::vector<std::string> Rows(const CellGrid& grid) {
    std::vector<std::string> rows;
    for (int row = 0; row < grid.Rows(); ++row) {
        std::string line;
        for (int col = 0; col < grid.Cols(); ++col)
            line += (col ? " " : "") + grid.Cell(col, row);
        rows.push_back(line);
    }
    return rows;
}

// Whether every cell outside the shown size still holds its label.
bool OutsideUntouched(const CellGrid& grid) {
    const CellGrid original = Labelled(1, 1);
    for (int col = 0; col < CellGrid::kMaxSize; ++col)
        for (int row = 0; row < CellGrid::kMaxSize; ++row)
            if ((col >= grid.Cols() || row >= grid.Rows()) &&
                grid.Cell(col, row) != original.Cell(col, row))
                return false;
    return true;
}

TEST(InputAids, NonSquareIsRefusedWithItsLine) {
    const std::string identity = "正方行列でないので、単位行列にできません。";
    const std::string symmetric = "正方行列でないので、対称行列にできません。";
    const std::string triangular = "正方行列でないので、三角行列にできません。";
    struct Case {
        const char* name;
        LogCommand command;
        std::vector<std::string> expectedLog;  // after the log held "earlier"
    };
    const Case cases[] = {
        {"identity clears first", N3Click, {identity}},
        {"upper", N9Click, {"earlier", triangular}},
        {"lower", N10Click, {"earlier", triangular}},
        {"copy upper right", N6Click, {"earlier", symmetric}},
        {"copy lower left", N7Click, {"earlier", symmetric}},
    };
    for (const auto& [rows, cols] : {std::pair{2, 3}, std::pair{3, 2}, std::pair{1, 10}}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " on " + std::to_string(rows) + "x" +
                         std::to_string(cols));
            CellGrid grid = Labelled(rows, cols);
            MemoryStepLog log;
            log.AppendStepLog("earlier");
            EXPECT_FALSE(c.command(grid, log));
            EXPECT_EQ(log.Lines(), c.expectedLog);
            EXPECT_EQ(grid, Labelled(rows, cols));
        }
    }
}

TEST(InputAids, SquareHelpersOnThreeByThree) {
    struct Case {
        const char* name;
        LogCommand command;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"identity", N3Click, {"1 0 0", "0 1 0", "0 0 1"}},
        {"zero", N4Click, {"0 0 0", "0 0 0", "0 0 0"}},
        {"upper", N9Click, {"a00 a01 a02", "0 a11 a12", "0 0 a22"}},
        {"lower", N10Click, {"a00 0 0", "a10 a11 0", "a20 a21 a22"}},
        {"copy upper right", N6Click, {"a00 a01 a02", "a01 a11 a12", "a02 a12 a22"}},
        {"copy lower left", N7Click, {"a00 a10 a20", "a10 a11 a21", "a20 a21 a22"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CellGrid grid = Labelled(3, 3);
        MemoryStepLog log;
        EXPECT_TRUE(c.command(grid, log));
        EXPECT_EQ(Rows(grid), c.expected);
        EXPECT_TRUE(OutsideUntouched(grid));
    }
}

TEST(InputAids, OneByOneIsSquare) {
    const std::pair<LogCommand, const char*> cases[] = {
        {N3Click, "1"},    {N4Click, "0"},   {N9Click, "a00"},
        {N10Click, "a00"}, {N6Click, "a00"}, {N7Click, "a00"},
    };
    for (const auto& [command, expected] : cases) {
        CellGrid grid = Labelled(1, 1);
        MemoryStepLog log;
        EXPECT_TRUE(command(grid, log));  // a state is recorded even with nothing changed
        EXPECT_EQ(grid.Cell(0, 0), expected);
        EXPECT_TRUE(log.Lines().empty());
        EXPECT_TRUE(OutsideUntouched(grid));
    }
}

TEST(InputAids, ZeroWorksOnAnyShapeAndKeepsOuterTexts) {
    CellGrid grid = Labelled(2, 3);
    MemoryStepLog log;
    log.AppendStepLog("earlier");
    EXPECT_TRUE(N4Click(grid, log));
    EXPECT_TRUE(log.Lines().empty());
    EXPECT_EQ(Rows(grid), (std::vector<std::string>{"0 0 0", "0 0 0"}));
    grid.SetRows(3);  // growing again shows the old texts
    EXPECT_EQ(Rows(grid).back(), "a20 a21 a22");
}

TEST(InputAids, SquareHelpersLeaveTheLogAlone) {
    for (const LogCommand& command :
         {LogCommand(N9Click), LogCommand(N10Click), LogCommand(N6Click), LogCommand(N7Click)}) {
        CellGrid grid = Labelled(4, 4);
        MemoryStepLog log;
        log.AppendStepLog("earlier");
        command(grid, log);
        EXPECT_EQ(log.Lines(), std::vector<std::string>{"earlier"});
    }
}

const char* const kSixtyDigits = "123456789012345678901234567890123456789012345678901234567890";

TEST(InputAids, MultiplyByAConstant) {
    struct Case {
        const char* name;
        std::optional<std::string> answer;  // nothing: キャンセル
        std::vector<std::string> cells;     // the 2 x 2 grid, row by row
        std::vector<std::string> expected;
    };
    const std::string big(kSixtyDigits);
    const Case cases[] = {
        {"by 2", "2", {"1/2", "-3", "i", "1+i/4"}, {"1", "-6", "2i", "2+i/2"}},
        {"by 0", "0", {"1/2", "-3", "2+3i", "7"}, {"0", "0", "0", "0"}},
        {"cancelled is 1", std::nullopt, {"2/4", "3", "6i/4", "-0"}, {"1/2", "3", "3i/2", "0"}},
        {"emptied is 1", "", {"2/4", "3", "1", "-i"}, {"1/2", "3", "1", "-i"}},
        {"blank is 1", "  ", {"2/4", "3", "1", "-i"}, {"1/2", "3", "1", "-i"}},
        {"empty cell is 0", "5", {"", " ", "1", "2"}, {"0", "0", "5", "10"}},
        {"wide blanks are blanks",
         "\u3000",
         {"\u3000", "\u00A0 ", "1", "\uFF12"},
         {"0", "0", "1", "2"}},
        {"by i", "i", {"i", "2", "1/2+i", "0"}, {"-1", "2i", "-1+i/2", "0"}},
        // A square root stays one, never read as another number.
        {"roots by 1/2", "1/2", {"√8", "sqrt(2)", "(1+√2)/3", "-2"}, {"√2", "√2/2", "(1+√2)/6", "-1"}},
        {"sixty digits",
         big,
         {"1/3", "-7/10", "i", big},
         {"41152263004115226300411522630041152263004115226300411522630",
          "-86419752308641975230864197523086419752308641975230864197523", big + "i",
          "152415787532388367504953515625666819450083828733760097552250876391537570492365005334"
          "55762536198787501905199875019052100"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CellGrid grid = Labelled(2, 2);
        for (int k = 0; k < 4; ++k)
            grid.SetCell(k % 2, k / 2, c.cells[k]);
        ScriptedDialogs dialogs;
        dialogs.inputAnswers.push_back(c.answer);
        EXPECT_TRUE(L1Click(grid, dialogs));
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(grid.Cell(k % 2, k / 2), c.expected[k]) << k;
        EXPECT_TRUE(OutsideUntouched(grid));
        ASSERT_EQ(dialogs.inputs.size(), 1u);
        EXPECT_EQ(dialogs.inputs[0].caption, "Korvane");
        EXPECT_EQ(dialogs.inputs[0].prompt, "何倍しますか？");
        EXPECT_EQ(dialogs.inputs[0].defaultText, "1");
    }
}

TEST(InputAids, MultiplyOnANonSquareGridOnlyTouchesShownCells) {
    CellGrid grid = Labelled(3, 2);
    for (int col = 0; col < 2; ++col)
        for (int row = 0; row < 3; ++row)
            grid.SetCell(col, row, std::to_string(row * 2 + col));
    ScriptedDialogs dialogs;
    dialogs.inputAnswers.push_back("-1/2");
    EXPECT_TRUE(L1Click(grid, dialogs));
    EXPECT_EQ(Rows(grid), (std::vector<std::string>{"0 -1/2", "-1 -3/2", "-2 -5/2"}));
    EXPECT_TRUE(OutsideUntouched(grid));
}

TEST(InputAids, CellEditStoresTheCanonicalText) {
    struct Case {
        const char* before;
        std::optional<std::string> answer;
        const char* after;
        bool changed = true;
    };
    const Case cases[] = {
        {"3/6", std::nullopt, "3/6", false},  // cancelled: a file's text stays as it stands
        {"3/6", "3/6", "3/6", false},         // confirmed untouched
        {"3/6", "2/4", "1/2"},
        {"1/2", "2/4", "1/2", false},  // the same value: nothing to record
        {"0", "2+3i", "2+3i"},
        {"0", "4i-3", "-3+4i"},
        {"5", "", "0"},  // emptied
        {"5", " \t", "0"},
        {"0", kSixtyDigits, kSixtyDigits},
        {"0", "1/√2", "√2/2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        CellGrid grid = Labelled(4, 4);
        grid.SetCell(2, 1, c.before);
        ScriptedDialogs dialogs;
        dialogs.inputAnswers.push_back(c.answer);
        EXPECT_EQ(sgmatrixDblClick(grid, 2, 1, dialogs), c.changed);
        EXPECT_EQ(grid.Cell(2, 1), c.after);
        ASSERT_EQ(dialogs.inputs.size(), 1u);
        EXPECT_EQ(dialogs.inputs[0].caption, "成分の入力");
        EXPECT_EQ(dialogs.inputs[0].prompt, "何を入力しますか？");
        EXPECT_EQ(dialogs.inputs[0].defaultText, c.before);
        grid.SetCell(2, 1, "a12");
        EXPECT_EQ(grid, Labelled(4, 4));  // no other cell changed
    }
}

TEST(InputAids, CellEditWithoutACurrentCellDoesNothing) {
    for (const auto& [col, row] : {std::pair{-1, 0}, std::pair{0, -1}, std::pair{10, 0}}) {
        CellGrid grid = Labelled(3, 3);
        ScriptedDialogs dialogs;
        EXPECT_FALSE(sgmatrixDblClick(grid, col, row, dialogs));
        EXPECT_TRUE(dialogs.inputs.empty());
        EXPECT_EQ(grid, Labelled(3, 3));
    }
}

TEST(InputAids, MouseReadout) {
    const std::tuple<int, int, const char*> cases[] = {
        {0, 0, "1,1"}, {2, 1, "2,3"}, {9, 9, "10,10"}, {-1, 0, ""}, {0, -1, ""}, {-1, -1, ""},
    };
    for (const auto& [col, row, expected] : cases)
        EXPECT_EQ(MouseReadout(col, row), expected);
}

}  // namespace
}  // namespace korvane
