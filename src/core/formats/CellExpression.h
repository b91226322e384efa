#pragma once

#include <string_view>

#include "core/formats/StrictNumber.h"

namespace korvane {

// Whose syntax a cell is written in, which settles the imaginary unit's
// names: i and j everywhere, I (and 2I) only where a program spells it so.
enum class ExpressionSyntax {
    kTex,      // LaTeX and Markdown cells, where I is rather the identity
    kProgram,  // MATLAB/Octave, Python/SymPy, Mathematica and their printouts
};

// Reads one matrix entry as LaTeX, MATLAB/Octave, Python/SymPy or
// Mathematica write it: sums, products and quotients of numerals (strict,
// as in Numerals.h) and of the imaginary unit (i, j, \mathrm{i}, \imath,
// ⅈ, and I in a program's syntax), parentheses and braces, \frac{a}{b}
// (\dfrac, \tfrac, \frac12), Rational(a, b), Fraction(a, b), complex(a, b),
// Complex[a, b], *, ⋅, \cdot and \times. A numeral straight before i or j
// is one literal, as in MATLAB and Python: 1/2i is 1/(2i). Two factors side
// by side multiply only when the second is the unit (2 I, \frac{3}{4}i):
// "1 2" and "1\,000" are refused, not read as 2 or 1000. Full-width
// digits and look-alike minus signs read as ASCII ones. Anything else,
// such as a letter, \sqrt, a power or an exponent beyond kMaxExponent in
// all, gives no value and the fault.
NumberReading ReadCellExpression(std::string_view text,
                                 ExpressionSyntax syntax = ExpressionSyntax::kProgram);

// What reading a cell gave.
using CellReading = NumberReading;

}  // namespace korvane
