#pragma once

#include <string>
#include <vector>

#include "core/StepLog.h"
#include "mklibs/Polynomial.h"
#include "mklibs/PolynomialFactoring.h"

namespace korvane {

// An eigenvalue in the complex rationals with its algebraic multiplicity.
struct ExactEigenvalue {
    ComplexFraction value;
    int algebraic = 1;
};

// The characteristic polynomial factored over the complex rationals.
struct EigenvalueFindings {
    std::vector<ExactEigenvalue> exact;    // from the linear factors, in their order
    std::vector<PolynomialFactor> others;  // irreducible factors of degree two or more
};

// Factors the characteristic polynomial over the complex rationals and logs
// the factorisation, the exact eigenvalues with their algebraic
// multiplicities and, for each factor that does not split further, its roots
// as approximations to 15 significant digits, marked as such.
EigenvalueFindings EigenvalueText(const Polynomial& characteristic, StepLog& log);

// "(λ - 2)^2(λ^2 + 3)": the factors in λ with their multiplicities; one
// factor of multiplicity one without brackets.
std::string FactorisationText(const std::vector<PolynomialFactor>& factors);

// "A - 2I", "A + I", "A - (1+i)I", or "A" for zero.
std::string MinusEigenvalueName(const ComplexFraction& value);

}  // namespace korvane
