#pragma once

// The Gram–Schmidt command.
#include "core/CellGrid.h"
#include "core/StepLog.h"

namespace korvane {

// The columns v₁, …, vₖ made orthogonal one by one, each projection written
// out, a dependent column named and skipped; the check that the uⱼ are
// pairwise orthogonal; then each uⱼ divided by its norm. Always delivers.
bool GramSchmidt(const CellGrid& grid, StepLog& log);

}  // namespace korvane
