#pragma once

// One number read strictly: a text is a well-formed number or is refused,
// never read as some other number.
#include <optional>
#include <string_view>

#include "mklibs/mklibs.h"

namespace korvane {

// Why a text has no value.
enum class NumberFault {
    kNotANumber,        // it is not written as a number
    kDivisionByZero,    // it divides by 0: 1/0, 0/0
    kExponentTooLarge,  // an exponent beyond kMaxExponent (Numerals.h)
};

// A value, or the fault that keeps the text from having one.
struct NumberReading {
    std::optional<ComplexFraction> value;
    NumberFault fault = NumberFault::kNotANumber;  // when there is no value
};

// Reads one number as it is typed into a spreadsheet cell, a CSV field or
// a script: a real term, an imaginary term, or one of each joined by + or −
// (blanks allowed around the sign and at the ends); a term is a numeral
// (Numerals.h: 3, 0.25, 1e5, ½), optionally over a slash and a second
// numeral, with the imaginary unit i or j written straight after one of
// them or alone (2i, i/4, 3i/4, 1+2j; 3/4i is 3/(4i), as in MATLAB and
// Python). One pair of parentheses around it all is allowed, as Python
// prints (1+2j). Full-width digits and look-alike minus signs read as
// ASCII ones. Anything else is refused: a letter, a second point, a blank
// inside a term, two numbers side by side, invalid UTF-8.
NumberReading ReadStrictNumber(std::string_view text);

}  // namespace korvane
