#include "core/parameter/ParameterCharacteristic.h"

#include "core/StopSignal.h"
#include "core/engine/CharacteristicPolynomial.h"

namespace korvane {

namespace {

using RfMatrix = std::vector<std::vector<RationalFunction>>;  // [row][col]

RfMatrix Product(const BasicWorkMatrix<RationalFunctions>& a, const RfMatrix& m) {
    const int n = a.LastRow() + 1;
    RfMatrix product(n, std::vector<RationalFunction>(n));
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            StopPoint();
            for (int k = 0; k < n; ++k)
                RfSubMul(product[r][c], RfNeg(a.At(k, r)), m[k][c]);
        }
    }
    return product;
}

RfMatrix Identity(int n) {
    RfMatrix identity(n, std::vector<RationalFunction>(n));
    for (int k = 0; k < n; ++k)
        identity[k][k] = RationalFunctions::One();
    return identity;
}

// Whether text holds a sign or a fraction bar outside every bracket, after
// its first character.
bool HasOuterMark(const std::string& text, std::string_view marks) {
    int depth = 0;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (depth == 0 && k > 0 && marks.find(c) != std::string_view::npos) return true;
    }
    return false;
}

std::string Bracketed(const std::string& text, std::string_view marks) {
    return HasOuterMark(text, marks) ? "(" + text + ")" : text;
}

// The term for magnitude·λ^power, without its sign.
std::string Term(const std::string& magnitude, int power) {
    if (power == 0) return Bracketed(magnitude, "+-");
    std::string term = magnitude == "1" ? "" : Bracketed(magnitude, "+-/");
    term += kLambda;
    if (power > 1) {
        term += '^';
        term += std::to_string(power);
    }
    return term;
}

}  // namespace

LambdaPolynomial ParameterCharacteristicPolynomial(const BasicWorkMatrix<RationalFunctions>& a) {
    const int n = a.LastRow() + 1;
    LambdaPolynomial c(static_cast<std::size_t>(n) + 1);
    c[n] = RationalFunctions::One();
    RfMatrix m = Identity(n);
    for (int k = 1; k <= n; ++k) {
        RfMatrix am = Product(a, m);
        RationalFunction trace;
        for (int d = 0; d < n; ++d)
            trace = RfAdd(trace, am[d][d]);
        const RationalFunction divisor = RationalFunction::Constant(CpxOfInteger(-k));
        c[n - k] = RfDiv(trace, divisor);
        for (int d = 0; d < n; ++d)
            am[d][d] = RfAdd(am[d][d], c[n - k]);
        m = std::move(am);
    }
    return c;
}

std::string LambdaPolynomialText(const LambdaPolynomial& p) {
    std::string text;
    for (int power = static_cast<int>(p.size()) - 1; power >= 0; --power) {
        const RationalFunction& c = p[power];
        if (RfIsZero(c)) continue;
        const std::string signed_ = RfText(c);
        const bool negative = signed_.starts_with('-');
        const std::string term = Term(negative ? RfText(RfNeg(c)) : signed_, power);
        if (text.empty()) {
            text = negative ? "-" + term : term;
        } else {
            text += negative ? " - " : " + ";
            text += term;
        }
    }
    return text.empty() ? "0" : text;
}

std::vector<std::vector<std::string>> LambdaMinusMatrixTexts(
    const BasicWorkMatrix<RationalFunctions>& a) {
    const int n = a.LastRow() + 1;
    std::vector<std::vector<std::string>> rows(n);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            if (r == c) {
                rows[r].push_back(LambdaPolynomialText({RfNeg(a.At(c, r)), RationalFunctions::One()}));
            } else {
                rows[r].push_back(RfText(RfNeg(a.At(c, r))));
            }
        }
    }
    return rows;
}

}  // namespace korvane
