// Writing polynomials the way a student writes them by hand.
#include <string>

#include "mklibs/Polynomial.h"

namespace korvane {

namespace {

// "(text)", appended piece by piece: GCC 12 at -O3 warns falsely about
// overlapping copies in "(" + text.
std::string Parenthesised(const std::string& text) {
    std::string result = "(";
    result += text;
    result += ')';
    return result;
}

// A sign inside the text, not the leading one: "1-i", "-1/2+i".
bool HasInnerSign(const std::string& text) {
    return text.find_first_of("+-", 1) != std::string::npos;
}

bool ReadsNegative(const ComplexFraction& c) {
    return CpxText(c).starts_with('-');
}

std::string Term(const ComplexFraction& magnitude, int power, std::string_view variable) {
    if (power == 0) {
        const std::string text = CpxText(magnitude);
        return HasInnerSign(text) ? Parenthesised(text) : text;
    }
    std::string term = CoefficientText(magnitude);
    term += variable;
    if (power > 1) {
        term += '^';
        term += std::to_string(power);
    }
    return term;
}

}  // namespace

std::string CoefficientText(const ComplexFraction& magnitude) {
    if (CpxIsOne(magnitude)) return "";
    const std::string text = CpxText(magnitude);
    if (text.find('/') != std::string::npos || HasInnerSign(text)) return Parenthesised(text);
    return text;
}

std::string PolynomialText(const Polynomial& p, std::string_view variable) {
    if (p.IsZero()) return "0";
    std::string text;
    for (int power = p.Degree(); power >= 0; --power) {
        const ComplexFraction c = p.Coefficient(power);
        if (CpxIsZero(c)) continue;
        const bool negative = ReadsNegative(c);
        if (text.empty()) {
            if (negative) text += "-";
        } else {
            text += negative ? " - " : " + ";
        }
        text += Term(negative ? CpxNeg(c) : c, power, variable);
    }
    return text;
}

}  // namespace korvane
