#pragma once

#include <string>

#include "core/engine/EngineField.h"
#include "mklibs/CommonDenominator.h"
#include "mklibs/ComplexFraction.h"

namespace korvane {

// Q(i), the exact complex fractions the engine has always computed with.
// Beside the field's operations it offers prepared operands: a row update
// uses its factor and the source row's entries many times over, so it writes
// them once over a common denominator and then needs far fewer gcds.
struct ComplexRationals {
    using Number = ComplexFraction;
    using Prepared = CpxOverCommon;

    static Number Zero() { return CpxZero(); }
    static Number One() { return CpxOne(); }
    static bool IsZero(const Number& x) { return CpxIsZero(x); }
    static bool IsOne(const Number& x) { return CpxIsOne(x); }
    static Number Neg(const Number& x) { return CpxNeg(x); }
    static Number Add(const Number& a, const Number& b) {
        return {FracAdd(a.re, b.re), FracAdd(a.im, b.im)};
    }
    static Number Sub(const Number& a, const Number& b) { return CpxSub(a, b); }
    static Number Mul(const Number& a, const Number& b) { return CpxMul(a, b); }
    static Number Inv(const Number& x) { return CpxInv(x); }
    static void SubMul(Number& t, const Number& a, const Number& b) { CpxSubMul(t, a, b); }
    static void AppendText(std::string& text, const Number& x) { AppendCpxText(text, x); }

    static Prepared Prepare(const Number& x) { return ToCommonDenominator(x); }
    static void SubMulPrepared(Number& t, const Prepared& a, const Prepared& b) {
        CpxSubMulCommon(t, a, b);
    }
};

static_assert(EngineField<ComplexRationals>);
static_assert(PreparedOperands<ComplexRationals>);

}  // namespace korvane
