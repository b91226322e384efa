#include "core/engine/RowReduction.h"

#include <string>

#include "core/engine/MatrixPrinting.h"

namespace korvane {

namespace {

std::string RowNumber(std::int32_t row) {
    return std::to_string(row + 1);
}

}  // namespace

void RowReduction::RowReduce(std::int32_t col, std::int32_t row) {
    // One turn per step at (col, row): exchange, scale, or eliminate and move
    // on diagonally; a column without a pivot is passed over silently.
    while (col <= matrix_.LastCol() && row <= matrix_.LastRow()) {
        const ComplexFraction& pivot = matrix_.At(col, row);
        if (CpxIsZero(pivot)) {
            const std::int32_t below = FindNonzeroBelow(col, row);
            if (below == 0) {
                ++col;
            } else {
                SwapRows(row, below);
            }
        } else if (CpxIsOne(pivot)) {
            EliminateColumn(col, row);
            ++col;
            ++row;
        } else {
            ScaleRow(row, CpxInv(pivot));
        }
    }
    log_.AppendStepLog("これで、行階段基本形になりました。");
}

void RowReduction::EliminateColumn(std::int32_t col, std::int32_t pivotRow) {
    for (std::int32_t i = 0; i <= matrix_.LastRow(); ++i) {
        if (i != pivotRow && !CpxIsZero(matrix_.At(col, i)))
            SubtractRowMultiple(i, pivotRow, matrix_.At(col, i));
    }
}

void RowReduction::SwapRows(std::int32_t a, std::int32_t b) {
    matrix_.SwapRows(a, b);
    log_.AppendStepLog(RowNumber(a) + "行目と" + RowNumber(b) + "行目を入れ換えます。");
    ++tally_.swapCount;
    PrintWorkMatrix(matrix_, log_);
}

void RowReduction::ScaleRow(std::int32_t row, ComplexFraction factor) {
    for (std::int32_t c = 0; c <= matrix_.LastCol(); ++c) {
        // Zero times anything is the zero already there.
        if (!CpxIsZero(matrix_.At(c, row))) matrix_.Set(c, row, CpxMul(matrix_.At(c, row), factor));
    }
    log_.AppendStepLog(RowNumber(row) + "行目を" + CpxText(factor) + "倍します。");
    tally_.detFactor = CpxMul(tally_.detFactor, factor);
    PrintWorkMatrix(matrix_, log_);
}

void RowReduction::SubtractRowMultiple(std::int32_t target, std::int32_t source,
                                       ComplexFraction factor) {
    for (std::int32_t c = 0; c <= matrix_.LastCol(); ++c) {
        // A zero in the source row leaves the target entry as it is.
        if (!CpxIsZero(matrix_.At(c, source)))
            CpxSubMul(matrix_.Edit(c, target), matrix_.At(c, source), factor);
    }
    log_.AppendStepLog(RowNumber(target) + "行目から" + RowNumber(source) + "行目の" +
                       CpxText(factor) + "倍を引きます。");
    PrintWorkMatrix(matrix_, log_);
}

std::int32_t RowReduction::FindNonzeroBelow(std::int32_t col, std::int32_t row) const {
    for (std::int32_t k = row; k <= matrix_.LastRow(); ++k) {
        if (!CpxIsZero(matrix_.At(col, k))) return k;
    }
    return 0;
}

}  // namespace korvane
