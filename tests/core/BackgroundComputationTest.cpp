#include <gtest/gtest.h>

#include <chrono>

#include "core/BackgroundComputation.h"
#include "mklibs/mklibs.h"

namespace korvane {
namespace {

using namespace std::chrono_literals;

// Work that never ends by itself, as a computation on huge entries seems to.
bool Endless(CellGrid& grid, StepLog& log) {
    grid.SetCell(0, 0, "half-written");
    log.AppendStepLog("1行目を2倍します。");
    for (;;)
        StopPoint();
}

TEST(BackgroundComputation, OutcomesOfTheWork) {
    const CellGrid start;
    MemoryStepLog log;
    {
        BackgroundComputation changes(start, log, [](CellGrid& grid, StepLog&) {
            grid.SetCell(1, 1, "7");
            return true;
        });
        ASSERT_TRUE(changes.WaitFor(60s));
        const auto outcome = changes.Take();
        EXPECT_TRUE(outcome.changed);
        EXPECT_EQ(outcome.grid.Cell(1, 1), "7");
    }
    {
        BackgroundComputation fails(start, log, [](CellGrid& grid, StepLog&) -> bool {
            grid.SetCell(1, 1, "7");
            throw DivisionByZero();
        });
        ASSERT_TRUE(fails.WaitFor(60s));
        const auto outcome = fails.Take();
        EXPECT_EQ(outcome.error, "ゼロによる除算");
        EXPECT_EQ(outcome.grid, start);
    }
    {
        BackgroundComputation stopped(start, log, Endless);
        EXPECT_FALSE(stopped.WaitFor(20ms));
        EXPECT_EQ(stopped.Steps(), 1u);
        stopped.RequestStop();
        ASSERT_TRUE(stopped.WaitFor(60s));
        const auto outcome = stopped.Take();
        EXPECT_TRUE(outcome.stopped);
        EXPECT_TRUE(outcome.error.empty());
        EXPECT_EQ(outcome.grid, start);
    }
    {
        // Work on large numbers leaves nothing of them behind with its
        // thread (the sanitizer's leak check watches this).
        BackgroundComputation large(start, log, [](CellGrid& grid, StepLog&) {
            ComplexFraction x = CpxParse("123456789012345678901234567890/7+i");
            for (int k = 0; k < 12; ++k)
                x = CpxMul(x, x);
            grid.SetCell(0, 0, std::to_string(CpxText(x).size()));
            return true;
        });
        ASSERT_TRUE(large.WaitFor(60s));
        EXPECT_EQ(large.Take().grid.Cell(0, 0).size(), 6u);
    }
    // Left running, it is stopped when it goes away.
    { BackgroundComputation abandoned(start, log, Endless); }
    // Only the worker watched the signal: here StopPoint does nothing.
    EXPECT_NO_THROW(StopPoint());
}

}  // namespace
}  // namespace korvane
