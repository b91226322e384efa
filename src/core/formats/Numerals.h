#pragma once

// The numerals of a number written in pasted text, shared by the strict
// reading of one number and of a cell's expression.
#include <cstddef>
#include <string_view>

#include "mklibs/mklibs.h"

namespace korvane {

// The largest exponent magnitude read (10^10000 has 10001 digits): beyond it
// a value no longer fits in reasonable time and memory, so it is refused
// rather than computed for minutes. A cell's exponents together share it.
inline constexpr int kMaxExponent = 10000;

// A numeral found at the front of a text.
struct Numeral {
    std::size_t length = 0;  // bytes taken; 0 when no numeral starts there
    Fraction value;
    int exponent = 0;  // the magnitude of its exponent, 0 without one
    bool exponentTooLarge = false;  // its exponent is beyond kMaxExponent
};

// Whether a numeral can start at the front of text: a digit, a point
// before a digit, or a vulgar fraction.
bool StartsNumeral(std::string_view text);

// The numeral at the front of text, which holds ASCII numbers as
// FoldNumberText leaves them: decimal digits with at most one point and at
// least one digit (12, 1.5, .5, 5.), then an exponent e or E with an
// optional sign and digits (1e5, 2.5E-03, -4.2e-2 without its sign); or
// one vulgar fraction character (½, ¾, ⅞, …).
Numeral ScanNumeral(std::string_view text);

}  // namespace korvane
