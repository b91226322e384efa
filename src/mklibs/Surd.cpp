#include "mklibs/Surd.h"

namespace korvane {

namespace {

ComplexFraction CpxAdd(const ComplexFraction& a, const ComplexFraction& b) {
    return {FracAdd(a.re, b.re), FracAdd(a.im, b.im)};
}

ComplexFraction CpxScale(const ComplexFraction& z, const Integer& k) {
    return CpxMul(z, {{k, 1}, {}});
}

// The canonical value of rational + root·√radicand for a square-free
// radicand > 1: a root that vanished takes its radicand with it.
Surd Made(ComplexFraction rational, ComplexFraction root, const Integer& radicand) {
    if (CpxIsZero(root)) return {std::move(rational), {}, 0};
    return {std::move(rational), std::move(root), radicand};
}

}  // namespace

SurdFieldClash::SurdFieldClash(const Integer& first, const Integer& second)
    : Error([&] {
          std::string text = "√";
          first.AppendTo(text);
          text += " と √";
          second.AppendTo(text);
          text += " を同時に含む数は扱えません。";
          return text;
      }()) {}

Surd SurdZero() {
    return {};
}

Surd SurdOne() {
    return {CpxOne(), {}, 0};
}

Surd SurdFromCpx(const ComplexFraction& z) {
    return {z, {}, 0};
}

bool SurdIsZero(const Surd& x) {
    return CpxIsZero(x.rational) && CpxIsZero(x.root);
}

bool SurdIsOne(const Surd& x) {
    return CpxIsOne(x.rational) && CpxIsZero(x.root);
}

bool SurdIsReal(const Surd& x) {
    return x.rational.im.num.IsZero() && x.root.im.num.IsZero();
}

Surd SurdNeg(const Surd& x) {
    return {CpxNeg(x.rational), CpxNeg(x.root), x.radicand};
}

Surd SurdAdd(const Surd& a, const Surd& b) {
    if (CpxIsZero(b.root)) return {CpxAdd(a.rational, b.rational), a.root, a.radicand};
    if (CpxIsZero(a.root)) return {CpxAdd(a.rational, b.rational), b.root, b.radicand};
    if (a.radicand != b.radicand) throw SurdFieldClash(a.radicand, b.radicand);
    return Made(CpxAdd(a.rational, b.rational), CpxAdd(a.root, b.root), a.radicand);
}

Surd SurdSub(const Surd& a, const Surd& b) {
    return SurdAdd(a, SurdNeg(b));
}

Surd SurdMul(const Surd& a, const Surd& b) {
    if (CpxIsZero(a.root))
        return Made(CpxMul(a.rational, b.rational), CpxMul(a.rational, b.root), b.radicand);
    if (CpxIsZero(b.root))
        return Made(CpxMul(a.rational, b.rational), CpxMul(a.root, b.rational), a.radicand);
    if (a.radicand == b.radicand) {
        // (p + q√d)(r + s√d) = pr + qsd + (ps + qr)√d
        ComplexFraction rational = CpxMul(a.rational, b.rational);
        rational = CpxAdd(rational, CpxScale(CpxMul(a.root, b.root), a.radicand));
        return Made(std::move(rational),
                    CpxAdd(CpxMul(a.rational, b.root), CpxMul(a.root, b.rational)), a.radicand);
    }
    if (!CpxIsZero(a.rational) || !CpxIsZero(b.rational))
        throw SurdFieldClash(a.radicand, b.radicand);
    // √d·√f = g·√((d/g)(f/g)) with g = gcd(d, f); the two quotients are
    // square-free and coprime, so their product is square-free and > 1.
    const Integer g = Gcd(a.radicand, b.radicand);
    return Made({}, CpxScale(CpxMul(a.root, b.root), g),
                DivideExact(a.radicand, g) * DivideExact(b.radicand, g));
}

Surd SurdInv(const Surd& x) {
    if (CpxIsZero(x.root)) return SurdFromCpx(CpxInv(x.rational));
    // a² − b²d is never 0 for b ≠ 0: √d does not lie in Q(i).
    const ComplexFraction norm =
        CpxSub(CpxMul(x.rational, x.rational), CpxScale(CpxMul(x.root, x.root), x.radicand));
    const ComplexFraction inverse = CpxInv(norm);
    return {CpxMul(x.rational, inverse), CpxNeg(CpxMul(x.root, inverse)), x.radicand};
}

void SurdSubMul(Surd& target, const Surd& a, const Surd& b) {
    target = SurdSub(target, SurdMul(a, b));
}

int SurdSign(const Surd& x) {
    if (!SurdIsReal(x)) throw Error("実数でない数には符号がありません。");
    const int rationalSign = x.rational.re.num.Sign();
    const int rootSign = x.root.re.num.Sign();
    if (rootSign == 0 || rationalSign == rootSign)
        return rationalSign != 0 ? rationalSign : rootSign;
    if (rationalSign == 0) return rootSign;
    // Opposite signs: the part of larger magnitude wins, a² against b²d.
    const Fraction& a = x.rational.re;
    const Fraction& b = x.root.re;
    const Fraction b2d = FracMul(FracMul(b, b), {x.radicand, 1});
    return FracSub(FracMul(a, a), b2d).num.Sign() > 0 ? rationalSign : rootSign;
}

}  // namespace korvane
