#pragma once

#include <optional>
#include <string_view>

#include "mklibs/mklibs.h"

namespace korvane {

// What reading a cell written in a program's or TeX's syntax gave.
struct CellReading {
    std::optional<ComplexFraction> value;  // nothing when unreadable
    bool divisionByZero = false;           // unreadable because it divides by 0
};

// Reads one matrix entry as LaTeX, MATLAB/Octave, Python/SymPy or
// Mathematica write it: sums, products and quotients of numerals and of the
// imaginary unit (i, j, I, \mathrm{i}), parentheses and braces,
// \frac{a}{b} (\dfrac, \tfrac, \frac12), Rational(a, b), Fraction(a, b),
// complex(a, b), Complex[a, b], \cdot and \times. Numerals (digits, a
// decimal point, any non-ASCII characters, such as full-width digits) are
// read by CpxParse, so they read as a typed cell does; an exponent
// (1.5e-3) scales them. A numeral straight before i or j is one literal, as
// in MATLAB and Python: 1/2i is 1/(2i). Anything else, such as a letter,
// \sqrt or a power, makes the cell unreadable rather than a guess.
CellReading ReadCellExpression(std::string_view text);

}  // namespace korvane
