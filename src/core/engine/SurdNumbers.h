#pragma once

#include <string>
#include <vector>

#include "core/engine/EngineField.h"
#include "core/engine/RowReduction.h"
#include "core/engine/WorkMatrix.h"
#include "mklibs/Surd.h"

namespace korvane {

// The numbers a + b√d with one square root over Q(i). A sum or a product
// that would need a second root throws SurdFieldClash, which ends the
// computation with its message.
struct SurdNumbers {
    using Number = Surd;

    static Number Zero() { return SurdZero(); }
    static Number One() { return SurdOne(); }
    static bool IsZero(const Number& x) { return SurdIsZero(x); }
    static bool IsOne(const Number& x) { return SurdIsOne(x); }
    static Number Neg(const Number& x) { return SurdNeg(x); }
    static Number Add(const Number& a, const Number& b) { return SurdAdd(a, b); }
    static Number Sub(const Number& a, const Number& b) { return SurdSub(a, b); }
    static Number Mul(const Number& a, const Number& b) { return SurdMul(a, b); }
    static Number Inv(const Number& x) { return SurdInv(x); }
    static void SubMul(Number& t, const Number& a, const Number& b) { SurdSubMul(t, a, b); }
    static void AppendText(std::string& text, const Number& x) { AppendSurdText(text, x); }
};

static_assert(EngineField<SurdNumbers>);

using SurdMatrix = BasicWorkMatrix<SurdNumbers>;

// The field a number belongs to: Q(i) for a complex fraction, the surds for
// a surd.
template <class Number>
struct FieldOfNumber;
template <>
struct FieldOfNumber<ComplexFraction> {
    using Type = ComplexRationals;
};
template <>
struct FieldOfNumber<Surd> {
    using Type = SurdNumbers;
};
template <class Number>
using FieldOf = typename FieldOfNumber<Number>::Type;

// The Q(i) matrix with its entries as surds.
SurdMatrix AsSurdMatrix(const WorkMatrix& a);
// The same for a vector.
std::vector<Surd> AsSurdVector(const std::vector<ComplexFraction>& v);

// Instantiated in SurdNumbers.cpp.
extern template class BasicWorkMatrix<SurdNumbers>;
extern template class BasicRowReduction<SurdNumbers>;

}  // namespace korvane
