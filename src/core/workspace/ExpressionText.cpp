#include "core/workspace/ExpressionText.h"

#include <string_view>

namespace korvane {

namespace {

using Kind = Expression::Kind;

// How tightly a part binds, so that brackets go where they are needed.
enum Level { kSumLevel = 1, kProductLevel = 2, kPowerLevel = 3, kAtomLevel = 4 };

bool IsBareNumber(std::string_view text) {
    if (text.starts_with('-')) text.remove_prefix(1);
    if (text.ends_with('i')) text.remove_suffix(1);
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

Level NumberLevel(const std::string& text) {
    if (text.find_first_of("+-", 1) != std::string::npos) return kSumLevel;
    if (text.starts_with('-') || text.find('/') != std::string::npos) return kProductLevel;
    return kAtomLevel;
}

Level LevelOf(const Expression& node) {
    switch (node.kind) {
        case Kind::kSum:
        case Kind::kDifference:
            return kSumLevel;
        case Kind::kProduct:
        case Kind::kQuotient:
        case Kind::kNegation:
            return kProductLevel;
        case Kind::kPower:
        case Kind::kTranspose:
        case Kind::kAdjoint:
            return kPowerLevel;
        case Kind::kNumber:
            return NumberLevel(CpxText(node.number));
        default:
            return kAtomLevel;
    }
}

std::string Bracketed(const Expression& node, bool bracket) {
    const std::string text = ExpressionText(node);
    return bracket ? "(" + text + ")" : text;
}

// A number factor is bracketed unless bare, but may lead with its sign
// ("-2A"); any other part is bracketed below level.
std::string Operand(const Expression& node, Level level) {
    if (node.kind == Kind::kNumber) {
        const std::string text = CpxText(node.number);
        return IsBareNumber(text) ? text : "(" + text + ")";
    }
    return Bracketed(node, LevelOf(node) < level);
}

std::string Base(const Expression& node) {
    if (node.kind == Kind::kNumber) return BaseText(CpxText(node.number));
    return Bracketed(node, LevelOf(node) < kAtomLevel);
}

std::string ProductText(const Expression& node) {
    // (1/2)A and (A/2)B: a quotient on the left would read as dividing by
    // the whole product.
    const std::string left = node.Left().kind == Kind::kQuotient
                                 ? Bracketed(node.Left(), true)
                                 : Operand(node.Left(), kProductLevel);
    std::string right = Operand(node.Right(), kPowerLevel);
    if (right.starts_with('-')) right = "(" + right + ")";  // 2(-3), not 2-3
    // 2·3 and A·tr(B): a digit, or a word after a letter, is set apart.
    const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    const char first = right.front();
    const bool apart =
        (first >= '0' && first <= '9') || (first >= 'a' && first <= 'z' && isLetter(left.back()));
    return left + (apart ? "·" : "") + right;
}

std::string SumText(const Expression& node, std::string_view sign) {
    const std::string right = ExpressionText(node.Right());
    const bool bracket = LevelOf(node.Right()) < kProductLevel || right.starts_with('-');
    return ExpressionText(node.Left()) + std::string(sign) + (bracket ? "(" + right + ")" : right);
}

// Whether text starts with a number: a digit, or the unit i (not a word
// such as inv).
bool StartsWithNumber(const std::string& text) {
    const auto isLower = [](char c) { return c >= 'a' && c <= 'z'; };
    return (text.front() >= '0' && text.front() <= '9') ||
           (text.front() == 'i' && (text.size() == 1 || !isLower(text[1])));
}

// -A, --A, -A^2; a sum, a product or a quotient bracketed, -(AB), as -AB
// reads as (-A)B; and -(2), as -2 is a number.
std::string NegationText(const Expression& node) {
    const Expression& operand = node.Operand();
    const std::string text = ExpressionText(operand);
    const bool bracket = (LevelOf(operand) < kPowerLevel && operand.kind != Kind::kNegation) ||
                         StartsWithNumber(text);
    return "-" + (bracket ? "(" + text + ")" : text);
}

std::string FunctionText(std::string_view name, const Expression& node) {
    return std::string(name) + "(" + ExpressionText(node.Operand()) + ")";
}

}  // namespace

std::string FactorText(const ComplexFraction& value) {
    return FactorText(CpxText(value));
}

std::string FactorText(const std::string& text) {
    return IsBareNumber(text) && !text.starts_with('-') ? text : "(" + text + ")";
}

std::string BaseText(const Expression& node) {
    return Base(node);
}

std::string BaseText(const std::string& numberText) {
    const bool bare =
        numberText == "i" || numberText.find_first_not_of("0123456789") == std::string::npos;
    return bare ? numberText : "(" + numberText + ")";
}

std::string TermText(const std::string& text, bool second) {
    const bool twoParts = text.find_first_of("+-", 1) != std::string::npos;
    return twoParts || (second && text.starts_with('-')) ? "(" + text + ")" : text;
}

std::string ExpressionText(const Expression& node) {
    switch (node.kind) {
        case Kind::kName:
            return std::string(1, node.name);
        case Kind::kIdentity:
            return "I";
        case Kind::kZero:
            return "O";
        case Kind::kNumber:
            return CpxText(node.number);
        case Kind::kNegation:
            return NegationText(node);
        case Kind::kSum:
            return SumText(node, " + ");
        case Kind::kDifference:
            return SumText(node, " - ");
        case Kind::kProduct:
            return ProductText(node);
        case Kind::kQuotient:
            // A/(2i): A/2i would read as (A/2)i.
            return Operand(node.Left(), kProductLevel) + "/" +
                   (node.Right().kind == Kind::kNumber ? Base(node.Right())
                                                       : Operand(node.Right(), kPowerLevel));
        case Kind::kPower:
            return Base(node.Operand()) + "^" + std::to_string(node.exponent);
        case Kind::kTranspose:
            return Base(node.Operand()) + "^T";
        case Kind::kAdjoint:
            return Base(node.Operand()) + "^H";
        case Kind::kTrace:
            return FunctionText("tr", node);
        case Kind::kDeterminant:
            return FunctionText("det", node);
        case Kind::kInverse:
            return FunctionText("inv", node);
        case Kind::kRref:
            return FunctionText("rref", node);
    }
    return "";
}

std::string EquationText(const MatrixEquation& equation) {
    const Expression& coefficient = equation.coefficient;
    const std::string a =
        coefficient.kind == Kind::kNumber ? Base(coefficient) : Operand(coefficient, kPowerLevel);
    const std::string b = ExpressionText(equation.rightSide);
    return (equation.unknownOnLeft ? "X" + a : a + "X") + " = " + b;
}

bool IsConstant(const Expression& node) {
    switch (node.kind) {
        case Kind::kName:
        case Kind::kIdentity:
        case Kind::kZero:
        case Kind::kTrace:
        case Kind::kDeterminant:
        case Kind::kInverse:
        case Kind::kRref:
            return false;
        default:
            break;
    }
    for (const Expression& operand : node.operands) {
        if (!IsConstant(operand)) return false;
    }
    return true;
}

}  // namespace korvane
