// Gram–Schmidt on 10 columns of 10 entries with its full log (every inner
// product, difference and norm, then the orthonormal vectors as surds), QR of
// the same matrix, and the orthogonal diagonalisation of 6 × 6 symmetric
// matrices with rational and with quadratic eigenvalues.
#include <benchmark/benchmark.h>

#include <functional>
#include <random>
#include <string>

#include "core/orthogonality/GramSchmidt.h"
#include "core/orthogonality/OrthogonalDiagonalization.h"
#include "core/orthogonality/QrDecomposition.h"
#include "mklibs/mklibs.h"

namespace korvane {
namespace {

CellGrid RandomGrid(int size, bool gaussian) {
    std::mt19937 rng(20240601);
    std::uniform_int_distribution<int> digit(-9, 9);
    CellGrid grid;
    grid.SetRows(size);
    grid.SetCols(size);
    for (int c = 0; c < size; ++c) {
        for (int r = 0; r < size; ++r) {
            const ComplexFraction z{{digit(rng), 1}, {gaussian ? digit(rng) : 0, 1}};
            grid.SetCell(c, r, CpxText(z));
        }
    }
    return grid;
}

// H·D·H with H = I − 2vvᵀ/(vᵀv), v = (1, 2, …, 6): symmetric with the
// eigenvalues of D, two of them repeated, so two eigenspaces are made
// orthogonal inside.
CellGrid SymmetricWithRationalEigenvalues() {
    constexpr int n = 6;
    const int diagonal[n] = {3, 3, -1, 2, 2, 5};
    int vv = 0;
    for (int k = 1; k <= n; ++k)
        vv += k * k;
    auto h = [&](int i, int j) {
        return FracSub(Fraction{i == j ? 1 : 0}, FracMul(Fraction{2 * (i + 1) * (j + 1)},
                                                         FracInv(Fraction{vv})));
    };
    CellGrid grid;
    grid.SetRows(n);
    grid.SetCols(n);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            Fraction sum;
            for (int k = 0; k < n; ++k)
                sum = FracAdd(sum, FracMul(FracMul(h(i, k), Fraction{diagonal[k]}), h(k, j)));
            grid.SetCell(j, i, FracText(sum));
        }
    }
    return grid;
}

// [[T + J, T], [T, J]] = S⊗T + I⊗J with S = [[1, 1], [1, 0]], T = I + J and
// J the 3 × 3 matrix of ones: an integer matrix with the eigenvalues 5 ± 2√5
// and (1 ± √5)/2 twice, so two eigenspaces over √5 are made orthogonal
// inside and P has nested roots.
CellGrid SymmetricWithQuadraticEigenvalues() {
    constexpr int n = 6;
    const int entries[n][n] = {{3, 2, 2, 2, 1, 1}, {2, 3, 2, 1, 2, 1}, {2, 2, 3, 1, 1, 2},
                               {2, 1, 1, 1, 1, 1}, {1, 2, 1, 1, 1, 1}, {1, 1, 2, 1, 1, 1}};
    CellGrid grid;
    grid.SetRows(n);
    grid.SetCols(n);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j)
            grid.SetCell(j, i, std::to_string(entries[i][j]));
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
    const Working orthogonal = [](const CellGrid& g, StepLog& l) {
        return OrthogonalDiagonalization(g, l);
    };
    for (const bool gaussian : {false, true}) {
        const std::string kind = gaussian ? "gaussian" : "int9";
        const CellGrid grid = RandomGrid(10, gaussian);
        benchmark::RegisterBenchmark(("gram_schmidt/10_columns_" + kind).c_str(), Run,
                                     Working(GramSchmidt), grid)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("qr/10x10_" + kind).c_str(), Run, Working(QrDecomposition),
                                     grid)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("orthogonal_diagonalize/6x6_rational_eigenvalues", Run,
                                 orthogonal, SymmetricWithRationalEigenvalues())
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("orthogonal_diagonalize/6x6_quadratic_eigenvalues", Run,
                                 orthogonal, SymmetricWithQuadraticEigenvalues())
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
