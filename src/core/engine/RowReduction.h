#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "core/StepLog.h"
#include "core/engine/LogStyle.h"
#include "core/engine/RowOperation.h"
#include "core/engine/WorkMatrix.h"
#include "mklibs/CommonDenominator.h"

namespace korvane {

// What a reduction records for the determinant: the product of every factor a
// row was scaled by, and the number of row exchanges.
struct ReductionTally {
    ComplexFraction detFactor = CpxOne();
    std::int32_t swapCount = 0;
};

// Gauss–Jordan elimination on the WorkMatrix in exact arithmetic. Every row
// operation logs one sentence (rows counted from 1) and the matrix after it.
class RowReduction {
  public:
    RowReduction(WorkMatrix& matrix, StepLog& log, ReductionTally& tally, LogStyle style = {})
        : matrix_(matrix), log_(log), tally_(tally), style_(style) {}

    // Brings the matrix to reduced row echelon form from (col, row) on and
    // ends with the closing sentence.
    void RowReduce(std::int32_t col, std::int32_t row);

    void SwapRows(std::int32_t a, std::int32_t b);
    void ScaleRow(std::int32_t row, ComplexFraction factor);
    // target := target − factor × source; factor is taken by value because
    // callers pass an entry of the target row.
    void SubtractRowMultiple(std::int32_t target, std::int32_t source, ComplexFraction factor);
    // The first row from row downwards with a nonzero entry in col; 0 for none.
    std::int32_t FindNonzeroBelow(std::int32_t col, std::int32_t row) const;

    // Called after each operation is logged and its matrix printed, with the
    // operation as done (an addition of the negated factor for a
    // subtraction), so that a working can say more about it.
    using Watcher = std::function<void(const RowOperation&)>;
    void Watch(Watcher watcher) { watcher_ = std::move(watcher); }

  private:
    // A row's entries over common denominators; none for a zero entry.
    using CommonRow = std::vector<std::optional<CpxOverCommon>>;

    void EliminateColumn(std::int32_t col, std::int32_t pivotRow);
    // Logs the operation's line and the matrix, then tells the watcher.
    void Logged(const RowOperation& operation);
    CommonRow OverCommonDenominators(std::int32_t row) const;
    void Subtract(std::int32_t target, std::int32_t source, ComplexFraction factor,
                  const CommonRow& sourceRow);

    WorkMatrix& matrix_;
    StepLog& log_;
    ReductionTally& tally_;
    LogStyle style_;
    Watcher watcher_;
};

}  // namespace korvane
