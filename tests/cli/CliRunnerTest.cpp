#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "cli/CliRunner.h"
#include "core/ParameterCell.h"
#include "core/StepLog.h"
#include "mklibs/Errors.h"

namespace korvane {
namespace {

// A log that fails at a given line, standing in for an error raised inside
// a computation.
class FailingLog : public CliLog {
  public:
    FailingLog(const CliOptions& options, const CellGrid& grid, std::ostream& out,
               std::size_t failAt)
        : CliLog(options, grid, out), failAt_(failAt) {}
    void AppendStepLog(std::string_view line) override {
        if (lines_++ == failAt_) throw DivisionByZero();
        CliLog::AppendStepLog(line);
    }

  private:
    std::size_t failAt_;
    std::size_t lines_ = 0;
};

TEST(CliRunner, ErrorMidwayPrintsTheLinesSoFarAndItsMessage) {
    CliOptions options;
    options.command = CliCommand::kInverse;
    CellGrid grid;
    grid.SetRows(2);
    grid.SetCols(2);
    grid.SetCell(0, 0, "2");
    const CellGrid before = grid;
    std::ostringstream out, err;
    FailingLog log(options, grid, out, 4);
    EXPECT_EQ(RunAndReport(options, grid, log, err), kExitComputationError);
    EXPECT_EQ(out.str(),
              "  ( 2 0 1 0 )\n  ( 0 0 0 1 )\n上の行列を行階段基本形にします。\n"
              "1行目を1/2倍します。\n");
    EXPECT_EQ(err.str(), "korvane-cli: ゼロによる除算\n");
    EXPECT_EQ(grid, before);
}

// A refused matrix fails the command: its reason is logged and repeated on
// standard error.
// Every command that takes numbers only refuses a grid in a parameter
// letter, whatever it reads the grid with (on a grid of a shape it takes: a
// square one, or one with a column more); the ones that take a parameter
// work on it. So no letter is ever computed with as some number.
TEST(CliRunner, ParameterGridGoesToItsCommandsOnly) {
    std::vector<CellGrid> grids(2);
    for (int shape = 0; shape < 2; ++shape) {
        grids[shape].SetRows(2);
        grids[shape].SetCols(2 + shape);
        grids[shape].SetCell(0, 0, "a");
        grids[shape].SetCell(1, 1, "2");
    }
    for (int k = 0; k <= static_cast<int>(CliCommand::kMinimalPolynomial); ++k) {
        CliOptions options;
        options.command = static_cast<CliCommand>(k);
        if (options.command == CliCommand::kEval || options.command == CliCommand::kRecurrence)
            continue;  // their inputs are no grid
        SCOPED_TRACE(std::string(CommandName(options.command)));
        int refused = 0;
        for (const CellGrid& start : grids) {
            Engine engine;
            CellGrid grid = start;
            MemoryStepLog log;
            if (CommandTakesParameter(options.command)) {
                EXPECT_NO_THROW(RunCommand(options, engine, grid, log));
                continue;
            }
            try {
                EXPECT_FALSE(RunCommand(options, engine, grid, log));  // a shape it refuses
            } catch (const ParameterNotTaken& e) {
                EXPECT_EQ(e.letter(), 'a');
                ++refused;
            }
            EXPECT_EQ(grid, start);
        }
        if (!CommandTakesParameter(options.command)) {
            EXPECT_GE(refused, 1);
        }
    }
}

TEST(CliRunner, RefusalIsAFailure) {
    CliOptions options;
    options.command = CliCommand::kDeterminant;
    CellGrid grid;
    grid.SetCols(2);
    std::ostringstream out, err;
    CliLog log(options, grid, out);
    EXPECT_EQ(RunAndReport(options, grid, log, err), kExitComputationError);
    EXPECT_EQ(out.str(), "正方行列でないので、行列式はありません。\n");
    EXPECT_EQ(err.str(), "korvane-cli: 正方行列でないので、行列式はありません。\n");
}

}  // namespace
}  // namespace korvane
