// The logged 10 × 10 inverse on random entries of many digits, its whole log
// written into a sink that only counts bytes: the engine's own cost on big
// numbers (arithmetic, texts, line building), nothing of a pane or a file.
#include <benchmark/benchmark.h>

#include <chrono>

#include "BigGrids.h"
#include "StopTiming.h"
#include "core/StopSignal.h"
#include "core/engine/Engine.h"

namespace korvane {
namespace {

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
    const CellGrid start = BigRandomGrid(BigEntryKind::kComplexFraction, 1000);
    for (auto _ : state) {
        state.SetIterationTime(
            SecondsToStop(std::chrono::milliseconds(state.range(0)), [&](StepLog& log) {
                Engine engine;
                CellGrid grid = start;
                engine.Inverse(grid, log);
            }));
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
