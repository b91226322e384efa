#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliRunner.h"
#include "mklibs/Errors.h"

namespace korvane {
namespace {

// A log that fails at a given line, standing in for an error raised inside
// a computation.
class FailingLog : public MemoryStepLog {
  public:
    explicit FailingLog(std::size_t failAt) : failAt_(failAt) {}
    void AppendStepLog(std::string_view line) override {
        if (Lines().size() == failAt_) throw DivisionByZero();
        MemoryStepLog::AppendStepLog(line);
    }

  private:
    std::size_t failAt_;
};

TEST(CliRunner, ErrorMidwayPrintsTheLinesSoFarAndItsMessage) {
    CliOptions options;
    options.command = CliCommand::kInverse;
    CellGrid grid;
    grid.SetRows(2);
    grid.SetCols(2);
    grid.SetCell(0, 0, "2");
    const CellGrid before = grid;
    FailingLog log(4);
    std::ostringstream out, err;
    EXPECT_EQ(RunAndReport(options, grid, log, out, err), kExitComputationError);
    EXPECT_EQ(out.str(),
              "  ( 2 0 1 0 )\n  ( 0 0 0 1 )\n上の行列を行階段基本形にします。\n"
              "1行目を1/2倍します。\n");
    EXPECT_EQ(err.str(), "ゼロによる除算\n");
    EXPECT_EQ(grid, before);
}

TEST(CliRunner, RefusalIsAnOutcome) {
    CliOptions options;
    options.command = CliCommand::kDeterminant;
    CellGrid grid;
    grid.SetCols(2);
    MemoryStepLog log;
    std::ostringstream out, err;
    EXPECT_EQ(RunAndReport(options, grid, log, out, err), kExitRan);
    EXPECT_EQ(out.str(), "正方行列でないので、行列式はありません。\n");
    EXPECT_EQ(err.str(), "");
}

}  // namespace
}  // namespace korvane
