#include "mklibs/PolynomialGcd.h"

#include <flint/fmpq.h>
#include <flint/fmpq_poly.h>

#include <vector>

#include "mklibs/RawInteger.h"

namespace korvane {

namespace {

// An fmpq_poly owned by its scope.
class RationalPolynomial {
  public:
    RationalPolynomial() { fmpq_poly_init(poly_); }
    explicit RationalPolynomial(const Polynomial& p) : RationalPolynomial() {
        fmpq_t c;
        fmpq_init(c);
        for (int k = 0; k <= p.Degree(); ++k) {
            const Fraction& value = p.Coefficients()[static_cast<std::size_t>(k)].re;
            fmpz_set(fmpq_numref(c), RawInteger::Of(value.num));
            fmpz_set(fmpq_denref(c), RawInteger::Of(value.den));
            fmpq_poly_set_coeff_fmpq(poly_, k, c);
        }
        fmpq_clear(c);
    }
    ~RationalPolynomial() { fmpq_poly_clear(poly_); }
    RationalPolynomial(const RationalPolynomial&) = delete;
    RationalPolynomial& operator=(const RationalPolynomial&) = delete;
    fmpq_poly_struct* get() { return poly_; }

    Polynomial ToPolynomial() const {
        std::vector<ComplexFraction> coefficients;
        fmpq_t c;
        fmpq_init(c);
        for (slong k = 0; k <= fmpq_poly_degree(poly_); ++k) {
            fmpq_poly_get_coeff_fmpq(c, poly_, k);
            Fraction value;
            fmpz_set(RawInteger::Of(value.num), fmpq_numref(c));
            fmpz_set(RawInteger::Of(value.den), fmpq_denref(c));
            coefficients.push_back({value, {}});
        }
        fmpq_clear(c);
        return Polynomial(std::move(coefficients));
    }

  private:
    fmpq_poly_t poly_;
};

}  // namespace

Polynomial GcdOverRationals(const Polynomial& a, const Polynomial& b) {
    RationalPolynomial x(a), y(b), gcd;
    fmpq_poly_gcd(gcd.get(), x.get(), y.get());  // monic, as Gcd's
    return gcd.ToPolynomial();
}

Polynomial ExactQuotient(const Polynomial& a, const Polynomial& b) {
    if (b.Degree() == 0 && CpxIsOne(b.Leading())) return a;
    return Divide(a, b).quotient;
}

}  // namespace korvane
