#pragma once

#include <vector>

#include "mklibs/Polynomial.h"

namespace korvane {

// One irreducible factor and how often it divides.
struct PolynomialFactor {
    Polynomial factor;  // monic, irreducible over the complex rationals
    int multiplicity = 1;

    friend bool operator==(const PolynomialFactor&, const PolynomialFactor&) = default;
};

// p (not constant) as a product of monic factors that are irreducible over
// the complex rationals Q(i), times p's leading coefficient. The linear
// factors come first, ordered by their root's real part, then its imaginary
// part; the others follow by degree.
std::vector<PolynomialFactor> FactorOverGaussianRationals(const Polynomial& p);

// p (not constant, with real coefficients) as a product of monic factors
// that are irreducible over the rationals Q, times p's leading coefficient,
// in the same order. Cheaper than over Q(i) when Q is what the reader needs.
std::vector<PolynomialFactor> FactorOverRationals(const Polynomial& p);

// p = product of a_k^k with every a_k squarefree and coprime to the others;
// the factors a_k that are not constant, monic, with k as multiplicity.
std::vector<PolynomialFactor> SquarefreeDecomposition(const Polynomial& p);

// The root of a monic linear polynomial.
ComplexFraction RootOfLinear(const Polynomial& linear);

}  // namespace korvane
