#pragma once

// Sarrus's rule: the determinant of a 2 × 2 or 3 × 3 matrix as the sum of
// its diagonals' products, each written out with its sign.
#include <string_view>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// The determinant of a 1 × 1, 2 × 2 or 3 × 3 matrix, worked on one log line:
// "det M₁₁ = 4", "det N = 3·1 - 2·1 = 3 - 2 = 1", and for 3 × 3 the six
// products, their values and the sum.
ComplexFraction LoggedSarrus(const WorkMatrix& matrix, std::string_view name, StepLog& log);

// The sarrus command: the rule explained (for 3 × 3 with the first two
// columns written again on the right), then the working and the result.
// Refuses a non-square matrix and sizes other than 2 and 3.
bool SarrusDeterminant(const CellGrid& grid, StepLog& log);

}  // namespace korvane
