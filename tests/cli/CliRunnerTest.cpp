#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliRunner.h"
#include "mklibs/Errors.h"

namespace korvane {
namespace {

// A log that fails at a given line, standing in for an error raised inside
// a computation.
class FailingLog : public StreamStepLog {
  public:
    FailingLog(std::ostream& out, std::size_t failAt) : StreamStepLog(out), failAt_(failAt) {}
    void AppendStepLog(std::string_view line) override {
        if (lines_++ == failAt_) throw DivisionByZero();
        StreamStepLog::AppendStepLog(line);
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
    FailingLog log(out, 4);
    EXPECT_EQ(RunAndReport(options, grid, log, err), kExitComputationError);
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
    std::ostringstream out, err;
    StreamStepLog log(out);
    EXPECT_EQ(RunAndReport(options, grid, log, err), kExitRan);
    EXPECT_EQ(out.str(), "正方行列でないので、行列式はありません。\n");
    EXPECT_EQ(err.str(), "");
}

// The log reaches the stream in pieces no larger than the buffer, and a
// stream that stops taking it is an error at once.
TEST(CliRunner, LogStreamsThroughItsBuffer) {
    std::ostringstream out;
    StreamStepLog log(out);
    const std::string line(1000, 'x');
    std::size_t written = 0;
    for (int k = 0; k < 200; ++k) {
        log.AppendStepLog(line);
        written += line.size() + 1;
        EXPECT_GE(out.str().size() + StreamStepLog::kBufferBytes, written);
    }
    log.Flush();
    EXPECT_EQ(out.str().size(), written);

    out.setstate(std::ios::badbit);
    StreamStepLog broken(out);
    EXPECT_THROW(
        {
            for (int k = 0; k < 200; ++k)
                broken.AppendStepLog(line);
        },
        OutputError);
}

}  // namespace
}  // namespace korvane
