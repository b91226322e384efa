#pragma once

// The commands built on the Jordan normal form. Each starts a new log on
// the grid's matrix, refuses a non-square one, and returns whether it
// delivered (false after the refusal's line); none writes the grid.
#include <cstdint>
#include <optional>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/MatrixArithmetic.h"

namespace korvane {

// P and J with P⁻¹AP = J, every step written out.
bool JordanNormalForm(const CellGrid& grid, StepLog& log);
// Aⁿ as a matrix of closed forms in n, checked for n = 0, …, 6.
bool PowerClosedForm(const CellGrid& grid, StepLog& log);
// Aⁿ for one integer n by repeated squaring (n < 0 through the inverse).
bool PowerOfMatrix(const CellGrid& grid, std::int64_t n, StepLog& log);
// e^{tA} as a matrix of closed forms in t, checked by its value at t = 0
// and its derivative; with x0, also x(t) = e^{tA}x0 solving x' = Ax.
bool MatrixExponential(const CellGrid& grid, const std::optional<ExactVector>& x0,
                       StepLog& log);
// The minimal polynomial from the ranks of the powers of its factors at A,
// with p_A(A) = O and m(A) = O written out.
bool MinimalPolynomial(const CellGrid& grid, StepLog& log);

// The largest |n| PowerOfMatrix takes: beyond it the entries of a general
// matrix outgrow any memory.
inline constexpr std::int64_t kMaxPowerExponent = 1000000;

}  // namespace korvane
