#pragma once

// Lagrange's method: a real quadratic form brought to a sum of squares by
// completing one square at a time.
#include <vector>

#include "core/StepLog.h"
#include "core/orthogonality/FormText.h"

namespace korvane {

// c·(l·x)²: the coefficient and the linear form in the original variables.
struct SquareTerm {
    ComplexFraction coefficient;
    ExactVector form;
};

// q = xᵀAx for the real symmetric a, worked with every step logged: a
// variable whose square has a nonzero coefficient gathers every term it is
// in into one square; when no square term is left but a cross term xᵢxⱼ is,
// xᵢ = xᵢ' + xⱼ brings one in. Ends with the new variables and the standard
// form in them, and the check that the squares expand to q. Stoppable.
std::vector<SquareTerm> LoggedCompletingSquares(const WorkMatrix& a, const VariableNames& names,
                                                const std::string& newLetter, StepLog& log);

}  // namespace korvane
