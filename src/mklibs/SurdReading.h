#pragma once

// One surd read strictly from pasted or typed text: a well-formed value or a
// refusal that names what could not be read, never some other number.
#include <optional>
#include <string>
#include <string_view>

#include "mklibs/Surd.h"

namespace korvane {

// The value, or the Japanese sentence saying why the text has none.
struct SurdReading {
    std::optional<Surd> value;
    std::string error;  // when there is no value
};

// The longest radicand read, in decimal digits of |numerator·denominator|:
// a square root factors it, and a larger one could take minutes.
inline constexpr std::size_t kMaxRadicandDigits = 40;

// Reads sums and differences of terms; a term is a product of factors
// joined by * or /, or written side by side without a blank (2i, 2√3,
// i√3, (1+i)√2); after a root or a divisor only * or / may follow, so
// 2√3√5 and 2/3i are refused. A factor is a numeral (12, 1.5), i, a
// parenthesised sum, or a square root of a rational number: √12, √(1/2),
// √(-3), sqrt(5), sqrt(-3). Blanks may stand around signs, operators and
// parentheses. Everything SurdText and CpxText write reads back as itself.
// Refused: a letter, √ or sqrt( with nothing readable after it, two
// numbers side by side, a root of a non-rational value, division by zero,
// a value needing two roots (√2+√3, SurdFieldClash's sentence).
SurdReading ReadSurd(std::string_view text);

}  // namespace korvane
