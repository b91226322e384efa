#pragma once

// Fractions rounded to whole numbers.
#include "mklibs/Fraction.h"

namespace korvane {

// The integer nearest to x, halves rounded up: 7/2 gives 4, -7/2 gives -3.
Integer NearestInteger(const Fraction& x);

}  // namespace korvane
