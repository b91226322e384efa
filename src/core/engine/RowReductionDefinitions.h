#pragma once

// The members of BasicRowReduction, for the .cpp files that instantiate it
// for a field.

#include <string>
#include <utility>

#include "core/StopSignal.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/RowOperationText.h"
#include "core/engine/RowReduction.h"

namespace korvane {

template <EngineField F>
auto BasicRowReduction<F>::AsOperand(const Number& x) -> Operand {
    if constexpr (PreparedOperands<F>) {
        return F::Prepare(x);
    } else {
        return x;
    }
}

template <EngineField F>
void BasicRowReduction<F>::SubMul(Number& t, const Operand& a, const Operand& b) {
    if constexpr (PreparedOperands<F>) {
        F::SubMulPrepared(t, a, b);
    } else {
        F::SubMul(t, a, b);
    }
}

template <EngineField F>
void BasicRowReduction<F>::RowReduce(std::int32_t col, std::int32_t row) {
    // One turn per step at (col, row): exchange, scale, or eliminate and move
    // on diagonally; a column without a pivot is passed over silently.
    while (col <= matrix_.LastCol() && row <= matrix_.LastRow()) {
        StopPoint();
        const Number& pivot = matrix_.At(col, row);
        if (F::IsZero(pivot)) {
            const std::int32_t below = FindNonzeroBelow(col, row);
            if (below == 0) {
                ++col;
            } else {
                SwapRows(row, below);
            }
        } else if (F::IsOne(pivot)) {
            EliminateColumn(col, row);
            ++col;
            ++row;
        } else {
            ScaleRow(row, F::Inv(pivot));
        }
    }
    log_.AppendStepLog("これで、行階段基本形になりました。");
}

template <EngineField F>
void BasicRowReduction<F>::EliminateColumn(std::int32_t col, std::int32_t pivotRow) {
    // The pivot row is the source of every subtraction of this pass.
    const OperandRow source = OperandsOf(pivotRow);
    for (std::int32_t i = 0; i <= matrix_.LastRow(); ++i) {
        if (i != pivotRow && !F::IsZero(matrix_.At(col, i)))
            Subtract(i, pivotRow, matrix_.At(col, i), source);
    }
}

template <EngineField F>
auto BasicRowReduction<F>::OperandsOf(std::int32_t row) const -> OperandRow {
    OperandRow operands(static_cast<std::size_t>(matrix_.LastCol() + 1));
    for (std::int32_t c = 0; c <= matrix_.LastCol(); ++c) {
        if (F::IsZero(matrix_.At(c, row))) continue;
        StopPoint();
        operands[c] = AsOperand(matrix_.At(c, row));
    }
    return operands;
}

template <EngineField F>
void BasicRowReduction<F>::SwapRows(std::int32_t a, std::int32_t b) {
    matrix_.SwapRows(a, b);
    ++tally_.swapCount;
    Logged(Operation::Swap(a, b));
}

template <EngineField F>
void BasicRowReduction<F>::ScaleRow(std::int32_t row, Number factor) {
    // entry·factor = 0 − entry·(−factor), the same update as an elimination.
    const Operand negated = AsOperand(F::Neg(factor));
    for (std::int32_t c = 0; c <= matrix_.LastCol(); ++c) {
        // Zero times anything is the zero already there.
        if (F::IsZero(matrix_.At(c, row))) continue;
        StopPoint();
        Number product = F::Zero();
        SubMul(product, AsOperand(matrix_.At(c, row)), negated);
        matrix_.Set(c, row, std::move(product));
    }
    tally_.detFactor = F::Mul(tally_.detFactor, factor);
    Logged(Operation::Scale(row, std::move(factor)));
}

template <EngineField F>
void BasicRowReduction<F>::SubtractRowMultiple(std::int32_t target, std::int32_t source,
                                               Number factor) {
    Subtract(target, source, std::move(factor), OperandsOf(source));
}

template <EngineField F>
void BasicRowReduction<F>::Subtract(std::int32_t target, std::int32_t source, Number factor,
                                    const OperandRow& sourceRow) {
    const Operand f = AsOperand(factor);
    for (std::int32_t c = 0; c <= matrix_.LastCol(); ++c) {
        // A zero in the source row leaves the target entry as it is.
        if (!sourceRow[c]) continue;
        StopPoint();
        SubMul(matrix_.Edit(c, target), f, *sourceRow[c]);
    }
    // target − factor × source is target + (−factor) × source.
    Logged(Operation::Add(target, source, F::Neg(factor)));
}

template <EngineField F>
void BasicRowReduction<F>::Logged(const Operation& operation) {
    log_.AppendStepLog(RowOperationLine(operation, style_));
    PrintWorkMatrix(matrix_, log_);
    if (watcher_) watcher_(operation);
}

template <EngineField F>
std::int32_t BasicRowReduction<F>::FindNonzeroBelow(std::int32_t col, std::int32_t row) const {
    for (std::int32_t k = row; k <= matrix_.LastRow(); ++k) {
        if (!F::IsZero(matrix_.At(col, k))) return k;
    }
    return 0;
}

}  // namespace korvane
