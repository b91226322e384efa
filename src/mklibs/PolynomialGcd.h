#pragma once

#include "mklibs/Polynomial.h"

namespace korvane {

// The monic greatest common divisor of two polynomials with real
// coefficients, by FLINT's fmpq_poly (multimodular: no coefficient swell).
Polynomial GcdOverRationals(const Polynomial& a, const Polynomial& b);

// a/b for a b that divides a exactly.
Polynomial ExactQuotient(const Polynomial& a, const Polynomial& b);

}  // namespace korvane
