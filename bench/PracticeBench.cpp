// The practice session's commands on 10 × 10 matrices of complex fractions
// with parts of many digits, log into a sink that keeps nothing: what the
// window waits for when it runs them on its event-loop thread.
#include <benchmark/benchmark.h>


#include "BigGrids.h"
#include "core/practice/PracticeSession.h"

namespace korvane {
namespace {

class NullStepLog : public StepLog {
  public:
    void ClearStepLog() override {}
    void AppendStepLog(std::string_view) override {}
};

CellGrid RandomGrid(int digits) {
    return BigRandomGrid(BigEntryKind::kComplexFraction, digits, 20261208);
}

// Starting works the whole reduction out twice: the reduced form's pivots,
// and how many operations the program's own reduction needs.
void Start(benchmark::State& state) {
    const CellGrid grid = RandomGrid(static_cast<int>(state.range(0)));
    NullStepLog log;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            PracticeSession::Start(grid, PracticeGoal::kReducedRowEchelon, log));
}

// The hint's operation from the panel, then 「確認」 of that same step typed
// by hand and of a slip in one entry of it.
void StepCommands(benchmark::State& state) {
    NullStepLog log;
    PracticeSession session = *PracticeSession::Start(RandomGrid(static_cast<int>(state.range(0))),
                                                      PracticeGoal::kReducedRowEchelon, log);
    const CellGrid start = session.Shown();
    const RowOperation op = session.Hint(log)->operation;
    const CellGrid right = session.Apply(op, log).grid;
    CellGrid slipped = right;
    slipped.SetCell(4, 4, "1");
    session.Follow(start, GridChange::kUndone, log);
    for (auto _ : state) {
        benchmark::DoNotOptimize(session.Hint(log));
        benchmark::DoNotOptimize(session.Check(slipped, log));
        benchmark::DoNotOptimize(session.Check(right, log));
        session.Follow(start, GridChange::kUndone, log);
    }
}

BENCHMARK(Start)->Arg(1)->Arg(20)->Arg(60)->Unit(benchmark::kMillisecond);
BENCHMARK(StepCommands)->Arg(1)->Arg(20)->Arg(60)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvane

BENCHMARK_MAIN();
