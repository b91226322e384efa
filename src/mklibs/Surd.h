#pragma once

#include <string>

#include "mklibs/ComplexFraction.h"
#include "mklibs/Errors.h"
#include "mklibs/Fraction.h"
#include "mklibs/Integer.h"

namespace korvane {

// An exact number rational + root·√radicand with coefficients in Q(i).
// Canonical form, which every function below delivers: when root is 0 the
// radicand is 0 too (a plain complex fraction); otherwise the radicand is a
// square-free integer > 1, and the imaginary unit of a negative radicand sits
// in the coefficient (√(−3) is i·√3). So equal values have equal members.
struct Surd {
    ComplexFraction rational;
    ComplexFraction root;
    Integer radicand;

    friend bool operator==(const Surd&, const Surd&) = default;
};

// Two values whose sum or product would need two different roots, such as
// √2 + √3 or (1 + √2)(1 + √3): they have no form a + b√d with one root.
class SurdFieldClash : public Error {
  public:
    SurdFieldClash(const Integer& first, const Integer& second);
};

Surd SurdZero();
Surd SurdOne();
Surd SurdFromCpx(const ComplexFraction& z);
bool SurdIsZero(const Surd& x);
bool SurdIsOne(const Surd& x);
// Both coefficients real.
bool SurdIsReal(const Surd& x);

Surd SurdNeg(const Surd& x);
// Sums and products throw SurdFieldClash when the result needs two roots;
// values with different radicands meet when one root suffices: √2·√3 = √6,
// √2 + √2 = 2√2, 3 + √5.
Surd SurdAdd(const Surd& a, const Surd& b);
Surd SurdSub(const Surd& a, const Surd& b);
Surd SurdMul(const Surd& a, const Surd& b);
// 1/(a + b√d) = (a − b√d)/(a² − b²d); throws DivisionByZero for zero.
Surd SurdInv(const Surd& x);
// target := target − a·b.
void SurdSubMul(Surd& target, const Surd& a, const Surd& b);

// The exact square root of q with a rational denominator: √(1/2) = √2/2,
// √(9/4) = 3/2, √(−3) = i√3, √12 = 2√3. Factors q's numerator and
// denominator (FLINT), so it is meant for numbers of moderate size.
Surd SurdSqrt(const Fraction& q);
// The exact sign (−1, 0 or 1) of a real surd; throws Error for one that is
// not real.
int SurdSign(const Surd& x);

// Canonical text, the textbook's: one common denominator drawn out of the
// whole value, the numerator holding Gaussian integers, the root written
// after its coefficient, and a negative coefficient of the root as a minus.
//   √5  -√2  2√3  √2/2  -√2/2  3√5/2  (1+√5)/2  (3-√5)/2  3-2√3  i√3
//   -i√3  2i√3/3  (1+i√3)/2  1+2i+√3  (1+i)√2  -(1-i)√2/2  1+(2+i)√3
// A coefficient of the root with both a real and an imaginary part stands in
// parentheses with a positive real part, its sign before them. A plain
// complex fraction is written exactly as CpxText writes it.
std::string SurdText(const Surd& x);
void AppendSurdText(std::string& text, const Surd& x);

}  // namespace korvane
