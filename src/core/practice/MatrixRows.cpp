#include "core/practice/MatrixRows.h"

#include "core/engine/MatrixGrid.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

WorkMatrix ToWorkMatrix(const MatrixRows& rows) {
    WorkMatrix matrix;
    matrix.Resize(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            matrix.Set(static_cast<int>(c), static_cast<int>(r), rows[r][c]);
    }
    return matrix;
}

MatrixRows FromWorkMatrix(const WorkMatrix& matrix) {
    MatrixRows rows(matrix.LastRow() + 1, MatrixRow(matrix.LastCol() + 1));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            rows[r][c] = matrix.At(static_cast<int>(c), static_cast<int>(r));
    }
    return rows;
}

MatrixRows ReadRows(const CellGrid& grid) {
    WorkMatrix matrix;
    LoadWorkMatrix(matrix, grid);
    return FromWorkMatrix(matrix);
}

MatrixRows WithIdentity(const MatrixRows& square) {
    MatrixRows rows = square;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < square.size(); ++c)
            rows[r].push_back(r == c ? CpxOne() : CpxZero());
    }
    return rows;
}

void PrintRows(const MatrixRows& rows, StepLog& log) {
    PrintWorkMatrix(ToWorkMatrix(rows), log);
}

CellGrid StoreRows(const MatrixRows& rows, CellGrid grid) {
    StoreWorkMatrix(ToWorkMatrix(rows), grid);
    return grid;
}

MatrixRow ZeroRow(std::size_t length) {
    return MatrixRow(length, CpxZero());
}

bool IsZeroRow(const MatrixRow& row) {
    for (const ComplexFraction& z : row) {
        if (!CpxIsZero(z)) return false;
    }
    return true;
}

void AddMultiple(MatrixRow& x, const ComplexFraction& multiple, const MatrixRow& y) {
    const ComplexFraction minus = CpxNeg(multiple);
    for (std::size_t c = 0; c < x.size(); ++c) {
        if (!CpxIsZero(y[c])) CpxSubMul(x[c], y[c], minus);
    }
}

std::optional<ComplexFraction> RowRatio(const MatrixRow& x, const MatrixRow& y) {
    std::optional<ComplexFraction> ratio;
    for (std::size_t c = 0; c < y.size(); ++c) {
        if (CpxIsZero(y[c])) {
            if (!CpxIsZero(x[c])) return std::nullopt;
        } else if (!ratio) {
            ratio = QuotientOf(x[c], y[c]);
        } else if (!(CpxMul(*ratio, y[c]) == x[c])) {
            return std::nullopt;
        }
    }
    return ratio;
}

ComplexFraction SumOf(const ComplexFraction& a, const ComplexFraction& b) {
    return CpxSub(a, CpxNeg(b));
}

ComplexFraction QuotientOf(const ComplexFraction& a, const ComplexFraction& b) {
    return CpxMul(a, CpxInv(b));
}

}  // namespace korvane
