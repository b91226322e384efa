#pragma once

#include "mklibs/ComplexFraction.h"
#include "mklibs/Integer.h"

namespace korvane {

// A complex fraction written over one positive denominator, (re + im·i)/den,
// not necessarily in lowest terms. A row operation uses its factor and the
// source row's entries many times over, so it converts them once; the update
// then needs far fewer gcds than one made of Fraction operations.
struct CpxOverCommon {
    Integer re;
    Integer im;
    Integer den;
};

// z over the least common multiple of its two denominators.
CpxOverCommon ToCommonDenominator(const ComplexFraction& z);

// target := target − a·b, delivered with both parts reduced; target must be
// reduced on entry. Two gcds per nonzero part of the product.
void CpxSubMulCommon(ComplexFraction& target, const CpxOverCommon& a, const CpxOverCommon& b);

}  // namespace korvane
