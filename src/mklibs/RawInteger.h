#pragma once

// Private to the number library: FLINT's view of an Integer, for the few
// places that call FLINT kernels on whole fractions.
#include <flint/fmpz.h>

#include "mklibs/Integer.h"

namespace korvane {

struct RawInteger {
    static fmpz* Of(Integer& value) { return value.raw(); }
    static const fmpz* Of(const Integer& value) { return value.raw(); }
};

}  // namespace korvane
