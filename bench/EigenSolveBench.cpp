// The characteristic polynomial and the whole eigen decomposition (the
// diagonalisation command, whose log holds every step) on 10 × 10 matrices,
// and solve beside rref on the same augmented matrix.
#include <benchmark/benchmark.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/engine/Engine.h"
#include "core/engine/MatrixArithmetic.h"
#include "mklibs/mklibs.h"

namespace korvane {
namespace {

constexpr int kSize = 10;

int Uniform(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

ComplexFraction Entry(std::mt19937& rng, bool gaussian) {
    return {{Uniform(rng, -9, 9), 1}, {gaussian ? Uniform(rng, -9, 9) : 0, 1}};
}

CellGrid GridOf(const WorkMatrix& m) {
    CellGrid grid;
    grid.SetRows(m.LastRow() + 1);
    grid.SetCols(m.LastCol() + 1);
    for (int c = 0; c <= m.LastCol(); ++c) {
        for (int r = 0; r <= m.LastRow(); ++r)
            grid.SetCell(c, r, CpxText(m.At(c, r)));
    }
    return grid;
}

WorkMatrix RandomMatrix(bool gaussian) {
    std::mt19937 rng(20240601);
    WorkMatrix m;
    m.Resize(kSize, kSize);
    for (int c = 0; c < kSize; ++c) {
        for (int r = 0; r < kSize; ++r)
            m.Set(c, r, Entry(rng, gaussian));
    }
    return m;
}

// The random matrix with its last column replaced by the sum of the others:
// as (A | b) a system with one solution, so solve logs it and its check.
WorkMatrix ConsistentSystem(bool gaussian) {
    WorkMatrix m = RandomMatrix(gaussian);
    for (int r = 0; r < kSize; ++r) {
        ComplexFraction sum = CpxZero();
        for (int c = 0; c + 1 < kSize; ++c)
            CpxSubMul(sum, m.At(c, r), CpxNeg(CpxOne()));
        m.Set(kSize - 1, r, sum);
    }
    return m;
}

// S·D·S⁻¹ with S unimodular and D holding four distinct eigenvalues, some
// repeated: every eigenvalue exact, so every eigenspace is worked out and
// logged, and P, P⁻¹ and the check are printed.
WorkMatrix ExactEigenvalues(bool gaussian) {
    std::mt19937 rng(7);
    WorkMatrix s, d;
    s.Resize(kSize, kSize);
    d.Resize(kSize, kSize);
    for (int k = 0; k < kSize; ++k) {
        s.Set(k, k, CpxOne());
        d.Set(k, k, {{k % 4 - 1, 1}, {gaussian ? k % 3 - 1 : 0, 1}});
    }
    for (int step = 0; step < 3 * kSize; ++step) {
        const int target = Uniform(rng, 0, kSize - 1);
        const int source = (target + Uniform(rng, 1, kSize - 1)) % kSize;
        const ComplexFraction factor{{Uniform(rng, -1, 1), 1}, {0, 1}};
        for (int c = 0; c < kSize; ++c)
            CpxSubMul(s.Edit(c, target), s.At(c, source), factor);
    }
    return Product(Product(s, d), *InverseOf(s));
}

using Computation = std::function<void(Engine&, const CellGrid&, StepLog&)>;

void Run(benchmark::State& state, const Computation& computation, const CellGrid& grid) {
    Engine engine;
    std::size_t lines = 0;
    for (auto _ : state) {
        MemoryStepLog log;
        computation(engine, grid, log);
        lines = log.Lines().size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["log_lines"] = static_cast<double>(lines);
}

void RegisterAll() {
    const Computation charpoly = [](Engine& e, const CellGrid& g, StepLog& l) {
        e.CharacteristicPolynomial(g, l);
    };
    const Computation eigen = [](Engine& e, const CellGrid& g, StepLog& l) { e.Diagonalize(g, l); };
    const Computation solve = [](Engine& e, const CellGrid& g, StepLog& l) { e.Solve(g, l); };
    const Computation rref = [](Engine& e, const CellGrid& g, StepLog& l) {
        CellGrid copy = g;
        e.ReducedRowEchelonForm(copy, l);
    };
    for (const bool gaussian : {false, true}) {
        const std::string kind = gaussian ? "gaussian" : "int9";
        const CellGrid random = GridOf(RandomMatrix(gaussian));
        const CellGrid exact = GridOf(ExactEigenvalues(gaussian));
        const CellGrid consistent = GridOf(ConsistentSystem(gaussian));
        const std::vector<std::pair<std::string, std::pair<Computation, CellGrid>>> runs{
            {"charpoly/random_" + kind, {charpoly, random}},
            {"eigen/random_" + kind, {eigen, random}},
            {"charpoly/exact_eigenvalues_" + kind, {charpoly, exact}},
            {"eigen/exact_eigenvalues_" + kind, {eigen, exact}},
            {"solve/no_solution_" + kind, {solve, random}},
            {"rref/no_solution_" + kind, {rref, random}},
            {"solve/one_solution_" + kind, {solve, consistent}},
            {"rref/one_solution_" + kind, {rref, consistent}},
        };
        for (const auto& [name, run] : runs)
            benchmark::RegisterBenchmark(name.c_str(), Run, run.first, run.second)
                ->Unit(benchmark::kMillisecond);
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
