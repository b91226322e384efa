#pragma once

// The cofactors, the adjugate and the inverse as adj A / det A.
#include "core/CellGrid.h"
#include "core/StepLog.h"

namespace korvane {

// The adjugate command: every cofactor with its sign, for up to 4 × 4 with
// its minor shown and worked, for larger matrices with the minor's value;
// the matrix of cofactors and its transpose, the adjugate; det A from the
// first row's cofactors; and, when det A is not zero, the inverse as
// adj A / det A. Refuses a non-square matrix; delivers for a singular one,
// saying that it has no inverse.
bool Adjugate(const CellGrid& grid, StepLog& log);

}  // namespace korvane
