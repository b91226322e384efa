#include <string>

#include "mklibs/Fraction.h"

namespace korvane {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Removes a leading run of '-' and returns +1 or -1 for an even or odd run.
int TakeMinusSigns(std::string_view& text) {
    int sign = 1;
    while (!text.empty() && text.front() == '-') {
        sign = -sign;
        text.remove_prefix(1);
    }
    return sign;
}

// Collects the decimal digits of text up to its first '/' (or to its end when
// stopAtSlash is false), dropping every other byte, and reads them at once.
Integer TakeDigits(std::string_view& text, bool stopAtSlash) {
    std::string digits;
    while (!text.empty() && !(stopAtSlash && text.front() == '/')) {
        if (IsDigit(text.front())) digits.push_back(text.front());
        text.remove_prefix(1);
    }
    return Integer::FromDecimal(digits);
}

}  // namespace

Fraction FracParse(std::string_view text) {
    if (text.empty() || text == "/") return {1, 1};
    if (text == "-" || text == "-/") return {-1, 1};

    const int numSign = TakeMinusSigns(text);
    Integer num = (!text.empty() && text.front() == '/') ? Integer(1) : TakeDigits(text, true);
    Integer den = 1;
    if (!text.empty()) {
        while (!text.empty() && text.front() == '/')
            text.remove_prefix(1);
        const int denSign = TakeMinusSigns(text);
        den = TakeDigits(text, false);
        if (denSign < 0) den = -den;
        if (den.IsZero()) den = 1;
    }
    if (numSign < 0) num = -num;
    return FracReduce({std::move(num), std::move(den)});
}

std::string FracText(const Fraction& a) {
    std::string text;
    AppendFracText(text, a);
    return text;
}

void AppendFracText(std::string& text, const Fraction& a) {
    a.num.AppendTo(text);
    if (a.den.IsOne()) return;
    text += '/';
    a.den.AppendTo(text);
}

}  // namespace korvane
