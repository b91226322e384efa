#pragma once

#include "mklibs/mklibs.h"

namespace korvane {

// target := target − source × factor, exact and reduced: the one update an
// elimination makes to every entry of a row. Works in place on the entry's
// integers, so a large entry keeps its storage. factor must not be target.
void SubtractProduct(ComplexFraction& target, const ComplexFraction& source,
                     const ComplexFraction& factor);

}  // namespace korvane
