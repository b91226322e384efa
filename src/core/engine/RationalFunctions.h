#pragma once

#include <string>

#include "core/engine/EngineField.h"
#include "core/engine/RowReduction.h"
#include "core/engine/WorkMatrix.h"
#include "mklibs/RationalFunction.h"

namespace korvane {

// The rational functions p(a)/q(a) over Q(i) in one parameter letter. The
// reduction over them divides by a pivot such as a − 1 as a number; where a
// pivot may vanish for some value of the letter is the case analysis's
// concern, which chooses the pivots.
struct RationalFunctions {
    using Number = RationalFunction;

    static Number Zero() { return {}; }
    static Number One() { return RationalFunction::Constant(CpxOne()); }
    static bool IsZero(const Number& x) { return RfIsZero(x); }
    static bool IsOne(const Number& x) { return RfIsOne(x); }
    static Number Neg(const Number& x) { return RfNeg(x); }
    static Number Add(const Number& a, const Number& b) { return RfAdd(a, b); }
    static Number Sub(const Number& a, const Number& b) { return RfSub(a, b); }
    static Number Mul(const Number& a, const Number& b) { return RfMul(a, b); }
    static Number Inv(const Number& x) { return RfInv(x); }
    static void SubMul(Number& t, const Number& a, const Number& b) { RfSubMul(t, a, b); }
    static void AppendText(std::string& text, const Number& x) { AppendRfText(text, x); }
};

static_assert(EngineField<RationalFunctions>);

// Instantiated in RationalFunctions.cpp.
extern template class BasicWorkMatrix<RationalFunctions>;
extern template class BasicRowReduction<RationalFunctions>;

}  // namespace korvane
