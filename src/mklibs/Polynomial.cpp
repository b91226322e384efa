#include "mklibs/Polynomial.h"

#include <algorithm>
#include <utility>

#include "mklibs/Errors.h"
#include "mklibs/PolynomialGcd.h"

namespace korvane {

ComplexFraction CpxSum(const ComplexFraction& a, const ComplexFraction& b) {
    return {FracAdd(a.re, b.re), FracAdd(a.im, b.im)};
}

ComplexFraction CpxConjugate(const ComplexFraction& z) {
    return {z.re, {-z.im.num, z.im.den}};
}

ComplexFraction CpxOfInteger(std::int64_t value) {
    return {{value, 1}, {0, 1}};
}

Polynomial::Polynomial(std::vector<ComplexFraction> coefficients)
    : coefficients_(std::move(coefficients)) {
    DropLeadingZeros();
}

Polynomial Polynomial::Constant(const ComplexFraction& value) {
    return Polynomial({value});
}

Polynomial Polynomial::XMinus(const ComplexFraction& root) {
    return Polynomial({CpxNeg(root), CpxOfInteger(1)});
}

void Polynomial::DropLeadingZeros() {
    while (!coefficients_.empty() && CpxIsZero(coefficients_.back()))
        coefficients_.pop_back();
}

ComplexFraction Polynomial::Coefficient(int power) const {
    if (power < 0 || power > Degree()) return CpxOfInteger(0);
    return coefficients_[static_cast<std::size_t>(power)];
}

bool Polynomial::IsReal() const {
    return std::all_of(coefficients_.begin(), coefficients_.end(),
                       [](const ComplexFraction& c) { return c.im.num.IsZero(); });
}

Polynomial operator+(const Polynomial& a, const Polynomial& b) {
    std::vector<ComplexFraction> sum(
        static_cast<std::size_t>(std::max(a.Degree(), b.Degree()) + 1));
    for (std::size_t k = 0; k < sum.size(); ++k) {
        const int power = static_cast<int>(k);
        sum[k] = CpxSum(a.Coefficient(power), b.Coefficient(power));
    }
    return Polynomial(std::move(sum));
}

Polynomial operator-(const Polynomial& a, const Polynomial& b) {
    std::vector<ComplexFraction> difference(
        static_cast<std::size_t>(std::max(a.Degree(), b.Degree()) + 1));
    for (std::size_t k = 0; k < difference.size(); ++k) {
        const int power = static_cast<int>(k);
        difference[k] = CpxSub(a.Coefficient(power), b.Coefficient(power));
    }
    return Polynomial(std::move(difference));
}

Polynomial operator*(const Polynomial& a, const Polynomial& b) {
    if (a.IsZero() || b.IsZero()) return {};
    std::vector<ComplexFraction> product(a.coefficients_.size() + b.coefficients_.size() - 1,
                                         CpxOfInteger(0));
    for (std::size_t i = 0; i < a.coefficients_.size(); ++i) {
        if (CpxIsZero(a.coefficients_[i])) continue;
        for (std::size_t j = 0; j < b.coefficients_.size(); ++j) {
            // product += a·b, written as product −= a·(−b).
            CpxSubMul(product[i + j], a.coefficients_[i], CpxNeg(b.coefficients_[j]));
        }
    }
    return Polynomial(std::move(product));
}

PolynomialDivision Divide(const Polynomial& a, const Polynomial& b) {
    if (b.IsZero()) throw DivisionByZero();
    const ComplexFraction inverseLead = CpxInv(b.Leading());
    std::vector<ComplexFraction> remainder = a.Coefficients();
    const int shiftCount = a.Degree() - b.Degree();
    if (shiftCount < 0) return {{}, a};
    std::vector<ComplexFraction> quotient(static_cast<std::size_t>(shiftCount + 1),
                                          CpxOfInteger(0));
    for (int shift = shiftCount; shift >= 0; --shift) {
        const std::size_t top = static_cast<std::size_t>(shift + b.Degree());
        const ComplexFraction factor = CpxMul(remainder[top], inverseLead);
        quotient[static_cast<std::size_t>(shift)] = factor;
        if (CpxIsZero(factor)) continue;
        for (int k = 0; k <= b.Degree(); ++k)
            CpxSubMul(remainder[static_cast<std::size_t>(shift + k)], factor, b.Coefficient(k));
    }
    remainder.resize(static_cast<std::size_t>(std::max(b.Degree(), 0)));
    return {Polynomial(std::move(quotient)), Polynomial(std::move(remainder))};
}

Polynomial Scaled(const Polynomial& p, const ComplexFraction& factor) {
    std::vector<ComplexFraction> scaled = p.Coefficients();
    for (ComplexFraction& c : scaled)
        c = CpxMul(c, factor);
    return Polynomial(std::move(scaled));
}

Polynomial Monic(const Polynomial& p) {
    if (p.IsZero() || CpxIsOne(p.Leading())) return p;
    return Scaled(p, CpxInv(p.Leading()));
}

namespace {

// Euclid's algorithm; each remainder is made monic so that its
// coefficients stay as small as the field allows.
Polynomial EuclidGcd(Polynomial a, Polynomial b) {
    while (!b.IsZero()) {
        Polynomial remainder = Monic(Divide(a, b).remainder);
        a = std::move(b);
        b = std::move(remainder);
    }
    return Monic(a);
}

// A multiple of p with rational coefficients: p itself, or p times its
// conjugate. Every factor of p divides it.
Polynomial RationalMultiple(const Polynomial& p) {
    return p.IsReal() ? p : p * Conjugate(p);
}

}  // namespace

Polynomial Gcd(Polynomial a, Polynomial b) {
    if (a.IsZero() || b.IsZero()) return Monic(a.IsZero() ? b : a);
    if (a.Degree() == 0 || b.Degree() == 0) return Polynomial::Constant(CpxOfInteger(1));
    // Monic, a complex multiple of a rational polynomial (i·p) is rational.
    a = Monic(a);
    b = Monic(b);
    if (a.IsReal() && b.IsReal()) return GcdOverRationals(a, b);
    // Euclid over Q(i) swells the coefficients quickly. The gcd divides the
    // rational gcd of the two rational multiples, which FLINT finds fast and
    // which is mostly 1 or of low degree; Euclid then starts from it.
    const Polynomial bound = GcdOverRationals(RationalMultiple(a), RationalMultiple(b));
    if (bound.Degree() == 0) return Polynomial::Constant(CpxOfInteger(1));
    return EuclidGcd(EuclidGcd(bound, a), b);
}

Polynomial Derivative(const Polynomial& p) {
    std::vector<ComplexFraction> derivative;
    for (int k = 1; k <= p.Degree(); ++k)
        derivative.push_back(CpxMul(p.Coefficient(k), CpxOfInteger(k)));
    return Polynomial(std::move(derivative));
}

Polynomial Conjugate(const Polynomial& p) {
    std::vector<ComplexFraction> conjugate = p.Coefficients();
    for (ComplexFraction& c : conjugate)
        c = CpxConjugate(c);
    return Polynomial(std::move(conjugate));
}

Polynomial Shifted(const Polynomial& p, const ComplexFraction& shift) {
    // p(x + s) = (…(a_n·(x + s) + a_{n−1})·(x + s) + …) + a_0
    const Polynomial xPlusShift({shift, CpxOfInteger(1)});
    Polynomial result;
    for (int k = p.Degree(); k >= 0; --k)
        result = result * xPlusShift + Polynomial::Constant(p.Coefficient(k));
    return result;
}

}  // namespace korvane
