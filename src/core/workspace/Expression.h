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

// Calls the member of visitor for the node's kind and returns what it
// returns: Name, Identity, Zero, Number, Negation, Sum (+ and -), Product,
// Quotient, Power, Transpose (^T and ^H), Trace, Determinant, Inverse, Rref.
template <typename Visitor>
decltype(auto) VisitExpression(const Expression& node, Visitor& visitor) {
    using Kind = Expression::Kind;
    switch (node.kind) {
        case Kind::kName:
            return visitor.Name(node);
        case Kind::kIdentity:
            return visitor.Identity(node);
        case Kind::kZero:
            return visitor.Zero(node);
        case Kind::kNegation:
            return visitor.Negation(node);
        case Kind::kSum:
        case Kind::kDifference:
            return visitor.Sum(node);
        case Kind::kProduct:
            return visitor.Product(node);
        case Kind::kQuotient:
            return visitor.Quotient(node);
        case Kind::kPower:
            return visitor.Power(node);
        case Kind::kTranspose:
        case Kind::kAdjoint:
            return visitor.Transpose(node);
        case Kind::kTrace:
            return visitor.Trace(node);
        case Kind::kDeterminant:
            return visitor.Determinant(node);
        case Kind::kInverse:
            return visitor.Inverse(node);
        case Kind::kRref:
            return visitor.Rref(node);
        case Kind::kNumber:
            break;
    }
    return visitor.Number(node);
}

}  // namespace korvane
