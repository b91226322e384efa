#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliRunner.h"
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
