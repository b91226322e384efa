#pragma once

// The quadratic-form command and the reader of a typed form.
#include <string>
#include <string_view>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/orthogonality/FormText.h"

namespace korvane {

// A typed form's variables and its symmetric matrix; no names for a matrix
// given as such (its variables are x₁, …, xₙ).
struct QuadraticFormSource {
    VariableNames names;
    std::string typed;  // the form as typed, for the first line of the log
};

// q = xᵀAx of a real symmetric matrix: the form written out, its standard
// form by orthogonal diagonalisation (the change of variables x = Py) when
// the eigenvalues are rational or need one square root, by completing squares (Lagrange's method),
// the signature, and definiteness also by the leading principal minors
// (Sylvester's criterion). Refuses a non-square, non-real or non-symmetric
// matrix.
bool QuadraticForm(const CellGrid& grid, StepLog& log, const QuadraticFormSource& source = {});

}  // namespace korvane
