#pragma once

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/RationalFunctions.h"
#include "core/engine/WorkMatrix.h"
#include "mklibs/Polynomial.h"

namespace korvane {

// The eigenvalues of a square matrix over Q(i)(letter), logged after the
// matrix: λI − A, det(λI − A) expanded in λ, its factors over the rational
// functions Q(letter), the eigenvalues (the roots of the factors linear in
// λ, with their algebraic multiplicities) and the values of the letter at
// which two of them coincide; a factor of higher degree in λ is named as
// such. undefinedAt vanishes where an entry means nothing. A polynomial
// with coefficients outside Q(letter) (the unit i in them) is not factored:
// that is said, and false returned.
bool LoggedParameterEigenvalues(const BasicWorkMatrix<RationalFunctions>& a, char letter,
                                const Polynomial& undefinedAt, StepLog& log);

// The eigenvalues command on a grid in a parameter letter: refuses a
// non-square grid as the command does, else reads the grid over Q(i)(a)
// and logs as above from a fresh log.
bool ParameterEigenvalues(const CellGrid& grid, StepLog& log);

}  // namespace korvane
