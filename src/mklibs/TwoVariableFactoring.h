#pragma once

#include <vector>

#include "mklibs/Polynomial.h"

namespace korvane {

// A polynomial in x whose coefficients are polynomials in a parameter:
// coefficients[k] multiplies x^k.
using PolynomialInX = std::vector<Polynomial>;

// One irreducible factor over Q(a) and how often it divides.
struct TwoVariableFactor {
    PolynomialInX factor;  // of degree one or more in x, integer coefficients
    int multiplicity = 1;
};

// Factors p(x, a) = Σ coefficients[k](a)·x^k into irreducible factors over
// Q with FLINT's multivariate factoring, which are the irreducible factors
// in x over the rational functions Q(a) (Gauss's lemma). Factors free of
// x, units of Q(a)[x], are left out. Every coefficient must be real and p
// of degree one or more in x; throws Error otherwise.
std::vector<TwoVariableFactor> FactorOverRationalFunctions(const PolynomialInX& p);

}  // namespace korvane
