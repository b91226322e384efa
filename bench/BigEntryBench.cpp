// The logged 10 × 10 inverse on random entries of many digits, its whole log
// written into a sink that only counts bytes: the engine's own cost on big
// numbers (arithmetic, texts, line building), nothing of a pane or a file.
#include <benchmark/benchmark.h>

#include <chrono>
#include <future>
#include <random>
#include <string>
#include <thread>

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

std::string Digits(std::mt19937& rng, int count) {
    std::uniform_int_distribution<int> digit(0, 9);
    std::string text(1, static_cast<char>('1' + digit(rng) % 9));
    for (int i = 1; i < count; ++i)
        text += static_cast<char>('0' + digit(rng));
    return text;
}

// "a/b+ci/d" (or with '-') with every part `digits` long and a random sign on a.
std::string ComplexFractionText(std::mt19937& rng, int digits) {
    std::bernoulli_distribution coin;
    std::string text = coin(rng) ? "-" : "";
    text += Digits(rng, digits) + "/" + Digits(rng, digits);
    text += coin(rng) ? "+" : "-";
    return text + Digits(rng, digits) + "i/" + Digits(rng, digits);
}

std::string IntegerText(std::mt19937& rng, int digits) {
    std::bernoulli_distribution coin;
    return (coin(rng) ? "-" : "") + Digits(rng, digits);
}

// "a/b" with both parts `digits` long and a random sign.
std::string FractionText(std::mt19937& rng, int digits) {
    return IntegerText(rng, digits) + "/" + Digits(rng, digits);
}

enum class Kind { kInteger, kFraction, kComplexFraction };

CellGrid RandomGrid(Kind kind, int digits) {
    std::mt19937 rng(20250101);
    CellGrid grid;
    grid.SetRows(10);
    grid.SetCols(10);
    for (int c = 0; c < 10; ++c) {
        for (int r = 0; r < 10; ++r) {
            grid.SetCell(c, r,
                         kind == Kind::kInteger    ? IntegerText(rng, digits)
                         : kind == Kind::kFraction ? FractionText(rng, digits)
                                                   : ComplexFractionText(rng, digits));
        }
    }
    return grid;
}

void InverseIntoNullSink(benchmark::State& state, Kind kind) {
    const CellGrid start = RandomGrid(kind, static_cast<int>(state.range(0)));
    Engine engine;
    CountingStepLog log;
    for (auto _ : state) {
        CellGrid grid = start;
        engine.Inverse(grid, log);
        benchmark::DoNotOptimize(grid);
    }
    state.counters["log_bytes"] = static_cast<double>(log.Bytes());
}

BENCHMARK_CAPTURE(InverseIntoNullSink, integer, Kind::kInteger)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(InverseIntoNullSink, fraction, Kind::kFraction)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(1);
BENCHMARK_CAPTURE(InverseIntoNullSink, complex_fraction, Kind::kComplexFraction)
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
    const CellGrid start = RandomGrid(Kind::kComplexFraction, 1000);
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
