// Factoring over Q(i) on top of FLINT's factoring over Z: a squarefree
// decomposition by Yun's method, the rational factors by FLINT, and the split
// of a factor over Q(i) by Trager's norm method: shift the factor until its
// norm over Q is squarefree, factor the norm over Z, and take the gcd of each
// of the norm's factors with the shifted factor.
#include "mklibs/PolynomialFactoring.h"

#include <flint/fmpz.h>
#include <flint/fmpz_poly.h>
#include <flint/fmpz_poly_factor.h>

#include <algorithm>
#include <cstdint>

#include "mklibs/RawInteger.h"

namespace korvane {

namespace {

// An fmpz_poly owned by its scope.
class IntegerPolynomial {
  public:
    IntegerPolynomial() { fmpz_poly_init(poly_); }
    ~IntegerPolynomial() { fmpz_poly_clear(poly_); }
    IntegerPolynomial(const IntegerPolynomial&) = delete;
    IntegerPolynomial& operator=(const IntegerPolynomial&) = delete;
    fmpz_poly_struct* get() { return poly_; }
    const fmpz_poly_struct* get() const { return poly_; }

  private:
    fmpz_poly_t poly_;
};

// A polynomial with rational coefficients, times the common denominator of
// its coefficients, as an integer polynomial with the same roots.
void ToIntegerPolynomial(const Polynomial& p, fmpz_poly_struct* out) {
    Integer denominator = 1;
    for (const ComplexFraction& c : p.Coefficients())
        denominator = DivideExact(denominator * c.re.den, Gcd(denominator, c.re.den));
    fmpz_poly_zero(out);
    for (int k = 0; k <= p.Degree(); ++k) {
        const Fraction c = p.Coefficient(k).re;
        const Integer scaled = c.num * DivideExact(denominator, c.den);
        fmpz_poly_set_coeff_fmpz(out, k, RawInteger::Of(scaled));
    }
}

// The monic rational polynomial with the integer polynomial's roots.
Polynomial FromIntegerPolynomial(const fmpz_poly_struct* in) {
    std::vector<ComplexFraction> coefficients;
    for (slong k = 0; k <= fmpz_poly_degree(in); ++k) {
        Integer c;
        fmpz_poly_get_coeff_fmpz(RawInteger::Of(c), in, k);
        coefficients.push_back({{c, 1}, {0, 1}});
    }
    return Monic(Polynomial(std::move(coefficients)));
}

// The monic irreducible factors over Q of a rational polynomial.
std::vector<Polynomial> RationalFactors(const Polynomial& p) {
    IntegerPolynomial integer;
    ToIntegerPolynomial(p, integer.get());
    fmpz_poly_factor_t factors;
    fmpz_poly_factor_init(factors);
    fmpz_poly_factor(factors, integer.get());
    std::vector<Polynomial> result;
    for (slong k = 0; k < factors->num; ++k)
        result.push_back(FromIntegerPolynomial(factors->p + k));
    fmpz_poly_factor_clear(factors);
    return result;
}

bool IsSquarefreeRational(const Polynomial& p) {
    IntegerPolynomial integer, derivative, gcd;
    ToIntegerPolynomial(p, integer.get());
    fmpz_poly_derivative(derivative.get(), integer.get());
    fmpz_poly_gcd(gcd.get(), integer.get(), derivative.get());
    return fmpz_poly_degree(gcd.get()) == 0;
}

ComplexFraction ImaginaryInteger(std::int64_t t) {
    return {{0, 1}, {t, 1}};
}

// The irreducible factors over Q(i) of a monic squarefree s of degree two or
// more. s(x − t·i) times its conjugate is the norm, a rational polynomial;
// once it is squarefree, each of its irreducible factors over Q meets the
// shifted s in exactly one irreducible factor over Q(i).
std::vector<Polynomial> SplitOverGaussianRationals(const Polynomial& s) {
    for (std::int64_t step = 0;; ++step) {
        // t = 0, 1, −1, 2, −2, …; a rational s needs t ≠ 0, since its norm
        // is its square.
        const std::int64_t t = step % 2 == 1 ? (step + 1) / 2 : -(step / 2);
        if (t == 0 && s.IsReal()) continue;
        const Polynomial shifted = Shifted(s, ImaginaryInteger(-t));
        const Polynomial norm = shifted * Conjugate(shifted);
        if (!IsSquarefreeRational(norm)) continue;
        const std::vector<Polynomial> normFactors = RationalFactors(norm);
        if (normFactors.size() == 1) return {s};
        std::vector<Polynomial> factors;
        for (const Polynomial& h : normFactors) {
            const Polynomial g = Gcd(shifted, h);
            if (g.Degree() > 0) factors.push_back(Shifted(g, ImaginaryInteger(t)));
        }
        return factors;
    }
}

// The irreducible factors over Q(i) of a monic squarefree polynomial.
std::vector<Polynomial> SquarefreeFactors(const Polynomial& s) {
    if (s.Degree() <= 1) return {s};
    if (!s.IsReal()) return SplitOverGaussianRationals(s);
    std::vector<Polynomial> factors;
    for (const Polynomial& rational : RationalFactors(s)) {
        if (rational.Degree() == 1) {
            factors.push_back(rational);
        } else {
            for (Polynomial& f : SplitOverGaussianRationals(rational))
                factors.push_back(std::move(f));
        }
    }
    return factors;
}

bool FractionLess(const Fraction& a, const Fraction& b) {
    // Denominators are positive.
    return a.num * b.den < b.num * a.den;
}

bool FactorOrder(const PolynomialFactor& a, const PolynomialFactor& b) {
    if (a.factor.Degree() != b.factor.Degree()) return a.factor.Degree() < b.factor.Degree();
    if (a.factor.Degree() != 1) return false;
    const ComplexFraction ra = RootOfLinear(a.factor);
    const ComplexFraction rb = RootOfLinear(b.factor);
    if (ra.re != rb.re) return FractionLess(ra.re, rb.re);
    return FractionLess(ra.im, rb.im);
}

}  // namespace

ComplexFraction RootOfLinear(const Polynomial& linear) {
    return CpxNeg(linear.Coefficient(0));
}

std::vector<PolynomialFactor> SquarefreeDecomposition(const Polynomial& p) {
    // Yun's algorithm: with a = gcd(p, p'), b = p/a and d = p'/a − b', each
    // gcd(b, d) is the product of the factors of the next multiplicity.
    std::vector<PolynomialFactor> parts;
    const Polynomial f = Monic(p);
    const Polynomial derivative = Derivative(f);
    const Polynomial a = Gcd(f, derivative);
    Polynomial b = Divide(f, a).quotient;
    Polynomial d = Divide(derivative, a).quotient - Derivative(b);
    for (int multiplicity = 1; b.Degree() > 0; ++multiplicity) {
        const Polynomial part = Gcd(b, d);
        b = Divide(b, part).quotient;
        d = Divide(d, part).quotient - Derivative(b);
        if (part.Degree() > 0) parts.push_back({part, multiplicity});
    }
    return parts;
}

std::vector<PolynomialFactor> FactorOverRationals(const Polynomial& p) {
    IntegerPolynomial integer;
    ToIntegerPolynomial(p, integer.get());
    fmpz_poly_factor_t found;
    fmpz_poly_factor_init(found);
    fmpz_poly_factor(found, integer.get());
    std::vector<PolynomialFactor> factors;
    for (slong k = 0; k < found->num; ++k)
        factors.push_back({FromIntegerPolynomial(found->p + k), static_cast<int>(found->exp[k])});
    fmpz_poly_factor_clear(found);
    std::stable_sort(factors.begin(), factors.end(), FactorOrder);
    return factors;
}

std::vector<PolynomialFactor> FactorOverGaussianRationals(const Polynomial& p) {
    std::vector<PolynomialFactor> factors;
    for (const PolynomialFactor& part : SquarefreeDecomposition(p)) {
        for (Polynomial& f : SquarefreeFactors(part.factor))
            factors.push_back({std::move(f), part.multiplicity});
    }
    std::stable_sort(factors.begin(), factors.end(), FactorOrder);
    return factors;
}

}  // namespace korvane
