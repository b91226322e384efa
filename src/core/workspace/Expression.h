#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mklibs/mklibs.h"

namespace korvane {

// An expression that cannot be read, or names a matrix that is not stored;
// what() says what and where, in Japanese.
class ExpressionError : public Error {
  public:
    explicit ExpressionError(const std::string& message) : Error(message) {}
};

// One node of an expression over named matrices and numbers, as read.
struct Expression {
    enum class Kind {
        kName,         // a stored matrix: name
        kIdentity,     // I, of the size its place needs
        kZero,         // O, likewise
        kNumber,       // number
        kNegation,     // -operand
        kSum,          // left + right
        kDifference,   // left - right
        kProduct,      // left right, left * right
        kQuotient,     // left / right (right a number)
        kPower,        // operand ^ exponent
        kTranspose,    // operand ^T
        kAdjoint,      // operand ^H, the conjugate transpose
        kTrace,        // tr(operand)
        kDeterminant,  // det(operand)
        kInverse,      // inv(operand); A^-1 is kPower
        kRref,         // rref(operand)
    };

    Kind kind = Kind::kNumber;
    char name = '\0';
    ComplexFraction number;
    std::int64_t exponent = 0;
    std::vector<Expression> operands;  // one, or left and right
    int place = 1;                     // the character it starts at, from 1

    const Expression& Operand() const { return operands.front(); }
    const Expression& Left() const { return operands.front(); }
    const Expression& Right() const { return operands.back(); }
};

// An equation AX = B or XA = B in the unknown X: the coefficient A and the
// right-hand side B as expressions, and the side X stands on.
struct MatrixEquation {
    Expression coefficient;
    Expression rightSide;
    bool unknownOnLeft = false;  // XA = B
};

// What the expression line holds: an expression, or an equation to solve.
struct ReadExpression {
    std::optional<Expression> expression;
    std::optional<MatrixEquation> equation;
};

// Whether the node and all below it are numbers: a constant, worked out
// without a step of its own.
bool IsConstant(const Expression& node);

}  // namespace korvane
