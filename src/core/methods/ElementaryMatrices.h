#pragma once

// The reduction to reduced row echelon form as a product of elementary
// matrices: E_k ⋯ E_1 A = R.
#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/LogStyle.h"

namespace korvane {

// The elementary command, for a matrix of any shape: the reduction, each
// operation followed by the elementary matrix E_k it multiplies by from
// the left (shown for up to 5 rows, named for more), then E_k ⋯ E_1 A = R,
// P = E_k ⋯ E_1 and PA checked against R. Always delivers.
bool ElementaryMatrices(const CellGrid& grid, StepLog& log, const LogStyle& style = {});

}  // namespace korvane
