#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// A MATLAB/Octave, Python/SymPy or Mathematica cell that writes square
// roots, in the plain notation ReadSurd reads: Mathematica's Sqrt[5] as
// √(5), sqrt(5) as it stands, the unit I, i or j (and 2I, 2J, 1j after a
// numeral) as i, a blank before Sqrt[…] or I after a factor as the product
// Mathematica means by it, SymPy's ⅈ and ⋅ as i and *, look-alike characters folded
// as ReadSurd folds them. Nothing for any other name (isqrt, x, Pi), a
// bracket that is no Sqrt's, braces or unbalanced brackets, so that the
// cell is refused rather than read as another number.
std::optional<std::string> ProgramRootText(std::string_view text);

}  // namespace korvane
