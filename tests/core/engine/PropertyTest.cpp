// Properties of the six computations over many random matrices, checked
// against independent arithmetic on the values.
#include <gtest/gtest.h>

#include "TestMatrices.h"
#include "core/engine/Engine.h"

namespace korvane {
namespace {

using namespace test;

struct Sample {
    std::string name;
    Matrix values;
};

void PrintTo(const Sample& sample, std::ostream* out) {
    *out << sample.name;
}

std::vector<Sample> Samples() {
    std::mt19937 rng(2024);
    std::uniform_int_distribution<std::size_t> size(1, 5);
    const EntryKind kinds[] = {EntryKind::kSmallInteger, EntryKind::kFraction,
                               EntryKind::kGaussianRational, EntryKind::kLargeInteger};
    std::vector<Sample> samples;
    for (int i = 0; i < 320; ++i) {
        const std::size_t rows = size(rng);
        const std::size_t cols = i % 3 == 0 ? rows : size(rng);  // many square ones
        const EntryKind kind = kinds[i % 4];
        samples.push_back({"random" + std::to_string(i), RandomMatrix(rng, rows, cols, kind)});
        if (i % 4 == 0) {
            const std::size_t rank = std::min(rows, cols) > 1 ? std::min(rows, cols) - 1 : 1;
            samples.push_back(
                {"lowrank" + std::to_string(i), RandomLowRank(rng, rows, cols, rank)});
        }
    }
    for (std::size_t n : {1, 2, 4, 10}) {
        samples.push_back({"zero" + std::to_string(n), RandomLowRank(rng, n, n, 1)});
        for (auto& row : samples.back().values) {
            for (ComplexFraction& z : row)
                z = CpxSub(z, z);
        }
    }
    for (int i = 0; i < 12; ++i) {
        samples.push_back({"ten" + std::to_string(i), RandomMatrix(rng, 10, 10, kinds[i % 4])});
        samples.push_back({"tenlow" + std::to_string(i), RandomLowRank(rng, 10, 10, 7)});
    }
    return samples;
}

Lines RunLog(bool (Engine::*op)(const CellGrid&, StepLog&), const CellGrid& grid) {
    Engine engine;
    MemoryStepLog log;
    (engine.*op)(grid, log);
    return log.Lines();
}

// "span{(a,b),(c,d)}" as its vectors of component texts.
std::vector<Lines> SpanVectors(const std::string& text) {
    std::vector<Lines> vectors;
    std::size_t pos = text.find('(');
    while (pos != std::string::npos) {
        const std::size_t end = text.find(')', pos);
        Lines components;
        std::size_t start = pos + 1;
        for (std::size_t comma; (comma = text.find(',', start)) < end; start = comma + 1)
            components.push_back(text.substr(start, comma - start));
        components.push_back(text.substr(start, end - start));
        vectors.push_back(components);
        pos = text.find('(', end);
    }
    return vectors;
}

std::string WholeSpace(std::size_t n) {
    return std::to_string(n) + "次元ベクトル空間全体";
}

class Properties : public ::testing::TestWithParam<Sample> {};

TEST_P(Properties, AllSixComputationsAgree) {
    const Matrix& a = GetParam().values;
    const std::size_t rows = a.size();
    const std::size_t cols = a.front().size();
    const CellGrid grid = GridOfValues(a);
    Engine engine;
    MemoryStepLog log;

    // Reduced row echelon form, and from it the rank and the pivot columns.
    CellGrid reducedGrid = grid;
    EXPECT_TRUE(engine.ReducedRowEchelonForm(reducedGrid, log));
    const Matrix reduced = ValuesOf(reducedGrid);
    ASSERT_TRUE(IsReducedRowEchelon(reduced));
    const std::size_t rank = NonzeroRows(reduced);
    std::vector<std::size_t> pivotCols;
    for (std::size_t r = 0; r < rank; ++r) {
        std::size_t c = 0;
        while (CpxIsZero(reduced[r][c]))
            ++c;
        pivotCols.push_back(c);
    }

    // Kernel: columns − rank vectors, each mapped to zero.
    const Lines kernelLog = RunLog(&Engine::Kernel, grid);
    const std::string kernel = kernelLog[kernelLog.size() - 2];
    if (rank == 0) {
        EXPECT_EQ(kernel, WholeSpace(cols));
    } else if (rank == cols) {
        EXPECT_EQ(kernel, "{0}");
    } else {
        const std::vector<Lines> basis = SpanVectors(kernel);
        EXPECT_EQ(basis.size(), cols - rank);
        for (const Lines& v : basis) {
            ASSERT_EQ(v.size(), cols);
            Matrix column;
            for (const std::string& text : v)
                column.push_back({Value(text)});
            EXPECT_EQ(NonzeroRows(Multiply(a, column)), 0u) << kernel;
        }
    }

    // Image: the grid's own columns at the pivot positions.
    const Lines imageLog = RunLog(&Engine::Image, grid);
    const std::string image = imageLog[imageLog.size() - 2];
    if (rank == 0) {
        EXPECT_EQ(image, "{0}");
    } else if (rank == rows) {
        EXPECT_EQ(image, WholeSpace(rows));
    } else {
        const std::vector<Lines> vectors = SpanVectors(image);
        ASSERT_EQ(vectors.size(), rank);
        for (std::size_t k = 0; k < rank; ++k) {
            for (std::size_t r = 0; r < rows; ++r)
                EXPECT_EQ(vectors[k][r], grid.Cell(pivotCols[k], r));
        }
    }

    // Transpose.
    CellGrid transposed = grid;
    EXPECT_TRUE(engine.Transpose(transposed, log));
    const Matrix t = ValuesOf(transposed);
    ASSERT_EQ(t.size(), cols);
    for (std::size_t r = 0; r < rows; ++r) {
        for (std::size_t c = 0; c < cols; ++c)
            EXPECT_EQ(t[c][r], a[r][c]);
    }

    if (rows != cols) return;

    // Inverse: refused exactly when the rank falls short, else A·A⁻¹ = I.
    CellGrid inverseGrid = grid;
    const bool inverted = engine.Inverse(inverseGrid, log);
    EXPECT_EQ(inverted, rank == rows);
    if (inverted) {
        EXPECT_EQ(Multiply(a, ValuesOf(inverseGrid)), Identity(rows));
    } else {
        EXPECT_EQ(inverseGrid, grid);
    }

    // Determinant: the cofactor expansion where it is affordable.
    const Lines detLog = RunLog(&Engine::Determinant, grid);
    if (!inverted) {
        EXPECT_EQ(detLog.back(), "これは可逆行列でなかったため、行列式は0です。");
    }
    if (rows <= 5) {
        const ComplexFraction det = CofactorDeterminant(a);
        EXPECT_EQ(CpxIsZero(det), !inverted);
        if (!CpxIsZero(det)) {
            EXPECT_EQ(detLog.back(), "よって、行列式は、" + CpxText(det) + "です。");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(RandomMatrices, Properties, ::testing::ValuesIn(Samples()),
                         [](const auto& sample) { return sample.param.name; });

}  // namespace
}  // namespace korvane
