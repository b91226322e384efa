// Writing a rational function as a student writes it: the constant in front,
// then the factors, over the denominator's.
#include <algorithm>
#include <string>
#include <vector>

#include "mklibs/ParameterValues.h"
#include "mklibs/PolynomialFactoring.h"
#include "mklibs/RationalFunction.h"

namespace korvane {

namespace {

// A factor scaled to Gaussian-integer coefficients without a common
// factor: 2a-1 rather than a-1/2. Among several factors each has a
// positive integer leading coefficient.
struct IntegerFactor {
    Polynomial factor;
    int multiplicity = 1;
};

// p = constant · Π factor^multiplicity.
struct FactoredPolynomial {
    ComplexFraction constant;
    std::vector<IntegerFactor> factors;
};

Integer Lcm(const Integer& a, const Integer& b) {
    return DivideExact(a * b, Gcd(a, b));
}

// The least common multiple of the denominators of z's parts.
Integer DenominatorOf(const ComplexFraction& z) {
    return Lcm(z.re.den, z.im.den);
}

ComplexFraction OfInteger(const Integer& n) {
    return {{n, 1}, {}};
}

bool DisplayOrder(const IntegerFactor& a, const IntegerFactor& b) {
    if (a.factor.Degree() != b.factor.Degree()) return a.factor.Degree() < b.factor.Degree();
    if (a.factor.Degree() != 1) return false;
    return ParameterValueBefore(RootOfLinear(Monic(a.factor)), RootOfLinear(Monic(b.factor)));
}

bool IsBareLetter(const Polynomial& f) {
    return f.Degree() == 1 && CpxIsZero(f.Coefficient(0)) && CpxIsOne(f.Leading());
}

bool ReadsNegative(const ComplexFraction& z) {
    return CpxText(z).starts_with('-');
}

// An irreducible p as a rational constant times Gaussian-integer
// coefficients without a common factor, the leading one not written with a
// minus: 2a-1 for a-1/2, (750-8i)a-315 for (10-4i/75)a-21/10.
FactoredPolynomial Primitive(const Polynomial& p) {
    Integer scale = 1;
    for (const ComplexFraction& c : p.Coefficients())
        scale = Lcm(scale, DenominatorOf(c));
    const Polynomial integral = Scaled(p, OfInteger(scale));
    Integer common = 0;
    for (const ComplexFraction& c : integral.Coefficients())
        common = Gcd(Gcd(common, c.re.num), c.im.num);
    Fraction content = FracReduce({common, scale});
    if (ReadsNegative(integral.Leading())) content.num = -content.num;
    return {{content, {}}, {{Scaled(p, CpxInv({content, {}})), 1}}};
}

// p (not zero) factored over Q when its coefficients are real, over Q(i)
// otherwise.
FactoredPolynomial Factored(const Polynomial& p) {
    FactoredPolynomial result{p.Leading(), {}};
    if (p.Degree() <= 0) return result;
    const std::vector<PolynomialFactor> monic =
        p.IsReal() ? FactorOverRationals(p) : FactorOverGaussianRationals(p);
    if (monic.size() == 1 && monic[0].multiplicity == 1 && !IsBareLetter(monic[0].factor))
        return Primitive(p);
    for (const PolynomialFactor& f : monic) {
        Integer scale = 1;
        for (const ComplexFraction& c : f.factor.Coefficients())
            scale = Lcm(scale, DenominatorOf(c));
        const ComplexFraction inverse = CpxInv(OfInteger(scale));
        for (int k = 0; k < f.multiplicity; ++k)
            result.constant = CpxMul(result.constant, inverse);
        result.factors.push_back({Scaled(f.factor, OfInteger(scale)), f.multiplicity});
    }
    std::stable_sort(result.factors.begin(), result.factors.end(), DisplayOrder);
    return result;
}

// "(text)", appended piece by piece (see PolynomialText).
std::string Parenthesised(const std::string& text) {
    std::string result = "(";
    result += text;
    result += ')';
    return result;
}

bool HasInnerSign(const std::string& text) {
    return text.find_first_of("+-", 1) != std::string::npos;
}

std::string PlainText(const Polynomial& p, char letter) {
    std::string text = PolynomialText(p, std::string(1, letter));
    std::erase(text, ' ');
    return text;
}

// One side of the fraction bar and whether it must be bracketed when the
// other side is there: a sum alone, or under the bar anything more than a
// number, a bare letter or one power.
struct Side {
    std::string text;
    bool sum = false;     // a sum standing alone: "a+1", "1+i"
    bool simple = false;  // a number, a bare letter or one power: "3", "a", "(a-1)^2"
};

// constant · Π factors, the constant a Gaussian integer.
Side ProductText(const ComplexFraction& constant, const std::vector<IntegerFactor>& factors,
                 char letter) {
    Side side;
    const std::string constantText = CpxText(constant);
    if (factors.empty()) {
        side.text = constantText;
        side.sum = HasInnerSign(constantText);
        side.simple = !side.sum;
        return side;
    }
    const bool one = CpxIsOne(constant);
    if (one && factors.size() == 1 && factors[0].multiplicity == 1 &&
        !IsBareLetter(factors[0].factor)) {
        side.text = PlainText(factors[0].factor, letter);
        side.sum = true;
        return side;
    }
    if (CpxIsOne(CpxNeg(constant))) {
        side.text += '-';
    } else if (!one) {
        side.text = HasInnerSign(constantText) ? Parenthesised(constantText) : constantText;
    }
    for (const IntegerFactor& f : factors) {
        side.text += IsBareLetter(f.factor) ? std::string(1, letter)
                                            : Parenthesised(PlainText(f.factor, letter));
        if (f.multiplicity > 1) {
            side.text += '^';
            side.text += std::to_string(f.multiplicity);
        }
    }
    side.simple = one && factors.size() == 1 &&
                  (IsBareLetter(factors[0].factor) || factors[0].multiplicity > 1);
    return side;
}

}  // namespace

std::string RfText(const RationalFunction& x) {
    std::string text;
    AppendRfText(text, x);
    return text;
}

void AppendRfText(std::string& text, const RationalFunction& x) {
    if (RfIsConstant(x)) {
        AppendCpxText(text, RfConstantValue(x));
        return;
    }
    const FactoredPolynomial numerator = Factored(x.Numerator());
    const FactoredPolynomial denominator = Factored(x.Denominator());
    // constant = z/m with z a Gaussian integer and m a positive integer.
    const ComplexFraction constant = CpxMul(numerator.constant, CpxInv(denominator.constant));
    const Integer m = DenominatorOf(constant);
    const Side top = ProductText(CpxMul(constant, OfInteger(m)), numerator.factors, x.Letter());
    if (m.IsOne() && denominator.factors.empty()) {
        text += top.text;
        return;
    }
    const Side bottom = ProductText(OfInteger(m), denominator.factors, x.Letter());
    text += top.sum ? Parenthesised(top.text) : top.text;
    text += '/';
    text += bottom.simple ? bottom.text : Parenthesised(bottom.text);
}

}  // namespace korvane
