// The logged 10 × 10 inverse on random entries of many digits, its whole log
// written into a sink that only counts bytes: the engine's own cost on big
// numbers (arithmetic, texts, line building), nothing of a pane or a file.
#include <benchmark/benchmark.h>

#include <chrono>
#include <future>
#include <thread>

#include "BigGrids.h"
#include "core/StopSignal.h"
#include "core/engine/Engine.h"

namespace korvane {
namespace {

// Keeps nothing: the lines are only counted, as a null device would.
class CountingStepLog : public StepLog {
  public:
    void ClearStepLog() override { bytes_ = 0; }
    void AppendStepLog(std::string_view line) override { bytes_ += line.size() + 1; }
    std::size_t Bytes() const { return bytes_; }

  private:
    std::size_t bytes_ = 0;
};

void InverseIntoNullSink(benchmark::State& state, BigEntryKind kind) {
    const CellGrid start = BigRandomGrid(kind, static_cast<int>(state.range(0)));
    Engine engine;
    CountingStepLog log;
    for (auto _ : state) {
        CellGrid grid = start;
        engine.Inverse(grid, log);
        benchmark::DoNotOptimize(grid);
    }
    state.counters["log_bytes"] = static_cast<double>(log.Bytes());
}

BENCHMARK_CAPTURE(InverseIntoNullSink, integer, BigEntryKind::kInteger)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(InverseIntoNullSink, fraction, BigEntryKind::kFraction)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(1);
BENCHMARK_CAPTURE(InverseIntoNullSink, complex_fraction, BigEntryKind::kComplexFraction)
    ->Arg(30)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(1);

// How long the inverse on 1000-digit complex fractions takes to end after a
// stop is requested, `state.range(0)` ms into its work (the entries grow as
// the elimination proceeds). Only that wait is timed.
void StopLatency(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const CellGrid start = BigRandomGrid(BigEntryKind::kComplexFraction, 1000);
    for (auto _ : state) {
        StopSignal stop;
        auto done = std::async(std::launch::async, [&] {
            const WatchStopSignal watch(stop);
            Engine engine;
            CountingStepLog log;
            CellGrid grid = start;
            try {
                engine.Inverse(grid, log);
            } catch (const ComputationStopped&) {
            }
            return Clock::now();
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(state.range(0)));
        const Clock::time_point requested = Clock::now();
        stop.Request();
        const Clock::time_point ended = done.get();
        state.SetIterationTime(std::chrono::duration<double>(ended - requested).count());
    }
}
BENCHMARK(StopLatency)
    ->Arg(1000)
    ->Arg(5000)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvane

BENCHMARK_MAIN();
