#include "core/engine/RowOperationText.h"

#include <string_view>

#include "core/engine/SubscriptText.h"

namespace korvane {

namespace {

std::string RowNumber(std::int32_t row) {
    return std::to_string(row + 1);
}

// "R" with the row number from 1 in subscript digits: R₁, R₁₀.
std::string RowName(std::int32_t row) {
    std::string name = "R";
    name += SubscriptNumber(row + 1);
    return name;
}

bool HasTwoTerms(std::string_view text) {
    return text.find_first_of("+-", 1) != std::string_view::npos;
}

// The multiplier standing before a row name: none for 1, bare for a whole
// number or a whole multiple of i, in parentheses otherwise.
std::string Multiplier(const std::string& text) {
    if (text == "1") return "";
    if (HasTwoTerms(text) || text.find('/') != std::string::npos) return "(" + text + ")";
    return text;
}

constexpr std::string_view kMinus = "−";  // U+2212, the minus sign of print
constexpr std::string_view kMinusBetween = " − ";

// "−(1/2)R₁" for −1/2: the sign of a single negative term goes in front.
std::string ScaledRow(const ComplexFraction& factor, std::int32_t row) {
    const std::string text = CpxText(factor);
    if (text.starts_with('-') && !HasTwoTerms(text))
        return std::string(kMinus) + Multiplier(text.substr(1)) + RowName(row);
    return Multiplier(text) + RowName(row);
}

}  // namespace

std::string SwapSentence(std::int32_t a, std::int32_t b) {
    return RowNumber(a) + "行目と" + RowNumber(b) + "行目を入れ換えます。";
}

std::string ScaleSentence(std::int32_t row, const ComplexFraction& factor) {
    return RowNumber(row) + "行目を" + CpxText(factor) + "倍します。";
}

std::string SubtractSentence(std::int32_t target, std::int32_t source,
                             const ComplexFraction& factor) {
    return RowNumber(target) + "行目から" + RowNumber(source) + "行目の" + CpxText(factor) +
           "倍を引きます。";
}

std::string AddSentence(std::int32_t target, std::int32_t source, const ComplexFraction& factor) {
    return RowNumber(target) + "行目に" + RowNumber(source) + "行目の" + CpxText(factor) +
           "倍を足します。";
}

std::string RowAdditionSentence(std::int32_t target, std::int32_t source,
                                const ComplexFraction& added) {
    const std::string text = CpxText(added);
    if (text.starts_with('-')) return SubtractSentence(target, source, CpxNeg(added));
    return AddSentence(target, source, added);
}

std::string RowOperationNotation(const RowOperation& operation) {
    const std::string target = RowName(operation.target);
    switch (operation.kind) {
        case RowOperation::Kind::kSwap:
            return target + " ↔ " + RowName(operation.source);
        case RowOperation::Kind::kScale:
            return target + " → " + ScaledRow(operation.factor, operation.target);
        case RowOperation::Kind::kAdd:
            break;
    }
    const bool negative = CpxText(operation.factor).starts_with('-');
    const ComplexFraction multiple = negative ? CpxNeg(operation.factor) : operation.factor;
    std::string notation = target + " → " + target;
    notation += negative ? kMinusBetween : std::string_view(" + ");
    notation += Multiplier(CpxText(multiple));
    notation += RowName(operation.source);
    return notation;
}

std::string RowOperationLine(const RowOperation& operation, const LogStyle& style) {
    std::string line;
    switch (operation.kind) {
        case RowOperation::Kind::kSwap:
            line = SwapSentence(operation.target, operation.source);
            break;
        case RowOperation::Kind::kScale:
            line = ScaleSentence(operation.target, operation.factor);
            break;
        case RowOperation::Kind::kAdd:
            line = style.additionWording
                       ? RowAdditionSentence(operation.target, operation.source, operation.factor)
                       : SubtractSentence(operation.target, operation.source,
                                          CpxNeg(operation.factor));
            break;
    }
    if (style.notation) line += "  " + RowOperationNotation(operation);
    return line;
}

}  // namespace korvane
