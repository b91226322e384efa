// The six computations, each with its whole step log built in memory, on
// fixed random 10 × 10 matrices of five kinds of entries.
#include <benchmark/benchmark.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/engine/Engine.h"
#include "mklibs/mklibs.h"

namespace korvane {
namespace {

using EntryMaker = std::function<std::string(std::mt19937&)>;

int Uniform(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

struct MatrixKind {
    const char* name;
    EntryMaker entry;
};

const std::vector<MatrixKind>& Kinds() {
    static const std::vector<MatrixKind> kinds{
        {"int9", [](std::mt19937& g) { return std::to_string(Uniform(g, -9, 9)); }},
        {"int99", [](std::mt19937& g) { return std::to_string(Uniform(g, -99, 99)); }},
        {"fraction",
         [](std::mt19937& g) {
             return std::to_string(Uniform(g, -9, 9)) + "/" + std::to_string(Uniform(g, 1, 9));
         }},
        {"gaussian",
         [](std::mt19937& g) {
             return CpxText({{Uniform(g, -5, 5), 1}, {Uniform(g, -5, 5), 1}});
         }},
        {"complex_fraction",
         [](std::mt19937& g) {
             const Fraction re = FracReduce({Uniform(g, -5, 5), Uniform(g, 1, 5)});
             const Fraction im = FracReduce({Uniform(g, -5, 5), Uniform(g, 1, 5)});
             return CpxText({re, im});
         }},
    };
    return kinds;
}

CellGrid RandomGrid(const MatrixKind& kind) {
    std::mt19937 rng(20240601);
    CellGrid grid;
    grid.SetRows(10);
    grid.SetCols(10);
    for (int c = 0; c < 10; ++c) {
        for (int r = 0; r < 10; ++r)
            grid.SetCell(c, r, kind.entry(rng));
    }
    return grid;
}

using Computation = std::function<void(Engine&, CellGrid&, StepLog&)>;

struct NamedComputation {
    const char* name;
    Computation run;
};

const std::vector<NamedComputation> kComputations{
    {"rref", [](Engine& e, CellGrid& g, StepLog& l) { e.ReducedRowEchelonForm(g, l); }},
    {"inverse", [](Engine& e, CellGrid& g, StepLog& l) { e.Inverse(g, l); }},
    {"transpose", [](Engine& e, CellGrid& g, StepLog& l) { e.Transpose(g, l); }},
    {"kernel", [](Engine& e, CellGrid& g, StepLog& l) { e.Kernel(g, l); }},
    {"image", [](Engine& e, CellGrid& g, StepLog& l) { e.Image(g, l); }},
    {"det", [](Engine& e, CellGrid& g, StepLog& l) { e.Determinant(g, l); }},
};

void RunComputation(benchmark::State& state, const NamedComputation& computation,
                    const CellGrid& start) {
    Engine engine;
    std::size_t logBytes = 0;
    for (auto _ : state) {
        CellGrid grid = start;
        MemoryStepLog log;
        computation.run(engine, grid, log);
        logBytes = 0;
        for (const std::string& line : log.Lines())
            logBytes += line.size() + 1;
        benchmark::DoNotOptimize(logBytes);
    }
    state.counters["log_bytes"] = static_cast<double>(logBytes);
}

void RegisterAll() {
    for (const MatrixKind& kind : Kinds()) {
        const CellGrid grid = RandomGrid(kind);
        for (const NamedComputation& computation : kComputations) {
            const std::string name = std::string(computation.name) + "/" + kind.name;
            benchmark::RegisterBenchmark(name.c_str(), RunComputation, computation, grid)
                ->Unit(benchmark::kMillisecond);
        }
    }
}

}  // namespace
}  // namespace korvane

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    korvane::RegisterAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
