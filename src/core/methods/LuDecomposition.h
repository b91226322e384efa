#pragma once

// LU decomposition by elimination: A = LU, or PA = LU when rows must be
// exchanged.
#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/LogStyle.h"

namespace korvane {

// The lu command, for a matrix of any shape. A is brought to U by the
// reduction's logged exchanges and subtractions only, pivots kept as they
// are: down the diagonal for a square matrix (U upper triangular), to row
// echelon form otherwise. Each multiple subtracted is written into L, unit
// lower triangular, where it goes; an exchange is recorded in P and
// exchanges the multiples already written. Ends with P (when rows were
// exchanged), L, U and LU multiplied back. Always delivers.
bool LuDecomposition(const CellGrid& grid, StepLog& log, const LogStyle& style = {});

}  // namespace korvane
