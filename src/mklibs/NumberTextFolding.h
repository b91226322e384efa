#pragma once

#include <string>
#include <string_view>

namespace korvane {

// The text with the characters that Japanese input methods type in place of
// ASCII ones read as those: full-width digits, ＋, ／, ｉ and the decimal
// point ．; the minus signs and dashes (U+2212, U+FF0D, U+2010–U+2015,
// U+FE63) as '-'; the ideographic and the no-break space as ' '. Every other
// byte stays as it is.
std::string FoldNumberText(std::string_view text);

}  // namespace korvane
