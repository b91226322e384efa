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

// The digits of one number and how many of them stand after its decimal
// point: the number is value / 10^scale.
struct Decimal {
    Integer value;
    std::size_t scale = 0;
};

// 10^exponent.
Integer PowerOfTen(std::size_t exponent) {
    if (exponent == 0) return 1;
    std::string digits(exponent + 1, '0');
    digits.front() = '1';
    return Integer::FromDecimal(digits);
}

// Collects the decimal digits of text up to its first '/' (or to its end when
// stopAtSlash is false) and reads them at once. The first '.' is the decimal
// point; every other byte, a second point included, is dropped.
Decimal TakeDigits(std::string_view& text, bool stopAtSlash) {
    std::string digits;
    bool pointSeen = false;
    std::size_t scale = 0;
    while (!text.empty() && !(stopAtSlash && text.front() == '/')) {
        const char c = text.front();
        if (IsDigit(c)) {
            digits.push_back(c);
            if (pointSeen) ++scale;
        } else if (c == '.') {
            pointSeen = true;
        }
        text.remove_prefix(1);
    }
    return {Integer::FromDecimal(digits), scale};
}

}  // namespace

Fraction FracParse(std::string_view text) {
    if (text.empty() || text == "/") return {1, 1};
    if (text == "-" || text == "-/") return {-1, 1};

    const int numSign = TakeMinusSigns(text);
    Decimal num = (!text.empty() && text.front() == '/') ? Decimal{1} : TakeDigits(text, true);
    Decimal den{1};
    if (!text.empty()) {
        while (!text.empty() && text.front() == '/')
            text.remove_prefix(1);
        const int denSign = TakeMinusSigns(text);
        den = TakeDigits(text, false);
        if (denSign < 0) den.value = -den.value;
        if (den.value.IsZero()) den = {1};
    }
    if (numSign < 0) num.value = -num.value;
    // (a / 10^s) / (b / 10^t) = (a · 10^t) / (b · 10^s)
    return FracReduce({num.value * PowerOfTen(den.scale), den.value * PowerOfTen(num.scale)});
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
