#include "core/formats/NumberParts.h"

#include "mklibs/mklibs.h"

namespace korvane {

namespace {

// Takes the run of decimal digits at the front of text.
std::string_view TakeDigits(std::string_view& text) {
    std::size_t n = 0;
    while (n < text.size() && text[n] >= '0' && text[n] <= '9')
        ++n;
    const std::string_view digits = text.substr(0, n);
    text.remove_prefix(n);
    return digits;
}

bool TakeChar(std::string_view& text, char c) {
    if (text.empty() || text.front() != c) return false;
    text.remove_prefix(1);
    return true;
}

// "/digits" when it stands next; false when a slash has no digits.
bool TakeDenominator(std::string_view& text, std::string_view& denominator) {
    if (!TakeChar(text, '/')) return true;
    denominator = TakeDigits(text);
    return !denominator.empty();
}

// The imaginary part from its "i" on, its sign and digits already taken.
bool TakeImaginary(std::string_view& text, NumberParts::Part& im) {
    im.present = TakeChar(text, 'i');
    return im.present && TakeDenominator(text, im.denominator);
}

}  // namespace

std::optional<NumberParts> SplitNumberText(std::string_view text) {
    NumberParts parts;
    const bool negative = TakeChar(text, '-');
    const std::string_view digits = TakeDigits(text);
    if (!text.empty() && text.front() == 'i') {
        parts.im = {true, negative, digits, {}};
        if (!TakeImaginary(text, parts.im) || !text.empty()) return std::nullopt;
        return parts;
    }
    if (digits.empty()) return std::nullopt;
    parts.re = {true, negative, digits, {}};
    if (!TakeDenominator(text, parts.re.denominator)) return std::nullopt;
    if (text.empty()) return parts;
    const char sign = text.front();
    if (sign != '+' && sign != '-') return std::nullopt;
    text.remove_prefix(1);
    parts.im.negative = sign == '-';
    parts.im.numerator = TakeDigits(text);
    if (!TakeImaginary(text, parts.im) || !text.empty()) return std::nullopt;
    return parts;
}

bool IsCanonicalNumberText(std::string_view text) {
    return SplitNumberText(text) && CpxText(CpxParse(text)) == text;
}

}  // namespace korvane
