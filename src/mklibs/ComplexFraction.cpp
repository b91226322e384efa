#include "mklibs/ComplexFraction.h"

namespace korvane {

ComplexFraction CpxZero() {
    return {};
}

ComplexFraction CpxOne() {
    return {{1, 1}, {}};
}

bool CpxIsZero(const ComplexFraction& z) {
    return z.re.num.IsZero() && z.im.num.IsZero();
}

bool CpxIsOne(const ComplexFraction& z) {
    return z.re.num.IsOne() && z.re.den.IsOne() && z.im.num.IsZero();
}

ComplexFraction CpxNeg(const ComplexFraction& z) {
    return {{-z.re.num, z.re.den}, {-z.im.num, z.im.den}};
}

ComplexFraction CpxSub(const ComplexFraction& a, const ComplexFraction& b) {
    return {FracSub(a.re, b.re), FracSub(a.im, b.im)};
}

ComplexFraction CpxMul(const ComplexFraction& a, const ComplexFraction& b) {
    // (a.re·b.re − a.im·b.im) + (a.re·b.im + a.im·b.re)·i. The product of two
    // real values skips the three products that are known to be zero.
    if (a.im.num.IsZero() && b.im.num.IsZero()) return {FracMul(a.re, b.re), {}};
    return {FracSub(FracMul(a.re, b.re), FracMul(a.im, b.im)),
            FracAdd(FracMul(a.re, b.im), FracMul(a.im, b.re))};
}

void CpxSubMul(ComplexFraction& target, const ComplexFraction& a, const ComplexFraction& b) {
    // (t.re − a.re·b.re + a.im·b.im) + (t.im − a.re·b.im − a.im·b.re)·i
    FracSubMul(target.re, a.re, b.re);
    FracAddMul(target.re, a.im, b.im);
    FracSubMul(target.im, a.re, b.im);
    FracSubMul(target.im, a.im, b.re);
}

ComplexFraction CpxInv(const ComplexFraction& z) {
    // 1/(a + bi) = a/(a² + b²) − b/(a² + b²)·i
    const Fraction r = FracInv(FracAdd(FracMul(z.re, z.re), FracMul(z.im, z.im)));
    const Fraction im = FracMul(z.im, r);
    return {FracMul(z.re, r), {-im.num, im.den}};
}

}  // namespace korvane
