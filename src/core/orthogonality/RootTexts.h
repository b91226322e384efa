#pragma once

// Square roots of the nonnegative rationals the orthogonality workings meet
// (norms, distances), as the log writes them. A radicand of more than 36
// digits is not factored whole (that could take minutes no stop
// interrupts): only the squares of primes below 3000 are drawn out of it.
#include <string>

#include "mklibs/Surd.h"
#include "mklibs/mklibs.h"

namespace korvane {

// √q, q ≥ 0, exact: the radicand factored whole when it is small enough.
Surd RootOf(const Fraction& q);

// √n in canonical text, rationalised: "√2", "3", "√6/2", "0".
std::string RootText(const Fraction& n);
// c/√n, n > 0, rationalised: "√2/2", "-3√10/10".
std::string OverRootText(const Fraction& c, const Fraction& n);

// z/√n, n > 0: an entry of a vector divided by its norm.
std::string UnitEntryText(const ComplexFraction& z, const Fraction& n);

// z·√n, n ≥ 0.
std::string TimesRootText(const ComplexFraction& z, const Fraction& n);

}  // namespace korvane
