#pragma once

#include <cstdint>

#include "core/StepLog.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// Brings a square WorkMatrix to upper Hessenberg form (zeros below the
// first subdiagonal) by similarity transformations, which keep the
// characteristic polynomial: every row operation is paired with the column
// operation that undoes it on the other side. Each pair logs one sentence
// and the matrix after it, as the row reduction does. The pivot of a column
// is the first nonzero entry from the subdiagonal down, so no division is
// ever by zero.
class HessenbergReduction {
  public:
    HessenbergReduction(WorkMatrix& matrix, StepLog& log) : matrix_(matrix), log_(log) {}

    // Returns whether any step was needed.
    bool Reduce();

    // Exchanges rows a and b, then columns a and b.
    void SwapRowsAndColumns(std::int32_t a, std::int32_t b);
    // Row target −= factor × row source, then column source += factor ×
    // column target.
    void EliminateWithColumn(std::int32_t target, std::int32_t source, ComplexFraction factor);

  private:
    WorkMatrix& matrix_;
    StepLog& log_;
};

}  // namespace korvane
