#pragma once

#include "mklibs/mklibs.h"

namespace korvane {

// target − source × factor, exact and reduced: the one update an elimination
// makes to every entry of a row.
ComplexFraction SubtractProduct(const ComplexFraction& target, const ComplexFraction& source,
                                const ComplexFraction& factor);

}  // namespace korvane
