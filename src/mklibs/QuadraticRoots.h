#pragma once

#include <array>
#include <optional>

#include "mklibs/ComplexFraction.h"
#include "mklibs/Polynomial.h"
#include "mklibs/Surd.h"

namespace korvane {

// The square root of z as c·√d with c in Q(i) and d a rational (so a Surd),
// when z has one: √(6i) = (1+i)√3, √(−8) = 2i√2, √(3+4i) = 2+i. Of the two
// roots it gives the one with a positive real part, or a positive imaginary
// part on the imaginary axis. Empty for a z such as 1+i or 2i·√… whose root
// needs more than one square root.
std::optional<Surd> SurdSqrtOfComplex(const ComplexFraction& z);

// The two roots (−b ± √(b² − 4c))/2 of the monic quadratic x² + bx + c, the
// root with + first, when its discriminant has a square root as above.
std::optional<std::array<Surd, 2>> QuadraticRoots(const Polynomial& monicQuadratic);

}  // namespace korvane
