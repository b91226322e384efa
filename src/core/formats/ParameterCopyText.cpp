#include "core/formats/ParameterCopyText.h"

#include <algorithm>

#include "mklibs/NumberTextFolding.h"
#include "mklibs/ParameterReader.h"
#include "mklibs/PolynomialGcd.h"

namespace korvane {

namespace {

bool ReadsAs(const std::string& text, const ParameterReading& typed) {
    try {
        const ParameterReading reading = ReadParameterExpression(text);
        return reading.value == typed.value && reading.undefinedAt == typed.undefinedAt;
    } catch (const Error&) {
        return false;
    }
}

std::string WithoutBlanks(std::string text) {
    std::erase_if(text, [](char c) { return c == ' ' || c == '\t'; });
    return text;
}

// The value's text, undefined where the typed text is: where it divides by
// a factor that its value cancels, that factor over itself is written too.
std::string CanonicalText(const ParameterReading& typed) {
    const RationalFunction& value = typed.value;
    const Polynomial cancelled =
        ExactQuotient(typed.undefinedAt, Gcd(typed.undefinedAt, value.Denominator()));
    if (cancelled.Degree() <= 0) return RfText(value);
    // Built by appending: GCC 12's -Wrestrict misfires on "literal" + string.
    std::string factor = "(";
    factor += WithoutBlanks(PolynomialText(cancelled, std::string(1, typed.letter)));
    factor += ')';
    std::string text = "(";
    text += RfText(value);
    text += ')';
    text += factor;
    text += '/';
    text += factor;
    return text;
}

}  // namespace

std::string ParameterCopyText(std::string_view typed) {
    const ParameterReading reading = ReadParameterExpression(typed);
    const std::string plain = WithoutBlanks(FoldNumberText(typed));
    if (ReadsAs(plain, reading)) return plain;
    return CanonicalText(reading);
}

}  // namespace korvane
