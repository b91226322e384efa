// The eigenvectors and the diagonalisation, with their full logs, of a 6 × 6
// symmetric integer matrix with the eigenvalues ±25√5, 50, −75 and
// 25(3 ± √13)/2: four eigenspaces reduced over the surds, and the check
// AP = PD column by column, as P needs both roots.
#include <benchmark/benchmark.h>

#include <array>
#include <functional>
#include <string>

#include "core/engine/Engine.h"
#include "mklibs/mklibs.h"

namespace korvane {
namespace {

// R·J·Rᵀ with J the blocks [[2,1],[1,-2]], [[1,2],[2,-2]], [[0,1],[1,3]] and
// R = 5Q for rotations Q by (3,4)/5 on the pairs (1,3), (2,5), (4,6): an
// integer symmetric matrix with the eigenvalues of 25J.
CellGrid SymmetricWithQuadraticEigenvalues() {
    constexpr int n = 6;
    std::array<std::array<int, n>, n> j{};
    const int blocks[3][3] = {{2, 1, -2}, {1, 2, -2}, {0, 1, 3}};
    for (int b = 0; b < 3; ++b) {
        j[2 * b][2 * b] = blocks[b][0];
        j[2 * b][2 * b + 1] = j[2 * b + 1][2 * b] = blocks[b][1];
        j[2 * b + 1][2 * b + 1] = blocks[b][2];
    }
    std::array<std::array<int, n>, n> r{};
    for (const auto& [p, q] : {std::pair{0, 2}, std::pair{1, 4}, std::pair{3, 5}}) {
        r[p][p] = 3;
        r[p][q] = -4;
        r[q][p] = 4;
        r[q][q] = 3;
    }
    CellGrid grid;
    grid.SetRows(n);
    grid.SetCols(n);
    for (int a = 0; a < n; ++a) {
        for (int b = 0; b < n; ++b) {
            long sum = 0;
            for (int k = 0; k < n; ++k) {
                for (int l = 0; l < n; ++l)
                    sum += static_cast<long>(r[a][k]) * j[k][l] * r[b][l];
            }
            grid.SetCell(b, a, std::to_string(sum));
        }
    }
    return grid;
}

using Working = std::function<bool(const CellGrid&, StepLog&)>;

void Run(benchmark::State& state, const Working& working, const CellGrid& grid) {
    std::size_t lines = 0;
    for (auto _ : state) {
        MemoryStepLog log;
        working(grid, log);
        lines = log.Lines().size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["log_lines"] = static_cast<double>(lines);
}

void RegisterAll() {
    const CellGrid grid = SymmetricWithQuadraticEigenvalues();
    benchmark::RegisterBenchmark(
        "eigenvectors/6x6_symmetric_quadratic_eigenvalues", Run,
        Working([](const CellGrid& g, StepLog& l) { return Engine().Eigenvectors(g, l); }), grid)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(
        "diagonalize/6x6_symmetric_quadratic_eigenvalues", Run,
        Working([](const CellGrid& g, StepLog& l) { return Engine().Diagonalize(g, l); }), grid)
        ->Unit(benchmark::kMillisecond);
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
