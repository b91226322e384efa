#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "core/StepLog.h"
#include "core/engine/ComplexRationals.h"
#include "core/engine/EngineField.h"
#include "core/engine/LogStyle.h"
#include "core/engine/RowOperation.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// What a reduction records for the determinant: the product of every factor a
// row was scaled by, and the number of row exchanges.
template <EngineField F>
struct BasicReductionTally {
    typename F::Number detFactor = F::One();
    std::int32_t swapCount = 0;
};

// The operand of a row update: prepared once where the field offers it
// (PreparedOperands), the number itself otherwise.
template <EngineField F>
struct RowUpdateOperand {
    using Type = typename F::Number;
};
template <PreparedOperands F>
struct RowUpdateOperand<F> {
    using Type = typename F::Prepared;
};

// Gauss–Jordan elimination on the work matrix in exact arithmetic over the
// field F. Every row operation logs one sentence (rows counted from 1) and
// the matrix after it. The members are in RowReductionDefinitions.h,
// instantiated in RowReduction.cpp for Q(i).
template <EngineField F>
class BasicRowReduction {
  public:
    using Number = typename F::Number;
    using Matrix = BasicWorkMatrix<F>;
    using Tally = BasicReductionTally<F>;
    using Operation = BasicRowOperation<F>;

    BasicRowReduction(Matrix& matrix, StepLog& log, Tally& tally, LogStyle style = {})
        : matrix_(matrix), log_(log), tally_(tally), style_(style) {}

    // Brings the matrix to reduced row echelon form from (col, row) on and
    // ends with the closing sentence.
    void RowReduce(std::int32_t col, std::int32_t row);

    void SwapRows(std::int32_t a, std::int32_t b);
    void ScaleRow(std::int32_t row, Number factor);
    // target := target − factor × source; factor is taken by value because
    // callers pass an entry of the target row.
    void SubtractRowMultiple(std::int32_t target, std::int32_t source, Number factor);
    // The first row from row downwards with a nonzero entry in col; 0 for none.
    std::int32_t FindNonzeroBelow(std::int32_t col, std::int32_t row) const;

    // Called after each operation is logged and its matrix printed, with the
    // operation as done (an addition of the negated factor for a
    // subtraction), so that a working can say more about it.
    using Watcher = std::function<void(const Operation&)>;
    void Watch(Watcher watcher) { watcher_ = std::move(watcher); }

  private:
    using Operand = typename RowUpdateOperand<F>::Type;
    // A row's entries as update operands; none for a zero entry.
    using OperandRow = std::vector<std::optional<Operand>>;

    static Operand AsOperand(const Number& x);
    // t := t − a·b.
    static void SubMul(Number& t, const Operand& a, const Operand& b);

    void EliminateColumn(std::int32_t col, std::int32_t pivotRow);
    // Logs the operation's line and the matrix, then tells the watcher.
    void Logged(const Operation& operation);
    OperandRow OperandsOf(std::int32_t row) const;
    void Subtract(std::int32_t target, std::int32_t source, Number factor,
                  const OperandRow& sourceRow);

    Matrix& matrix_;
    StepLog& log_;
    Tally& tally_;
    LogStyle style_;
    Watcher watcher_;
};

extern template class BasicRowReduction<ComplexRationals>;
using ReductionTally = BasicReductionTally<ComplexRationals>;
using RowReduction = BasicRowReduction<ComplexRationals>;

}  // namespace korvane
