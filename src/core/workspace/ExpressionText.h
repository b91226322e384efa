#pragma once

#include <string>

#include "core/workspace/Expression.h"

namespace korvane {

// How the log names an expression and each of its parts: "AB - 2C",
// "(1/2)B", "A^-1B", "(AB)^T", "tr(A)", with brackets only where they are
// needed and the ASCII signs of the log's formulas.
std::string ExpressionText(const Expression& node);
// "AX = B", "XA = B" with the coefficient and the right side so named.
std::string EquationText(const MatrixEquation& equation);

// A number as a factor of a worked product: bare when it is a whole number
// or a whole multiple of i that does not read negative ("3", "2i"), else
// bracketed ("(-2)", "(1/2)", "(1+i)").
std::string FactorText(const ComplexFraction& value);
// The same for a number's canonical text.
std::string FactorText(const std::string& text);
// A part as the base of a power: "A", "(AB)", "(A^T)", "(1/2)"; a number
// bare only when it is a whole number or i, as -2^2 and 2i^2 would read
// otherwise.
std::string BaseText(const Expression& node);
std::string BaseText(const std::string& numberText);
// A number's text as a term of a sum: bracketed when it has two parts
// ("(1+i)"), and as the second term also when it reads negative.
std::string TermText(const std::string& text, bool second);

}  // namespace korvane
