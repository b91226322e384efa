#pragma once

#include <set>
#include <string>
#include <vector>

#include "core/StepLog.h"
#include "core/engine/ComplexRationals.h"
#include "core/engine/SurdNumbers.h"
#include "mklibs/Polynomial.h"
#include "mklibs/PolynomialFactoring.h"
#include "mklibs/Surd.h"

namespace korvane {

// An eigenvalue of the field F with its algebraic multiplicity.
template <EngineField F>
struct BasicEigenvalue {
    typename F::Number value;
    int algebraic = 1;
};

// An eigenvalue in the complex rationals.
using ExactEigenvalue = BasicEigenvalue<ComplexRationals>;
// A root a + b√d of an irreducible quadratic factor, with the factor's
// multiplicity as its algebraic multiplicity.
using QuadraticEigenvalue = BasicEigenvalue<SurdNumbers>;

// The characteristic polynomial factored over the complex rationals.
struct EigenvalueFindings {
    std::vector<ExactEigenvalue> exact;  // from the linear factors, in their order
    // The two roots of each irreducible quadratic factor the quadratic
    // formula solves with one square root, + root first, factor by factor.
    std::vector<QuadraticEigenvalue> quadratic;
    // The factors whose roots are only approximated: degree three or more,
    // or a quadratic whose discriminant needs two square roots.
    std::vector<PolynomialFactor> others;
};

// Factors the characteristic polynomial over the complex rationals and logs
// the factorisation, the exact eigenvalues with their algebraic
// multiplicities, the roots of each quadratic factor by the quadratic
// formula and, for each other factor that does not split further, its roots
// as approximations to 15 significant digits, marked as such.
EigenvalueFindings EigenvalueText(const Polynomial& characteristic, StepLog& log);

// A factor's text in λ and its multiplicity.
struct FactorText {
    std::string text;
    int multiplicity = 1;
};

// "(λ - 2)^2(λ^2 + 3)": the factors with their multiplicities; one factor
// of multiplicity one, and λ itself, without brackets.
std::string FactorProductText(const std::vector<FactorText>& factors);
// The same for factors over the complex rationals.
std::string FactorisationText(const std::vector<PolynomialFactor>& factors);

// The square roots the quadratic eigenvalues need, each once.
std::set<Integer> QuadraticRadicands(const EigenvalueFindings& findings);
// "√2 と √5": √ of each radicand, in increasing order.
std::string RootsNamed(const std::set<Integer>& radicands);

// "A - 2I", "A + I", "A - (1+i)I", or "A" for zero.
std::string MinusEigenvalueName(const ComplexFraction& value);
// "A - √2I", "A + √2I", "A - (1+√5)I/2" for a surd eigenvalue, its
// multiplier written as the row-operation notation writes one.
std::string MinusEigenvalueName(const Surd& value);

}  // namespace korvane
