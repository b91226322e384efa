#pragma once

// The QR decomposition by Gram–Schmidt.
#include "core/CellGrid.h"
#include "core/StepLog.h"

namespace korvane {

// A = QR for A with independent columns: the Gram–Schmidt working on the
// columns, Q with the orthonormal vectors as columns, R upper triangular
// with rⱼₖ = ⟨aₖ, qⱼ⟩, and the checks QᴴQ = I and QR = A, recomputed
// exactly. Refuses dependent columns, naming the first.
bool QrDecomposition(const CellGrid& grid, StepLog& log);

}  // namespace korvane
