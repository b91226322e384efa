#pragma once

#include <cstdint>
#include <string>

#include "core/StepLog.h"
#include "core/engine/WorkMatrix.h"
#include "core/workspace/MatrixWorking.h"

namespace korvane {

// A power of a square matrix by repeated squaring, as a student works it:
// the exponent as a sum of powers of two, the squares A^2 = AA,
// A^4 = A^2A^2, …, then their product, every product logged by
// MatrixWorking and every result but the last printed under its name. So
// A^100 of a 10 × 10 matrix takes eight products.
class PowerWorking {
  public:
    explicit PowerWorking(StepLog& log) : log_(log), working_(log) {}

    // base^exponent for an exponent of at least 2. baseName is the base as a
    // power's base is written ("A", "(AB)"); ofInverse names the powers of
    // an inverse, base being that inverse: A^-1, A^-2, ….
    WorkMatrix Power(const WorkMatrix& base, std::int64_t exponent, const std::string& baseName,
                     bool ofInverse);

  private:
    StepLog& log_;
    MatrixWorking working_;
};

}  // namespace korvane
