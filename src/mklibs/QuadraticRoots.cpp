#include "mklibs/QuadraticRoots.h"

#include <flint/fmpz.h>

#include "mklibs/RawInteger.h"

namespace korvane {

namespace {

// The rational square root of q ≥ 0, if q is the square of a rational.
std::optional<Fraction> RationalSqrt(const Fraction& q) {
    if (q.num.Sign() < 0) return std::nullopt;
    Integer num, den;
    fmpz_sqrt(RawInteger::Of(num), RawInteger::Of(q.num));
    fmpz_sqrt(RawInteger::Of(den), RawInteger::Of(q.den));
    if (!(num * num == q.num) || !(den * den == q.den)) return std::nullopt;
    return Fraction{num, den};
}

}  // namespace

std::optional<Surd> SurdSqrtOfComplex(const ComplexFraction& z) {
    if (z.im.num.IsZero()) return SurdSqrt(z.re);
    // w = u + iv with w² = z: u² = (|z| + re)/2 and v² = (|z| − re)/2, so
    // |z| must be rational, and u² and v² must share their square-free part.
    const std::optional<Fraction> modulus =
        RationalSqrt(FracAdd(FracMul(z.re, z.re), FracMul(z.im, z.im)));
    if (!modulus) return std::nullopt;
    const Fraction half{1, 2};
    const Surd u = SurdSqrt(FracMul(FracAdd(*modulus, z.re), half));
    const Surd v = SurdSqrt(FracMul(FracSub(*modulus, z.re), half));
    if (!(u.radicand == v.radicand)) return std::nullopt;
    // 2uv = im fixes the sign of v once u > 0.
    const Fraction unit = z.im.num.Sign() > 0 ? Fraction{1, 1} : Fraction{-1, 1};
    return SurdAdd(u, SurdMul(SurdFromCpx({{0, 1}, unit}), v));
}

std::optional<std::array<Surd, 2>> QuadraticRoots(const Polynomial& monicQuadratic) {
    const ComplexFraction b = monicQuadratic.Coefficient(1);
    const ComplexFraction c = monicQuadratic.Coefficient(0);
    ComplexFraction discriminant = CpxMul(b, b);
    CpxSubMul(discriminant, ComplexFraction{{4, 1}, {0, 1}}, c);
    const std::optional<Surd> root = SurdSqrtOfComplex(discriminant);
    if (!root) return std::nullopt;
    const Surd half = SurdFromCpx({{1, 2}, {0, 1}});
    const Surd minusB = SurdFromCpx(CpxNeg(b));
    return std::array<Surd, 2>{SurdMul(SurdAdd(minusB, *root), half),
                               SurdMul(SurdSub(minusB, *root), half)};
}

}  // namespace korvane
