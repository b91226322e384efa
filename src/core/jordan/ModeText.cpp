#include "core/jordan/ModeText.h"

#include <vector>

#include "mklibs/Polynomial.h"

namespace korvane {

namespace {

// Appends coefficient·factors ("3n·2^(n-1)", "-(1+i)·2^n", "5") to sum,
// signed as it reads; factors are joined by "·".
template <class Number>
void AppendTerm(std::string& sum, const Number& coefficient, const std::vector<std::string>& factors) {
    using F = FieldOf<Number>;
    const bool negative = ReadsNegative(coefficient);
    const Number magnitude = negative ? F::Neg(coefficient) : coefficient;
    std::string term;
    for (const std::string& f : factors)
        term += (term.empty() ? "" : "·") + f;
    if (term.empty()) {
        // A constant is written whole: "-5+i", never "-5-i" for -(5-i).
        if (!negative && !sum.empty()) sum += '+';
        sum += FieldText<F>(coefficient);
        return;
    }
    if (!F::IsOne(magnitude)) {
        const std::string number = CoefficientText(magnitude);
        const char first = term.front();
        const bool letter = (first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z');
        // "4i·n", not "4in"; "3n", "(1/2)n" and "3·2^n" as a textbook writes
        // them; "√5/5·n", not "√5/5n".
        const bool joined = letter && !number.ends_with('i') && !HasRoot(number);
        term = number + (joined ? "" : "·") + term;
    }
    if (negative) {
        sum += '-';
    } else if (!sum.empty()) {
        sum += '+';
    }
    sum += term;
}

// "t", "2t", "(1/2)t", "-t", "(1+i)t": the exponent λt.
template <class Number>
std::string TimesT(const Number& z) {
    using F = FieldOf<Number>;
    const bool negative = ReadsNegative(z);
    const Number magnitude = negative ? F::Neg(z) : z;
    std::string text = negative ? "-" : "";
    if (!F::IsOne(magnitude)) {
        text += CoefficientText(magnitude);
        if (HasRoot(text)) text += "·";
    }
    return text + "t";
}

std::string TPower(int j) {
    if (j == 0) return "";
    if (j == 1) return "t";
    return "t^" + std::to_string(j);
}

// e^(λt); nothing for λ = 0, "e^t" for λ = 1.
template <class Number>
std::string ExponentialFactor(const Number& lambda) {
    using F = FieldOf<Number>;
    if (F::IsZero(lambda)) return "";
    if (F::IsOne(lambda)) return "e^t";
    return "e^(" + TimesT(lambda) + ")";
}

template <class Number>
Number OverFactorial(const Number& c, int j) {
    using F = FieldOf<Number>;
    Number value = c;
    for (int m = 2; m <= j; ++m)
        value = F::Mul(value, F::Inv(FromComplex<F>(CpxOfInteger(m))));
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
template <class Number>
std::string Oscillation(const Number& alpha, const Number& beta, const Number& b, bool alone) {
    using F = FieldOf<Number>;
    std::string angle = "(";
    angle += TimesT(b);
    angle += ')';
    std::string text;
    if (!F::IsZero(alpha)) AppendTerm(text, alpha, {"cos" + angle});
    if (!F::IsZero(beta)) AppendTerm(text, beta, {"sin" + angle});
    const bool both = !F::IsZero(alpha) && !F::IsZero(beta);
    return both && !alone ? "(" + text + ")" : text;
}

}  // namespace

template <EngineField F>
std::string PowerText(const BasicModeSum<F>& sum) {
    std::string text;
    for (const BasicModeTerm<F>& t : sum.Terms()) {
        if (F::IsZero(t.eigenvalue)) continue;
        std::string binomial;
        if (t.order == 1) binomial = "n";
        if (t.order > 1) binomial = "C(n," + std::to_string(t.order) + ")";
        std::string power;
        if (!F::IsOne(t.eigenvalue)) {
            power = BaseText(t.eigenvalue) + "^";
            power += t.order == 0 ? "n" : "(n-" + std::to_string(t.order) + ")";
        }
        AppendTerm(text, t.coefficient, NonEmpty({binomial, power}));
    }
    return text.empty() ? "0" : text;
}

template <EngineField F>
std::string ExponentialText(const BasicModeSum<F>& sum) {
    std::string text;
    for (const BasicModeTerm<F>& t : sum.Terms()) {
        AppendTerm(text, OverFactorial(t.coefficient, t.order),
                   NonEmpty({TPower(t.order), ExponentialFactor(t.eigenvalue)}));
    }
    return text.empty() ? "0" : text;
}

template <EngineField F>
std::string RealExponentialText(const BasicModeSum<F>& sum) {
    using Number = typename F::Number;
    std::string text;
    for (const BasicModeTerm<F>& t : sum.Terms()) {
        const Number c = OverFactorial(t.coefficient, t.order);
        if (F::IsZero(ImaginaryPart(t.eigenvalue))) {
            AppendTerm(text, c, NonEmpty({TPower(t.order), ExponentialFactor(t.eigenvalue)}));
            continue;
        }
        // The conjugate mode carries the conjugate coefficient; the pair is
        // written once, from the eigenvalue with positive imaginary part.
        if (ReadsNegative(ImaginaryPart(t.eigenvalue))) continue;
        const Number two = FromComplex<F>(CpxOfInteger(2));
        const Number alpha = F::Mul(two, RealPart(c));
        const Number beta = F::Neg(F::Mul(two, ImaginaryPart(c)));
        const std::vector<std::string> growth =
            NonEmpty({TPower(t.order), ExponentialFactor(RealPart(t.eigenvalue))});
        if (growth.empty()) {
            std::string wave = Oscillation(alpha, beta, ImaginaryPart(t.eigenvalue), true);
            if (!text.empty() && !wave.starts_with('-')) text += '+';
            text += wave;
            continue;
        }
        std::vector<std::string> factors = growth;
        factors.push_back(Oscillation(alpha, beta, ImaginaryPart(t.eigenvalue), false));
        const bool single = F::IsZero(alpha) || F::IsZero(beta);
        if (!single) {
            AppendTerm(text, F::One(), factors);
            continue;
        }
        // One of cos and sin: its coefficient goes in front.
        const Number only = F::IsZero(alpha) ? beta : alpha;
        factors.back() = (F::IsZero(alpha) ? "sin(" : "cos(") + TimesT(ImaginaryPart(t.eigenvalue)) + ")";
        AppendTerm(text, only, factors);
    }
    return text.empty() ? "0" : text;
}

template std::string PowerText(const BasicModeSum<ComplexRationals>&);
template std::string PowerText(const BasicModeSum<SurdNumbers>&);
template std::string ExponentialText(const BasicModeSum<ComplexRationals>&);
template std::string ExponentialText(const BasicModeSum<SurdNumbers>&);
template std::string RealExponentialText(const BasicModeSum<ComplexRationals>&);
template std::string RealExponentialText(const BasicModeSum<SurdNumbers>&);

}  // namespace korvane
