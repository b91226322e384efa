#pragma once

#include <cstddef>
#include <string_view>

#include "core/workspace/Expression.h"

namespace korvane {

// The longest expression read, in characters; the deepest nesting of
// brackets and signs.
inline constexpr std::size_t kMaxExpressionLength = 2000;
inline constexpr int kMaxExpressionDepth = 100;

// Reads the expression line: an expression over the names A–Z (I and O the
// identity and the zero matrix, of the size their place needs), numbers
// (3, 1/2 as a quotient, 0.25, i), + and -, products (AB, A B, A*B, A·B,
// 2A), / by a number, powers (A^3, A^-1, A^(-2), A²), A^T, A^H or A^*,
// tr(), det(), inv(), rref() and brackets; or an equation AX = B or XA = B
// in the unknown X. Full-width digits and signs and the minus signs of print
// read as their ASCII forms. Throws ExpressionError naming the character
// (counted from 1) where reading failed.
ReadExpression ReadExpressionText(std::string_view text);

}  // namespace korvane
