#pragma once

#include "mklibs/Polynomial.h"

namespace korvane {

// The monic greatest common divisor, as Gcd gives it, found faster: 1 at
// once beside a nonzero constant, by FLINT's fmpq_poly for two polynomials
// with real coefficients (multimodular, no coefficient growth), and by
// Gcd's Euclid otherwise.
Polynomial FastGcd(const Polynomial& a, const Polynomial& b);

// a/b for a b that divides a exactly.
Polynomial ExactQuotient(const Polynomial& a, const Polynomial& b);

}  // namespace korvane
