#pragma once

// Orthogonal projection, least squares and the orthogonal complement: the
// workings on a column space.
#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/LogStyle.h"

namespace korvane {

// b, the last column, projected onto the span W of the other columns by the
// normal equations: x̂, p = Ax̂, b − p and its orthogonality to W, the
// distance ‖b − p‖. Refuses a grid of one column.
bool Projection(const CellGrid& grid, StepLog& log, const LogStyle& style = {});
// Ax = b in the least-squares sense, b the last column: the normal
// equations, every solution x̂, the residual b − Ax̂ and its norm. Refuses a
// grid of one column.
bool LeastSquares(const CellGrid& grid, StepLog& log, const LogStyle& style = {});
// A basis of W⊥, W the span of the columns, as the kernel of Aᴴ; its
// dimension and the check of every basis vector against every column.
// Always delivers.
bool OrthogonalComplement(const CellGrid& grid, StepLog& log, const LogStyle& style = {});

}  // namespace korvane
