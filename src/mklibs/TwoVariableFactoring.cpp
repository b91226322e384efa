#include "mklibs/TwoVariableFactoring.h"

#include <flint/fmpz.h>
#include <flint/fmpz_mpoly.h>
#include <flint/fmpz_mpoly_factor.h>

#include <algorithm>

#include "mklibs/Errors.h"
#include "mklibs/RawInteger.h"

namespace korvane {

namespace {

// FLINT's context of polynomials in x (variable 0) and a (variable 1).
class TwoVariables {
  public:
    TwoVariables() { fmpz_mpoly_ctx_init(ctx_, 2, ORD_LEX); }
    ~TwoVariables() { fmpz_mpoly_ctx_clear(ctx_); }
    TwoVariables(const TwoVariables&) = delete;
    TwoVariables& operator=(const TwoVariables&) = delete;
    const fmpz_mpoly_ctx_struct* get() const { return ctx_; }

  private:
    fmpz_mpoly_ctx_t ctx_;
};

// An fmpz_mpoly owned by its scope.
class TwoVariablePolynomial {
  public:
    explicit TwoVariablePolynomial(const TwoVariables& ctx) : ctx_(ctx) {
        fmpz_mpoly_init(poly_, ctx_.get());
    }
    ~TwoVariablePolynomial() { fmpz_mpoly_clear(poly_, ctx_.get()); }
    TwoVariablePolynomial(const TwoVariablePolynomial&) = delete;
    TwoVariablePolynomial& operator=(const TwoVariablePolynomial&) = delete;
    fmpz_mpoly_struct* get() { return poly_; }

  private:
    const TwoVariables& ctx_;
    fmpz_mpoly_t poly_;
};

// The factorisation owned by its scope.
class TwoVariableFactorisation {
  public:
    explicit TwoVariableFactorisation(const TwoVariables& ctx) : ctx_(ctx) {
        fmpz_mpoly_factor_init(factors_, ctx_.get());
    }
    ~TwoVariableFactorisation() { fmpz_mpoly_factor_clear(factors_, ctx_.get()); }
    TwoVariableFactorisation(const TwoVariableFactorisation&) = delete;
    TwoVariableFactorisation& operator=(const TwoVariableFactorisation&) = delete;
    fmpz_mpoly_factor_struct* get() { return factors_; }

  private:
    const TwoVariables& ctx_;
    fmpz_mpoly_factor_t factors_;
};

// The least common multiple of every coefficient's denominator.
Integer CommonDenominator(const PolynomialInX& p) {
    Integer denominator = 1;
    for (const Polynomial& coefficient : p) {
        for (const ComplexFraction& c : coefficient.Coefficients()) {
            if (!c.im.num.IsZero()) throw Error("係数が実数でない多項式は、ここでは因数分解しません。");
            denominator = DivideExact(denominator * c.re.den, Gcd(denominator, c.re.den));
        }
    }
    return denominator;
}

// p times the common denominator, with integer coefficients.
void ToFlint(const PolynomialInX& p, fmpz_mpoly_struct* out, const TwoVariables& ctx) {
    const Integer denominator = CommonDenominator(p);
    fmpz_mpoly_zero(out, ctx.get());
    for (std::size_t k = 0; k < p.size(); ++k) {
        for (int j = 0; j <= p[k].Degree(); ++j) {
            const Fraction c = p[k].Coefficient(j).re;
            if (c.num.IsZero()) continue;
            const Integer scaled = c.num * DivideExact(denominator, c.den);
            ulong exponents[2] = {static_cast<ulong>(k), static_cast<ulong>(j)};
            fmpz_mpoly_set_coeff_fmpz_ui(out, RawInteger::Of(scaled), exponents, ctx.get());
        }
    }
}

PolynomialInX FromFlint(fmpz_mpoly_struct* in, const TwoVariables& ctx) {
    std::vector<std::vector<ComplexFraction>> rows;
    for (slong t = 0; t < fmpz_mpoly_length(in, ctx.get()); ++t) {
        ulong exponents[2];
        fmpz_mpoly_get_term_exp_ui(exponents, in, t, ctx.get());
        Integer c;
        fmpz_mpoly_get_term_coeff_fmpz(RawInteger::Of(c), in, t, ctx.get());
        const auto k = static_cast<std::size_t>(exponents[0]);
        const auto j = static_cast<std::size_t>(exponents[1]);
        if (rows.size() <= k) rows.resize(k + 1);
        if (rows[k].size() <= j) rows[k].resize(j + 1);
        rows[k][j] = {{c, 1}, {0, 1}};
    }
    PolynomialInX result;
    for (std::vector<ComplexFraction>& row : rows)
        result.push_back(Polynomial(std::move(row)));
    return result;
}

}  // namespace

std::vector<TwoVariableFactor> FactorOverRationalFunctions(const PolynomialInX& p) {
    if (p.size() < 2 || p.back().IsZero()) throw Error("x を含まない多項式は因数分解しません。");
    const TwoVariables ctx;
    TwoVariablePolynomial poly(ctx);
    ToFlint(p, poly.get(), ctx);
    TwoVariableFactorisation factors(ctx);
    if (!fmpz_mpoly_factor(factors.get(), poly.get(), ctx.get()))
        throw Error("多項式を因数分解できませんでした。");
    std::vector<TwoVariableFactor> result;
    for (slong f = 0; f < fmpz_mpoly_factor_length(factors.get(), ctx.get()); ++f) {
        TwoVariablePolynomial base(ctx);
        fmpz_mpoly_factor_get_base(base.get(), factors.get(), f, ctx.get());
        PolynomialInX factor = FromFlint(base.get(), ctx);
        if (factor.size() < 2) continue;  // free of x
        const auto multiplicity =
            static_cast<int>(fmpz_mpoly_factor_get_exp_si(factors.get(), f, ctx.get()));
        result.push_back({std::move(factor), multiplicity});
    }
    // The lower degrees in x first, as a student lists the factors.
    std::stable_sort(result.begin(), result.end(), [](const auto& x, const auto& y) {
        return x.factor.size() < y.factor.size();
    });
    return result;
}

}  // namespace korvane
