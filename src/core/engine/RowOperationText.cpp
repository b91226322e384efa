#include "core/engine/RowOperationText.h"

#include <initializer_list>
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
std::string Multiplier(std::string_view text) {
    if (text == "1") return "";
    std::string multiplier(text);
    if (HasTwoTerms(text) || text.find('/') != std::string_view::npos)
        return "(" + multiplier + ")";
    return multiplier;
}

// Where a surd text "(1+√5)/2" splits into its bracketed numerator and
// "/2"; npos for any other text.
std::size_t BracketedNumeratorEnd(std::string_view text) {
    if (!text.starts_with('(') || text.find("√") == std::string_view::npos)
        return std::string_view::npos;
    int depth = 0;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '(') ++depth;
        if (text[k] == ')' && --depth == 0) {
            const std::string_view rest = text.substr(k + 1);
            const bool overWhole =
                rest.size() > 1 && rest.front() == '/' &&
                rest.find_first_not_of("0123456789", 1) == std::string_view::npos;
            return overWhole ? k + 1 : std::string_view::npos;
        }
    }
    return std::string_view::npos;
}

constexpr std::string_view kMinus = "−";  // U+2212, the minus sign of print
constexpr std::string_view kMinusBetween = " − ";

// The parts of a sentence, appended in order.
std::string Joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts)
        text += part;
    return text;
}

}  // namespace

bool ReadsNegative(std::string_view text) {
    return text.starts_with('-') ||
           (text.starts_with("(-") && text.find("√") != std::string_view::npos);
}

std::string MultipliedName(std::string_view multiplier, std::string_view name) {
    const std::size_t end = BracketedNumeratorEnd(multiplier);
    if (end == std::string_view::npos) return Joined({Multiplier(multiplier), name});
    return Joined({multiplier.substr(0, end), name, multiplier.substr(end)});
}

std::string SwapSentence(std::int32_t a, std::int32_t b) {
    return RowNumber(a) + "行目と" + RowNumber(b) + "行目を入れ換えます。";
}

std::string ScaleSentence(std::int32_t row, std::string_view factor) {
    return Joined({RowNumber(row), "行目を", factor, "倍します。"});
}

std::string SubtractSentence(std::int32_t target, std::int32_t source, std::string_view factor) {
    return Joined(
        {RowNumber(target), "行目から", RowNumber(source), "行目の", factor, "倍を引きます。"});
}

std::string AddSentence(std::int32_t target, std::int32_t source, std::string_view factor) {
    return Joined(
        {RowNumber(target), "行目に", RowNumber(source), "行目の", factor, "倍を足します。"});
}

std::string SwapNotation(std::int32_t a, std::int32_t b) {
    return RowName(a) + " ↔ " + RowName(b);
}

std::string ScaleNotation(std::int32_t row, std::string_view factor) {
    // "−(1/2)R₁" for −1/2: the sign of a single negative term goes in front.
    std::string notation = RowName(row) + " → ";
    if (factor.starts_with('-') && !HasTwoTerms(factor)) {
        notation += kMinus;
        factor.remove_prefix(1);
    }
    return notation + MultipliedName(factor, RowName(row));
}

std::string AdditionNotation(std::int32_t target, std::int32_t source, bool subtracted,
                             std::string_view multiple) {
    const std::string name = RowName(target);
    std::string notation = name + " → " + name;
    notation += subtracted ? kMinusBetween : std::string_view(" + ");
    notation += MultipliedName(multiple, RowName(source));
    return notation;
}

}  // namespace korvane
