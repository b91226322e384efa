#pragma once

// Cramer's rule for Ax = b.
#include "core/CellGrid.h"
#include "core/StepLog.h"

namespace korvane {

// The cramer command on (A | b), b the last column: det A, then for each k
// the matrix A_k with b in column k, its determinant and
// x_k = det A_k / det A, the solution and its check. Determinants of up to
// 3 × 3 are worked by Sarrus's rule, larger ones given as values. Refuses a
// grid whose A is not square, and a singular A, pointing to the solve
// command.
bool CramersRule(const CellGrid& grid, StepLog& log);

}  // namespace korvane
