#pragma once

#include <string>
#include <string_view>

#include "core/formats/NumberForms.h"

namespace korvane {

// A canonical surd text (SurdText: 2√3, (1+√5)/2, -(1-i)√2/2) in the form:
// TeX with \sqrt and \frac, MathML with msqrt and mfrac, MATLAB and Python
// with sqrt(…) (exact in SymPy: the root comes before any division),
// Mathematica with Sqrt[…]; the products written side by side get their *.
std::string WriteRootText(std::string_view text, NumberForm form);

}  // namespace korvane
