#include "mklibs/Fraction.h"

#include <flint/fmpq.h>

#include <cassert>

#include "mklibs/Errors.h"
#include "mklibs/RawInteger.h"

namespace korvane {

Fraction FracReduce(Fraction x) {
    if (x.num.IsZero()) return {};
    if (x.den.IsZero()) throw DivisionByZero();
    if (x.den.Sign() < 0) {
        x.num = -x.num;
        x.den = -x.den;
    }
    if (x.den.IsOne()) return x;
    Integer g = Gcd(x.num, x.den);
    if (g.IsOne()) return x;
    return {DivideExact(x.num, g), DivideExact(x.den, g)};
}

Fraction FracAdd(const Fraction& a, const Fraction& b) {
    if (a.den.IsOne() && b.den.IsOne()) return {a.num + b.num, 1};
    return FracReduce({a.num * b.den + a.den * b.num, a.den * b.den});
}

Fraction FracSub(const Fraction& a, const Fraction& b) {
    if (a.den.IsOne() && b.den.IsOne()) return {a.num - b.num, 1};
    return FracReduce({a.num * b.den - a.den * b.num, a.den * b.den});
}

Fraction FracMul(const Fraction& a, const Fraction& b) {
    if (a.num.IsZero() || b.num.IsZero()) {
        // 0 times anything is 0/1, unless a denominator is 0: then the
        // plain product is 0/0, which reduces to 0/1 as well.
        return {};
    }
    if (a.den.IsOne() && b.den.IsOne()) return {a.num * b.num, 1};
    return FracReduce({a.num * b.num, a.den * b.den});
}

Fraction FracInv(const Fraction& a) {
    if (a.num.IsZero()) throw DivisionByZero();
    return FracReduce({a.den, a.num});
}

void FracAddMul(Fraction& x, const Fraction& a, const Fraction& b) {
    assert(&x != &a && &x != &b);
    if (a.num.IsZero() || b.num.IsZero()) return;
    _fmpq_addmul(RawInteger::Of(x.num), RawInteger::Of(x.den), RawInteger::Of(a.num),
                 RawInteger::Of(a.den), RawInteger::Of(b.num), RawInteger::Of(b.den));
}

void FracSubMul(Fraction& x, const Fraction& a, const Fraction& b) {
    assert(&x != &a && &x != &b);
    if (a.num.IsZero() || b.num.IsZero()) return;
    _fmpq_submul(RawInteger::Of(x.num), RawInteger::Of(x.den), RawInteger::Of(a.num),
                 RawInteger::Of(a.den), RawInteger::Of(b.num), RawInteger::Of(b.den));
}

}  // namespace korvane
