// Root approximations by Arb's certified polynomial root finder, with the
// working precision doubled until every root's digits are fixed.
#include "mklibs/RootApproximation.h"

#include <acb.h>
#include <acb_poly.h>
#include <arb.h>
#include <flint/fmpz.h>

#include <algorithm>
#include <charconv>
#include <cmath>

#include "mklibs/Errors.h"
#include "mklibs/RawInteger.h"

namespace korvane {

namespace {

constexpr slong kFirstPrecision = 64;
constexpr slong kLastPrecision = 1 << 16;

// An acb_poly owned by its scope.
class BallPolynomial {
  public:
    BallPolynomial() { acb_poly_init(poly_); }
    ~BallPolynomial() { acb_poly_clear(poly_); }
    BallPolynomial(const BallPolynomial&) = delete;
    BallPolynomial& operator=(const BallPolynomial&) = delete;
    acb_poly_struct* get() { return poly_; }

  private:
    acb_poly_t poly_;
};

// A vector of n acb balls owned by its scope.
class Balls {
  public:
    explicit Balls(slong n) : n_(n), balls_(_acb_vec_init(n)) {}
    ~Balls() { _acb_vec_clear(balls_, n_); }
    Balls(const Balls&) = delete;
    Balls& operator=(const Balls&) = delete;
    acb_ptr get() { return balls_; }
    acb_ptr operator[](slong k) { return balls_ + k; }

  private:
    slong n_;
    acb_ptr balls_;
};

// The polynomial times the common denominator of every part of every
// coefficient: Gaussian integers, which Arb holds exactly.
void SetExact(const Polynomial& p, acb_poly_struct* out) {
    Integer denominator = 1;
    for (const ComplexFraction& c : p.Coefficients()) {
        for (const Fraction* part : {&c.re, &c.im})
            denominator = DivideExact(denominator * part->den, Gcd(denominator, part->den));
    }
    acb_poly_zero(out);
    acb_t coefficient;
    acb_init(coefficient);
    for (int k = 0; k <= p.Degree(); ++k) {
        const ComplexFraction c = p.Coefficient(k);
        const Integer re = c.re.num * DivideExact(denominator, c.re.den);
        const Integer im = c.im.num * DivideExact(denominator, c.im.den);
        arb_set_fmpz(acb_realref(coefficient), RawInteger::Of(re));
        arb_set_fmpz(acb_imagref(coefficient), RawInteger::Of(im));
        acb_poly_set_coeff_acb(out, k, coefficient);
    }
    acb_clear(coefficient);
}

// Settled: the part fixes the digits asked for, or is so small against
// the root's modulus that it shows as zero.
bool PartSettled(const arb_t part, const acb_t root, int digits) {
    const slong bitsNeeded = static_cast<slong>(std::ceil(digits * 3.3219280948873623)) + 8;
    if (!arb_contains_zero(part)) return arb_rel_accuracy_bits(part) >= bitsNeeded;
    mag_t partSize, negligible, scale;
    mag_init(partSize);
    mag_init(negligible);
    mag_init(scale);
    arb_get_mag(partSize, part);
    acb_get_mag_lower(negligible, root);
    mag_set_d(scale, std::pow(10.0, -(digits + 3)));
    mag_mul(negligible, negligible, scale);
    const bool settled = !mag_is_zero(negligible) && mag_cmp(partSize, negligible) <= 0;
    mag_clear(partSize);
    mag_clear(negligible);
    mag_clear(scale);
    return settled;
}

bool AllSettled(Balls& roots, slong count, int digits) {
    for (slong k = 0; k < count; ++k) {
        if (!PartSettled(acb_realref(roots[k]), roots[k], digits) ||
            !PartSettled(acb_imagref(roots[k]), roots[k], digits))
            return false;
    }
    return true;
}

// The part's digits, or an empty text for a part that shows as zero.
std::string PartText(const arb_t part, int digits) {
    if (arb_contains_zero(part)) return "";
    char* text = arb_get_str(part, digits, ARB_STR_NO_RADIUS);
    std::string result(text);
    flint_free(text);
    return result;
}

// The part's value rounded to twelve digits: parts that print alike, such as
// the equal real parts of two conjugate roots, sort as equal.
double SortKey(const std::string& part) {
    // from_chars and to_chars ignore the locale, which the window sets.
    double value = 0;
    std::from_chars(part.data(), part.data() + part.size(), value);
    char rounded[32];
    const auto end =
        std::to_chars(rounded, rounded + sizeof rounded, value, std::chars_format::scientific, 11)
            .ptr;
    std::from_chars(rounded, end, value);
    return value;
}

struct ApproximateRoot {
    double re = 0;  // for ordering only
    double im = 0;
    std::string text;
};

ApproximateRoot RootText(const acb_t root, int digits) {
    const std::string re = PartText(acb_realref(root), digits);
    const std::string im = PartText(acb_imagref(root), digits);
    ApproximateRoot result{SortKey(re), SortKey(im), ""};
    if (im.empty()) {
        result.text = re.empty() ? "0" : re;
    } else if (re.empty()) {
        result.text = im + "i";
    } else if (im.starts_with('-')) {
        result.text = re + " - " + im.substr(1) + "i";
    } else {
        result.text = re + " + " + im + "i";
    }
    return result;
}

}  // namespace

std::vector<std::string> ApproximateRoots(const Polynomial& squarefree, int digits) {
    const slong degree = squarefree.Degree();
    if (degree < 1) return {};
    BallPolynomial poly;
    SetExact(squarefree, poly.get());
    Balls roots(degree);
    for (slong precision = kFirstPrecision; precision <= kLastPrecision; precision *= 2) {
        const slong isolated = acb_poly_find_roots(roots.get(), poly.get(), nullptr, 0, precision);
        if (isolated < degree || !AllSettled(roots, degree, digits)) continue;
        std::vector<ApproximateRoot> approximations;
        for (slong k = 0; k < degree; ++k)
            approximations.push_back(RootText(roots[k], digits));
        std::sort(approximations.begin(), approximations.end(),
                  [](const ApproximateRoot& a, const ApproximateRoot& b) {
                      return a.re != b.re ? a.re < b.re : a.im < b.im;
                  });
        std::vector<std::string> texts;
        for (ApproximateRoot& a : approximations)
            texts.push_back(std::move(a.text));
        return texts;
    }
    throw Error("根の近似値を求められませんでした。");
}

}  // namespace korvane
