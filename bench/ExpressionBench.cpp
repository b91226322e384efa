// Expressions over named matrices with their whole working logged into a
// sink that only counts bytes: A^100 of a 10 × 10 Gaussian-rational matrix
// by repeated squaring, a ten-term expression over ten matrices, and how
// soon a big power ends once a stop is asked for.
#include <benchmark/benchmark.h>

#include <chrono>
#include <random>
#include <string>

#include "StopTiming.h"
#include "core/workspace/Evaluation.h"

namespace korvane {
namespace {

int Uniform(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

// n × n of Gaussian rationals a/b + ci/d, |a|, |c| ≤ 4, b, d ≤ 3.
CellGrid GaussianGrid(std::mt19937& rng, int n) {
    CellGrid grid;
    grid.SetRows(n);
    grid.SetCols(n);
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < n; ++r) {
            const Fraction re = FracReduce({Uniform(rng, -4, 4), Uniform(rng, 1, 3)});
            const Fraction im = FracReduce({Uniform(rng, -4, 4), Uniform(rng, 1, 3)});
            grid.SetCell(c, r, CpxText({re, im}));
        }
    }
    return grid;
}

Workspace TenMatrices(int n) {
    std::mt19937 rng(20240601);
    Workspace workspace;
    for (const char name : std::string_view("ABCDEFGHJK"))
        workspace.Store(name, GaussianGrid(rng, n));
    return workspace;
}

void Evaluate(benchmark::State& state, std::string_view expression, const Workspace& workspace) {
    CountingStepLog log;
    for (auto _ : state) {
        const Evaluation result = EvaluateExpression(expression, workspace, log);
        benchmark::DoNotOptimize(result);
    }
    state.counters["log_bytes"] = static_cast<double>(log.Bytes());
}

void PowerOfAHundred(benchmark::State& state) {
    Evaluate(state, "A^100", TenMatrices(10));
}
BENCHMARK(PowerOfAHundred)->Unit(benchmark::kMillisecond);

// Ten terms: products, a power, transposes, an inverse, scalar multiples by
// numbers, i, a trace and a determinant; n × n matrices, worked entry by
// entry up to 4 × 4.
void TenTerms(benchmark::State& state) {
    Evaluate(state, "A B - 2C + D^2 - (1/2)E^T + iF - G^-1 + tr(A)H - det(B)J + K^H",
             TenMatrices(static_cast<int>(state.range(0))));
}
BENCHMARK(TenTerms)->Arg(4)->Arg(10)->Unit(benchmark::kMillisecond);

// How long A^2000000000 of a 10 × 10 matrix takes to end after a stop is
// asked for, state.range(0) ms into its work (the entries grow with every
// square). Only that wait is timed.
void StopLatency(benchmark::State& state) {
    const Workspace workspace = TenMatrices(10);
    for (auto _ : state) {
        state.SetIterationTime(SecondsToStop(
            std::chrono::milliseconds(state.range(0)),
            [&](StepLog& log) { EvaluateExpression("A^2000000000", workspace, log); }));
    }
}
BENCHMARK(StopLatency)
    ->Arg(200)
    ->Arg(2000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace korvane

BENCHMARK_MAIN();
