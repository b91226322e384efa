#include "core/engine/RowReduction.h"

#include <string>
#include <utility>

#include "core/StopSignal.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/RowOperationText.h"

namespace korvane {

void RowReduction::RowReduce(std::int32_t col, std::int32_t row) {
    // One turn per step at (col, row): exchange, scale, or eliminate and move
    // on diagonally; a column without a pivot is passed over silently.
    while (col <= matrix_.LastCol() && row <= matrix_.LastRow()) {
        StopPoint();
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
    // The pivot row is the source of every subtraction of this pass.
    const CommonRow source = OverCommonDenominators(pivotRow);
    for (std::int32_t i = 0; i <= matrix_.LastRow(); ++i) {
        if (i != pivotRow && !CpxIsZero(matrix_.At(col, i)))
            Subtract(i, pivotRow, matrix_.At(col, i), source);
    }
}

RowReduction::CommonRow RowReduction::OverCommonDenominators(std::int32_t row) const {
    CommonRow common(static_cast<std::size_t>(matrix_.LastCol() + 1));
    for (std::int32_t c = 0; c <= matrix_.LastCol(); ++c) {
        if (CpxIsZero(matrix_.At(c, row))) continue;
        StopPoint();
        common[c] = ToCommonDenominator(matrix_.At(c, row));
    }
    return common;
}

void RowReduction::SwapRows(std::int32_t a, std::int32_t b) {
    matrix_.SwapRows(a, b);
    ++tally_.swapCount;
    Logged(RowOperation::Swap(a, b));
}

void RowReduction::ScaleRow(std::int32_t row, ComplexFraction factor) {
    // entry·factor = 0 − entry·(−factor), with the update's few gcds.
    const CpxOverCommon negated = ToCommonDenominator(CpxNeg(factor));
    for (std::int32_t c = 0; c <= matrix_.LastCol(); ++c) {
        // Zero times anything is the zero already there.
        if (CpxIsZero(matrix_.At(c, row))) continue;
        StopPoint();
        ComplexFraction product = CpxZero();
        CpxSubMulCommon(product, ToCommonDenominator(matrix_.At(c, row)), negated);
        matrix_.Set(c, row, std::move(product));
    }
    tally_.detFactor = CpxMul(tally_.detFactor, factor);
    Logged(RowOperation::Scale(row, std::move(factor)));
}

void RowReduction::SubtractRowMultiple(std::int32_t target, std::int32_t source,
                                       ComplexFraction factor) {
    Subtract(target, source, std::move(factor), OverCommonDenominators(source));
}

void RowReduction::Subtract(std::int32_t target, std::int32_t source, ComplexFraction factor,
                            const CommonRow& sourceRow) {
    const CpxOverCommon f = ToCommonDenominator(factor);
    for (std::int32_t c = 0; c <= matrix_.LastCol(); ++c) {
        // A zero in the source row leaves the target entry as it is.
        if (!sourceRow[c]) continue;
        StopPoint();
        CpxSubMulCommon(matrix_.Edit(c, target), f, *sourceRow[c]);
    }
    // target − factor × source is target + (−factor) × source.
    Logged(RowOperation::Add(target, source, CpxNeg(factor)));
}

void RowReduction::Logged(const RowOperation& operation) {
    log_.AppendStepLog(RowOperationLine(operation, style_));
    PrintWorkMatrix(matrix_, log_);
    if (watcher_) watcher_(operation);
}

std::int32_t RowReduction::FindNonzeroBelow(std::int32_t col, std::int32_t row) const {
    for (std::int32_t k = row; k <= matrix_.LastRow(); ++k) {
        if (!CpxIsZero(matrix_.At(col, k))) return k;
    }
    return 0;
}

}  // namespace korvane
