#include "core/jordan/ModeText.h"

#include <vector>

#include "mklibs/Polynomial.h"

namespace korvane {

namespace {

bool IsPlainDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

ComplexFraction Real(const ComplexFraction& z) {
    return {z.re, CpxZero().im};
}

ComplexFraction Imaginary(const ComplexFraction& z) {
    return {z.im, CpxZero().im};
}

// Appends coefficient·factors ("3n·2^(n-1)", "-(1+i)·2^n", "5") to sum,
// signed as it reads; factors are joined by "·".
void AppendTerm(std::string& sum, const ComplexFraction& coefficient,
                const std::vector<std::string>& factors) {
    const bool negative = ReadsNegative(coefficient);
    const ComplexFraction magnitude = negative ? CpxNeg(coefficient) : coefficient;
    std::string term;
    for (const std::string& f : factors)
        term += (term.empty() ? "" : "·") + f;
    if (term.empty()) {
        term = CpxText(magnitude);
    } else if (!CpxIsOne(magnitude)) {
        const std::string number = CoefficientText(magnitude);
        const char first = term.front();
        const bool letter = (first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z');
        // "4i·n", not "4in"; "3n", "(1/2)n" and "3·2^n" as a textbook writes them.
        term = number + (letter && !number.ends_with('i') ? "" : "·") + term;
    }
    if (negative) {
        sum += '-';
    } else if (!sum.empty()) {
        sum += '+';
    }
    sum += term;
}

// "t", "2t", "(1/2)t", "-t", "(1+i)t": the exponent λt.
std::string TimesT(const ComplexFraction& z) {
    const bool negative = ReadsNegative(z);
    const ComplexFraction magnitude = negative ? CpxNeg(z) : z;
    std::string text = negative ? "-" : "";
    if (!CpxIsOne(magnitude)) text += CoefficientText(magnitude);
    return text + "t";
}

std::string TPower(int j) {
    if (j == 0) return "";
    if (j == 1) return "t";
    return "t^" + std::to_string(j);
}

// e^(λt); nothing for λ = 0, "e^t" for λ = 1.
std::string ExponentialFactor(const ComplexFraction& lambda) {
    if (CpxIsZero(lambda)) return "";
    if (CpxIsOne(lambda)) return "e^t";
    return "e^(" + TimesT(lambda) + ")";
}

ComplexFraction OverFactorial(const ComplexFraction& c, int j) {
    ComplexFraction value = c;
    for (int m = 2; m <= j; ++m)
        value = CpxMul(value, CpxInv(CpxOfInteger(m)));
    return value;
}

std::vector<std::string> NonEmpty(std::initializer_list<std::string> parts) {
    std::vector<std::string> kept;
    for (const std::string& p : parts) {
        if (!p.empty()) kept.push_back(p);
    }
    return kept;
}

// α·cos(bt)+β·sin(bt) in brackets when both are there.
std::string Oscillation(const ComplexFraction& alpha, const ComplexFraction& beta,
                        const ComplexFraction& b, bool alone) {
    std::string angle = "(";
    angle += TimesT(b);
    angle += ')';
    std::string text;
    if (!CpxIsZero(alpha)) AppendTerm(text, alpha, {"cos" + angle});
    if (!CpxIsZero(beta)) AppendTerm(text, beta, {"sin" + angle});
    const bool both = !CpxIsZero(alpha) && !CpxIsZero(beta);
    return both && !alone ? "(" + text + ")" : text;
}

}  // namespace

bool ReadsNegative(const ComplexFraction& z) {
    return CpxText(z).starts_with('-');
}

std::string BaseText(const ComplexFraction& z) {
    const std::string text = CpxText(z);
    return IsPlainDigits(text) ? text : "(" + text + ")";
}

std::string PowerText(const ModeSum& sum) {
    std::string text;
    for (const ModeTerm& t : sum.Terms()) {
        if (CpxIsZero(t.eigenvalue)) continue;
        std::string binomial;
        if (t.order == 1) binomial = "n";
        if (t.order > 1) binomial = "C(n," + std::to_string(t.order) + ")";
        std::string power;
        if (!CpxIsOne(t.eigenvalue)) {
            power = BaseText(t.eigenvalue) + "^";
            power += t.order == 0 ? "n" : "(n-" + std::to_string(t.order) + ")";
        }
        AppendTerm(text, t.coefficient, NonEmpty({binomial, power}));
    }
    return text.empty() ? "0" : text;
}

std::string ExponentialText(const ModeSum& sum) {
    std::string text;
    for (const ModeTerm& t : sum.Terms()) {
        AppendTerm(text, OverFactorial(t.coefficient, t.order),
                   NonEmpty({TPower(t.order), ExponentialFactor(t.eigenvalue)}));
    }
    return text.empty() ? "0" : text;
}

std::string RealExponentialText(const ModeSum& sum) {
    std::string text;
    for (const ModeTerm& t : sum.Terms()) {
        const ComplexFraction c = OverFactorial(t.coefficient, t.order);
        if (CpxIsZero(Imaginary(t.eigenvalue))) {
            AppendTerm(text, c, NonEmpty({TPower(t.order), ExponentialFactor(t.eigenvalue)}));
            continue;
        }
        // The conjugate mode carries the conjugate coefficient; the pair is
        // written once, from the eigenvalue with positive imaginary part.
        if (ReadsNegative(Imaginary(t.eigenvalue))) continue;
        const ComplexFraction two = CpxOfInteger(2);
        const ComplexFraction alpha = CpxMul(two, Real(c));
        const ComplexFraction beta = CpxNeg(CpxMul(two, Imaginary(c)));
        const std::vector<std::string> growth =
            NonEmpty({TPower(t.order), ExponentialFactor(Real(t.eigenvalue))});
        if (growth.empty()) {
            std::string wave = Oscillation(alpha, beta, Imaginary(t.eigenvalue), true);
            if (!text.empty() && !wave.starts_with('-')) text += '+';
            text += wave;
            continue;
        }
        std::vector<std::string> factors = growth;
        factors.push_back(Oscillation(alpha, beta, Imaginary(t.eigenvalue), false));
        const bool single = CpxIsZero(alpha) || CpxIsZero(beta);
        if (!single) {
            AppendTerm(text, CpxOne(), factors);
            continue;
        }
        // One of cos and sin: its coefficient goes in front.
        const ComplexFraction only = CpxIsZero(alpha) ? beta : alpha;
        factors.back() = (CpxIsZero(alpha) ? "sin(" : "cos(") + TimesT(Imaginary(t.eigenvalue)) + ")";
        AppendTerm(text, only, factors);
    }
    return text.empty() ? "0" : text;
}

}  // namespace korvane
