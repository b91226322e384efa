#pragma once

// Numbers and names as the methods' formulas write them: products with a
// middle dot, terms joined by their signs, entries with subscripts.
#include <string>
#include <string_view>
#include <vector>

#include "mklibs/Surd.h"
#include "mklibs/mklibs.h"

namespace korvane {

// The number as a factor of a product: its canonical text, in parentheses
// when it has a sign, two terms or a fraction bar ("(-3)", "(1+i)", "(1/2)").
std::string Factor(const ComplexFraction& z);
// The same for a surd: "√5", "(-√5)", "(2√5/5)", "(1+√5)"; a plain complex
// fraction exactly as above.
std::string Factor(const Surd& x);
// "2·(-3)·5": the factors joined by middle dots.
// Whether the number is written as one term with a minus: "-2", "-i/2",
// "-√5", "-2i√3"; a number of two terms is written as it is.
bool WrittenNegative(const ComplexFraction& c);
bool WrittenNegative(const Surd& c);
std::string ProductText(const std::vector<ComplexFraction>& factors);
ComplexFraction ProductOf(const std::vector<ComplexFraction>& factors);
ComplexFraction Plus(const ComplexFraction& a, const ComplexFraction& b);

// Appends term to sum with its sign: "t" or "-t" first, then " + t" or " - t".
void AppendSigned(std::string& sum, bool negative, const std::string& term);
// Appends a value to a sum as one writes it by hand: "-4" first, " - 4" after,
// a value of two terms in parentheses ("+ (1+i)").
void AppendValue(std::string& sum, const ComplexFraction& value);

// A name with a number as its subscript: "A₁", "E₁₂".
std::string Subscripted(std::string_view letter, int number);
// The subscript of the entry in row, column (from 0): "₁₂", or "₁,₁₀" when
// an index has two digits.
std::string EntrySubscript(int row, int col);
// The sign of the entry's cofactor as a power: "(-1)^(1+2)".
std::string SignPower(int row, int col);
// Whether (-1)^(row+col) is -1.
bool OddPlace(int row, int col);

}  // namespace korvane
