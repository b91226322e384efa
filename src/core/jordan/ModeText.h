#pragma once

// The closed forms written as a student writes them, without blanks so that
// each stands as one entry of a printed matrix: "2^n+3n·2^(n-1)",
// "e^(2t)+t·e^(2t)", "e^t·(cos(2t)-sin(2t))" in the real form,
// "√5/5·((1+√5)/2)^n" with a surd.
#include <string>

#include "core/jordan/ModeSum.h"

namespace korvane {

// The power's modes in n: C(n,j)·λ^(n-j), written n for j = 1 and left out
// for λ = 1; modes of λ = 0 are left out (they vanish from n = j + 1 on).
template <EngineField F>
std::string PowerText(const BasicModeSum<F>& sum);
// The exponential's modes in t: t^j·e^(λt) over j!, the factorial taken
// into the coefficient.
template <EngineField F>
std::string ExponentialText(const BasicModeSum<F>& sum);
// The same for a real matrix, each pair of conjugate modes joined into
// t^j·e^(at)·(α·cos(bt)+β·sin(bt)) with real α, β.
template <EngineField F>
std::string RealExponentialText(const BasicModeSum<F>& sum);

}  // namespace korvane
