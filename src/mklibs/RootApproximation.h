#pragma once

#include <string>
#include <vector>

#include "mklibs/Polynomial.h"

namespace korvane {

// Decimal approximations of every root of a squarefree polynomial of degree
// one or more, each part to the given number of significant digits:
// "1.41421356237310", "-0.500000000000000 + 0.866025403784439i",
// "1.41421356237310i".
// The digits come from balls that Arb has proved to hold one root each,
// narrowed until they fix that many digits; a part smaller than the root's
// modulus by more than three further digits is written as zero, as it does
// not show at that precision. Ordered by real part, then imaginary part.
// Throws Error when the roots cannot be separated at any working precision
// tried, which a squarefree polynomial never causes.
std::vector<std::string> ApproximateRoots(const Polynomial& squarefree, int digits);

}  // namespace korvane
