#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// A LaTeX cell that writes square roots, in the plain notation ReadSurd
// reads: \sqrt{5} as √(5), \frac{a}{b} (also \dfrac, \tfrac) as (a)/(b),
// \cdot and \times as *, braces as parentheses; blanks, \left, \right and
// the thin spaces \, \; \! are dropped, as TeX sets nothing for them.
// Nothing for any other command or an unclosed brace, so that the cell is
// refused rather than read as another number.
std::optional<std::string> TexRootText(std::string_view tex);

}  // namespace korvane
