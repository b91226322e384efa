#pragma once

// The inner-product and norm commands.
#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/orthogonality/GridVectors.h"

namespace korvane {

// Each vector's ⟨v, v⟩ and norm; for each pair its inner product, whether
// they are orthogonal, cos θ (of the real part, for complex vectors) and
// their distance. Always delivers.
bool InnerProducts(const CellGrid& grid, StepLog& log, VectorLines lines = VectorLines::kColumns);
// Each vector's norm ‖v‖ = √⟨v, v⟩ and the unit vector v/‖v‖. Always
// delivers.
bool Norms(const CellGrid& grid, StepLog& log, VectorLines lines = VectorLines::kColumns);

}  // namespace korvane
