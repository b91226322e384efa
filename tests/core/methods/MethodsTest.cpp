// The textbook methods: their worked examples line by line, their refusals,
// and a stop seen at the latest by the next matrix printed.
#include <gtest/gtest.h>

#include <functional>

#include "Golden.h"
#include "ScriptedDialogs.h"
#include "StoppingLog.h"
#include "TestMatrices.h"
#include "core/StopSignal.h"
#include "core/methods/Adjugate.h"
#include "core/methods/CofactorExpansion.h"
#include "core/methods/CramersRule.h"
#include "core/methods/ElementaryMatrices.h"
#include "core/methods/ExpansionQuestion.h"
#include "core/methods/IntegerDeterminant.h"
#include "core/methods/LuDecomposition.h"
#include "core/methods/Sarrus.h"

namespace korvane {
namespace {

using test::GridOf;
using test::Lines;
using test::StoppingLog;

using Method = std::function<bool(const CellGrid&, StepLog&)>;

bool Expansion(const CellGrid& grid, StepLog& log) {
    return CofactorExpansionDeterminant(grid, log, {});
}
bool ExpansionAlongRow(int row, const CellGrid& grid, StepLog& log) {
    return CofactorExpansionDeterminant(grid, log, {ExpansionChoice::Line::kRow, row, true});
}
bool Integer(const CellGrid& grid, StepLog& log) {
    return IntegerDeterminant(grid, log);
}
bool Lu(const CellGrid& grid, StepLog& log) {
    return LuDecomposition(grid, log);
}
bool Elementary(const CellGrid& grid, StepLog& log) {
    return ElementaryMatrices(grid, log);
}

struct Example {
    const char* golden;
    Method method;
    std::vector<Lines> rows;
};

const Example kExamples[] = {
    {"expansion-3x3.log", Expansion, {{"2", "0", "1"}, {"1", "3", "2"}, {"1", "1", "4"}}},
    {"sarrus-3x3.log", SarrusDeterminant, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "10"}}},
    {"integer-det-3x3.log", Integer, {{"2", "4", "6"}, {"3", "6", "3"}, {"1", "0", "1"}}},
    {"adjugate-3x3.log", Adjugate, {{"1", "2", "3"}, {"0", "1", "4"}, {"5", "6", "0"}}},
    {"cramer-3x3.log",
     CramersRule,
     {{"2", "1", "-1", "8"}, {"-3", "-1", "2", "-11"}, {"-2", "1", "2", "-3"}}},
    {"lu-3x3.log", Lu, {{"2", "1", "1"}, {"4", "3", "3"}, {"8", "7", "9"}}},
    {"elementary-3x3.log", Elementary, {{"1", "2", "1"}, {"2", "5", "3"}, {"1", "0", "8"}}},
};

TEST(Methods, WorkedExamples) {
    for (const Example& example : kExamples) {
        MemoryStepLog log;
        EXPECT_TRUE(example.method(GridOf(example.rows), log)) << example.golden;
        EXPECT_EQ(log.Lines(), test::GoldenLines(example.golden)) << example.golden;
    }
}

TEST(Methods, Refusals) {
    const std::vector<Lines> wide{{"1", "2", "3"}, {"4", "5", "6"}};
    const std::vector<Lines> fourByFour{
        {"1", "0", "0", "0"}, {"0", "1", "0", "0"}, {"0", "0", "1", "0"}, {"0", "0", "0", "1"}};
    const struct {
        Method method;
        std::vector<Lines> rows;
        const char* reason;
    } cases[] = {
        {Expansion, wide, "正方行列でないので、行列式はありません。"},
        {[](const CellGrid& g, StepLog& l) { return ExpansionAlongRow(2, g, l); },
         {{"1", "2"}, {"3", "4"}},
         "この行列に3行目はありません。"},
        {SarrusDeterminant, wide, "正方行列でないので、行列式はありません。"},
        {SarrusDeterminant, fourByFour,
         "サラスの方法は、2行2列と3行3列の行列の行列式にだけ使えます。"},
        {SarrusDeterminant,
         {{"5"}},
         "サラスの方法は、2行2列と3行3列の行列の行列式にだけ使えます。"},
        {Integer, wide, "正方行列でないので、行列式はありません。"},
        {Adjugate, wide, "正方行列でないので、余因子行列はありません。"},
        {CramersRule, fourByFour,
         "最後の列を右辺 b とすると係数行列 A "
         "が正方行列にならないので、クラメルの公式は使えません。"},
        {CramersRule,
         {{"1", "2", "3"}, {"2", "4", "5"}},
         "det A = 0 なので、クラメルの公式は使えません。解があるかどうかは、連立一次方程式を解く"
         "計算（solve）で調べられます。"},
    };
    for (const auto& c : cases) {
        MemoryStepLog log;
        EXPECT_FALSE(c.method(GridOf(c.rows), log)) << c.reason;
        ASSERT_FALSE(log.Lines().empty());
        EXPECT_EQ(log.Lines().back(), c.reason);
    }
}

TEST(Methods, StopSeenByTheNextMatrixPrinted) {
    const CellGrid square = GridOf({{"2", "0", "1", "3", "1"},
                                    {"1", "3", "2", "0", "4"},
                                    {"1", "1", "4", "2", "0"},
                                    {"0", "5", "1", "1", "2"},
                                    {"3", "1", "0", "2", "6"}});
    const CellGrid augmented =
        GridOf({{"2", "1", "1", "3"}, {"1", "3", "2", "5"}, {"1", "0", "4", "1"}});
    const Method methods[] = {
        [](const CellGrid& g, StepLog& l) {
            return CofactorExpansionDeterminant(g, l, {ExpansionChoice::Line::kAuto, 0, false});
        },
        Integer, Adjugate, Lu, Elementary};
    std::vector<std::pair<Method, CellGrid>> runs;
    for (const Method& method : methods)
        runs.emplace_back(method, square);
    runs.emplace_back(CramersRule, augmented);
    for (const auto& [method, grid] : runs) {
        MemoryStepLog whole;
        method(grid, whole);
        std::size_t lastMatrix = 0;
        for (std::size_t i = 0; i < whole.Lines().size(); ++i) {
            if (whole.Lines()[i].starts_with("  ( ")) lastMatrix = i;
        }
        for (std::size_t stopAt = 1; stopAt < lastMatrix; ++stopAt) {
            StopSignal stop;
            const WatchStopSignal watch(stop);
            StoppingLog log(stopAt, stop);
            EXPECT_THROW(method(grid, log), ComputationStopped) << whole.Lines()[1] << stopAt;
            EXPECT_TRUE(std::equal(log.Lines().begin(), log.Lines().end(), whole.Lines().begin()));
        }
    }
}

// The window's question: a line of the grid, then for 4 × 4 and 5 × 5 how
// the 3 × 3 minors are worked; nothing asked where there is nothing to choose.
TEST(Methods, ExpansionQuestion) {
    using Line = ExpansionChoice::Line;
    const struct {
        int rows;
        int cols;
        std::vector<std::optional<std::size_t>> answers;
        std::optional<ExpansionChoice> choice;
        std::size_t questions;
    } cases[] = {
        {3, 3, {0}, ExpansionChoice{Line::kAuto, 0, true}, 1},
        {3, 3, {3}, ExpansionChoice{Line::kRow, 2, true}, 1},
        {3, 3, {4}, ExpansionChoice{Line::kColumn, 0, true}, 1},
        {4, 4, {8, 1}, ExpansionChoice{Line::kColumn, 3, false}, 2},
        {5, 5, {2, 0}, ExpansionChoice{Line::kRow, 1, true}, 2},
        {6, 6, {7}, ExpansionChoice{Line::kColumn, 0, true}, 1},
        {3, 3, {std::nullopt}, std::nullopt, 1},
        {4, 4, {1, std::nullopt}, std::nullopt, 2},
        {1, 1, {}, ExpansionChoice{}, 0},
        {2, 3, {}, ExpansionChoice{}, 0},
    };
    for (const auto& c : cases) {
        ScriptedDialogs dialogs;
        dialogs.choiceAnswers.assign(c.answers.begin(), c.answers.end());
        CellGrid grid;
        grid.SetRows(c.rows);
        grid.SetCols(c.cols);
        EXPECT_EQ(AskExpansion(grid, dialogs), c.choice) << c.rows << " " << c.answers.size();
        ASSERT_EQ(dialogs.choices.size(), c.questions);
        if (c.questions == 0) continue;
        const std::vector<std::string>& lines = dialogs.choices.front();
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(2 * c.rows + 1));
        EXPECT_EQ(lines[1], "1行目");
        EXPECT_EQ(lines.back(), std::to_string(c.rows) + "列目");
    }
}

}  // namespace
}  // namespace korvane
