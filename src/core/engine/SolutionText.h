#pragma once

#include <cstdint>
#include <vector>

#include "core/StepLog.h"
#include "core/engine/MatrixArithmetic.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// After the reduction of the augmented matrix (A | B), A the leading
// `unknowns` columns and each further column one right-hand side b: the
// ranks, for each b whether Ax = b has no, one or infinitely many solutions,
// the solutions in parametric vector form, and the check of a solution by
// substituting it into the original A. With several right-hand sides that
// all have one solution, the solutions together as the matrix X of AX = B.
// Instantiated in SolutionText.cpp for Q(i), the surds and Q(i)(a).
template <EngineField F>
void SolutionText(const std::vector<BasicVector<F>>& originalColumns,
                  const BasicWorkMatrix<F>& reduced, std::int32_t unknowns, StepLog& log);

}  // namespace korvane
