#include "TestMatrices.h"

#include <cassert>

namespace korvane::test {

namespace {

ComplexFraction Zero() {
    return {{0, 1}, {0, 1}};
}

Fraction RandomFraction(std::mt19937& rng, int range, int maxDen) {
    std::uniform_int_distribution<int> num(-range, range);
    std::uniform_int_distribution<int> den(1, maxDen);
    return FracReduce({num(rng), den(rng)});
}

ComplexFraction RandomEntry(std::mt19937& rng, EntryKind kind) {
    switch (kind) {
        case EntryKind::kSmallInteger:
            return {RandomFraction(rng, 9, 1), {0, 1}};
        case EntryKind::kFraction:
            return {RandomFraction(rng, 9, 9), {0, 1}};
        case EntryKind::kGaussianRational:
            return {RandomFraction(rng, 5, 4), RandomFraction(rng, 5, 4)};
        case EntryKind::kLargeInteger: {
            // Around 10^15, so products and denominators pass 64 bits.
            std::uniform_int_distribution<std::int64_t> big(-999'999'999'999'999,
                                                            999'999'999'999'999);
            return {{big(rng), 1}, {0, 1}};
        }
    }
    return Zero();
}

}  // namespace

CellGrid GridOf(const std::vector<Lines>& rows) {
    CellGrid grid;
    grid.SetRows(static_cast<int>(rows.size()));
    grid.SetCols(static_cast<int>(rows.front().size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            grid.SetCell(static_cast<int>(c), static_cast<int>(r), rows[r][c]);
    }
    return grid;
}

Matrix ValuesOf(const CellGrid& grid) {
    Matrix m(grid.Rows(), std::vector<ComplexFraction>(grid.Cols()));
    for (int r = 0; r < grid.Rows(); ++r) {
        for (int c = 0; c < grid.Cols(); ++c)
            m[r][c] = CpxParse(grid.Cell(c, r));
    }
    return m;
}

CellGrid GridOfValues(const Matrix& values) {
    std::vector<Lines> rows;
    for (const auto& row : values) {
        Lines texts;
        for (const ComplexFraction& z : row)
            texts.push_back(CpxText(z));
        rows.push_back(texts);
    }
    return GridOf(rows);
}

ComplexFraction Value(const std::string& text) {
    return CpxParse(text);
}

ComplexFraction Add(const ComplexFraction& a, const ComplexFraction& b) {
    return CpxSub(a, CpxNeg(b));
}

Matrix Multiply(const Matrix& a, const Matrix& b) {
    Matrix product(a.size(), std::vector<ComplexFraction>(b.front().size(), Zero()));
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.front().size(); ++j) {
            for (std::size_t k = 0; k < b.size(); ++k)
                product[i][j] = Add(product[i][j], CpxMul(a[i][k], b[k][j]));
        }
    }
    return product;
}

Matrix Identity(std::size_t n) {
    Matrix m(n, std::vector<ComplexFraction>(n, Zero()));
    for (std::size_t i = 0; i < n; ++i)
        m[i][i] = {{1, 1}, {0, 1}};
    return m;
}

ComplexFraction CofactorDeterminant(const Matrix& m) {
    const std::size_t n = m.size();
    if (n == 1) return m[0][0];
    ComplexFraction det = Zero();
    for (std::size_t j = 0; j < n; ++j) {
        Matrix minor;
        for (std::size_t r = 1; r < n; ++r) {
            std::vector<ComplexFraction> row;
            for (std::size_t c = 0; c < n; ++c) {
                if (c != j) row.push_back(m[r][c]);
            }
            minor.push_back(row);
        }
        const ComplexFraction term = CpxMul(m[0][j], CofactorDeterminant(minor));
        det = j % 2 == 0 ? Add(det, term) : CpxSub(det, term);
    }
    return det;
}

bool IsReducedRowEchelon(const Matrix& m) {
    std::size_t lastLead = 0;
    bool seenLead = false;
    bool seenZeroRow = false;
    for (std::size_t r = 0; r < m.size(); ++r) {
        std::size_t lead = 0;
        while (lead < m[r].size() && CpxIsZero(m[r][lead]))
            ++lead;
        if (lead == m[r].size()) {
            seenZeroRow = true;
            continue;
        }
        if (seenZeroRow || (seenLead && lead <= lastLead) || !CpxIsOne(m[r][lead])) return false;
        for (std::size_t i = 0; i < m.size(); ++i) {
            if (i != r && !CpxIsZero(m[i][lead])) return false;
        }
        lastLead = lead;
        seenLead = true;
    }
    return true;
}

std::size_t NonzeroRows(const Matrix& m) {
    std::size_t count = 0;
    for (const auto& row : m) {
        for (const ComplexFraction& z : row) {
            if (!CpxIsZero(z)) {
                ++count;
                break;
            }
        }
    }
    return count;
}

Matrix RandomMatrix(std::mt19937& rng, std::size_t rows, std::size_t cols, EntryKind kind) {
    Matrix m(rows, std::vector<ComplexFraction>(cols));
    for (auto& row : m) {
        for (ComplexFraction& z : row)
            z = RandomEntry(rng, kind);
    }
    return m;
}

Matrix RandomLowRank(std::mt19937& rng, std::size_t rows, std::size_t cols, std::size_t rank) {
    assert(rank >= 1);
    return Multiply(RandomMatrix(rng, rows, rank, EntryKind::kSmallInteger),
                    RandomMatrix(rng, rank, cols, EntryKind::kSmallInteger));
}

}  // namespace korvane::test
