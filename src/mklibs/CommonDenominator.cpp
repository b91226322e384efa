#include "mklibs/CommonDenominator.h"

#include <flint/fmpz.h>

#include "mklibs/RawInteger.h"

namespace korvane {

namespace {

// Scratch integers of one update, kept per thread so that a long elimination
// reuses their storage instead of allocating for every entry.
struct Scratch {
    fmpz_t p1, p2, t, pd, g, a, b, num, den;
    bool divides = false;  // the last target denominator divided pd
    Scratch() {
        for (fmpz* x : {p1, p2, t, pd, g, a, b, num, den})
            fmpz_init(x);
    }
    // The thread ends: its spare storage goes too, the scratch's own last.
    ~Scratch() {
        for (fmpz* x : {p1, p2, t, pd, g, a, b, num, den})
            fmpz_clear(x);
        ReleaseThreadNumbers();
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
};

Scratch& ThreadScratch() {
    thread_local Scratch scratch;
    return scratch;
}

// part := part − p/pd for a reduced part and any p/pd with pd > 0. Over the
// least common multiple of the two denominators the products stay small; in
// an elimination the target's denominator mostly divides pd, which a division
// finds sooner than a gcd. A last gcd reduces. With sameDenominator the part
// has the denominator of the part just done, whose a and b are reused.
void SubtractOver(Fraction& part, const fmpz_t p, const fmpz_t pd, bool sameDenominator,
                  Scratch& s) {
    fmpz* n = RawInteger::Of(part.num);
    fmpz* d = RawInteger::Of(part.den);
    if (!sameDenominator) {
        s.divides = fmpz_divides(s.a, pd, d) != 0;  // a = pd / d
        if (!s.divides) {
            fmpz_gcd(s.g, d, pd);
            fmpz_divexact(s.a, pd, s.g);  // pd / g
            fmpz_divexact(s.b, d, s.g);   // d / g
        }
    }
    fmpz_mul(s.num, n, s.a);
    if (s.divides) {
        fmpz_sub(s.num, s.num, p);
        fmpz_set(s.den, pd);  // d · (pd / d)
    } else {
        fmpz_submul(s.num, p, s.b);
        fmpz_mul(s.den, d, s.a);
    }
    fmpz_gcd(s.g, s.num, s.den);
    if (fmpz_is_one(s.g)) {
        fmpz_swap(n, s.num);
        fmpz_swap(d, s.den);
    } else if (fmpz_is_zero(s.num)) {
        fmpz_zero(n);
        fmpz_one(d);
    } else {
        fmpz_divexact(n, s.num, s.g);
        fmpz_divexact(d, s.den, s.g);
    }
}

}  // namespace

CpxOverCommon ToCommonDenominator(const ComplexFraction& z) {
    CpxOverCommon c;
    fmpz* re = RawInteger::Of(c.re);
    fmpz* im = RawInteger::Of(c.im);
    fmpz* den = RawInteger::Of(c.den);
    const fmpz* rd = RawInteger::Of(z.re.den);
    const fmpz* id = RawInteger::Of(z.im.den);
    fmpz_lcm(den, rd, id);
    fmpz_divexact(re, den, rd);
    fmpz_mul(re, re, RawInteger::Of(z.re.num));
    fmpz_divexact(im, den, id);
    fmpz_mul(im, im, RawInteger::Of(z.im.num));
    return c;
}

void CpxSubMulCommon(ComplexFraction& target, const CpxOverCommon& a, const CpxOverCommon& b) {
    Scratch& s = ThreadScratch();
    const fmpz* ar = RawInteger::Of(a.re);
    const fmpz* ai = RawInteger::Of(a.im);
    const fmpz* br = RawInteger::Of(b.re);
    const fmpz* bi = RawInteger::Of(b.im);
    if (fmpz_is_zero(ai) || fmpz_is_zero(bi)) {
        // A real factor: two products at most, one when both are real.
        const fmpz* real = fmpz_is_zero(ai) ? ar : br;
        const fmpz* otherRe = fmpz_is_zero(ai) ? br : ar;
        const fmpz* otherIm = fmpz_is_zero(ai) ? bi : ai;
        fmpz_mul(s.p1, real, otherRe);
        fmpz_mul(s.p2, real, otherIm);
    } else {
        // (ar + ai·i)(br + bi·i) with three products: ar·br, ai·bi and
        // (ar + ai)(br + bi).
        fmpz_mul(s.p1, ar, br);
        fmpz_mul(s.t, ai, bi);
        fmpz_add(s.a, ar, ai);
        fmpz_add(s.b, br, bi);
        fmpz_mul(s.p2, s.a, s.b);
        fmpz_sub(s.p2, s.p2, s.p1);
        fmpz_sub(s.p2, s.p2, s.t);
        fmpz_sub(s.p1, s.p1, s.t);
    }
    fmpz_mul(s.pd, RawInteger::Of(a.den), RawInteger::Of(b.den));
    // Both parts of an entry mostly share their denominator: then the work
    // on it is done once.
    const bool reRuns = !fmpz_is_zero(s.p1);
    const bool imRuns = !fmpz_is_zero(s.p2);
    const bool shared = reRuns && imRuns && target.re.den == target.im.den;
    if (reRuns) SubtractOver(target.re, s.p1, s.pd, false, s);
    if (imRuns) SubtractOver(target.im, s.p2, s.pd, shared, s);
}

}  // namespace korvane
