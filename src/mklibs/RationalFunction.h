#pragma once

#include <string>

#include "mklibs/ComplexFraction.h"
#include "mklibs/Errors.h"
#include "mklibs/Polynomial.h"

namespace korvane {

// A quotient p(a)/q(a) of polynomials over the complex rationals Q(i) in one
// parameter letter, a value like the numbers it holds. It is kept canonical:
// p and q have no common factor, q is monic, zero is 0/1, and a constant has
// no letter while anything else has exactly one. Equal functions compare
// equal.
class RationalFunction {
  public:
    RationalFunction() = default;  // zero
    // The constant value.
    static RationalFunction Constant(const ComplexFraction& value);
    // The parameter itself, written as letter: a lowercase Latin letter
    // other than i (the imaginary unit). Throws Error for any other.
    static RationalFunction Parameter(char letter);
    // numerator/denominator in letter, brought into canonical form. Throws
    // DivisionByZero for a zero denominator.
    static RationalFunction Quotient(const Polynomial& numerator, const Polynomial& denominator,
                                     char letter);
    // The same for a numerator and a denominator known to be coprime: only
    // made monic.
    static RationalFunction FromCoprime(const Polynomial& numerator, const Polynomial& denominator,
                                        char letter);

    const Polynomial& Numerator() const { return numerator_; }
    const Polynomial& Denominator() const { return denominator_; }
    // The parameter letter; '\0' for a constant.
    char Letter() const { return letter_; }

    friend bool operator==(const RationalFunction&, const RationalFunction&) = default;

  private:
    Polynomial numerator_;
    Polynomial denominator_ = Polynomial::Constant(CpxOne());
    char letter_ = '\0';
};

// Raised when one computation meets two different parameter letters.
class ParameterLetterClash : public Error {
  public:
    ParameterLetterClash(char first, char second);
};

// Whether letter may name the parameter: a to z except i.
bool IsParameterLetter(char letter);

bool RfIsZero(const RationalFunction& x);
bool RfIsOne(const RationalFunction& x);
// No parameter left: a value of Q(i).
bool RfIsConstant(const RationalFunction& x);
// The value of a constant function (RfIsConstant must hold).
ComplexFraction RfConstantValue(const RationalFunction& x);

// The operations of the field Q(i)(a). Operands in two different letters
// throw ParameterLetterClash; a constant goes with any letter.
RationalFunction RfNeg(const RationalFunction& x);
RationalFunction RfAdd(const RationalFunction& x, const RationalFunction& y);
RationalFunction RfSub(const RationalFunction& x, const RationalFunction& y);
RationalFunction RfMul(const RationalFunction& x, const RationalFunction& y);
// Throws DivisionByZero for zero.
RationalFunction RfInv(const RationalFunction& x);
// Throws DivisionByZero when y is zero.
RationalFunction RfDiv(const RationalFunction& x, const RationalFunction& y);
// target := target − x·y.
void RfSubMul(RationalFunction& target, const RationalFunction& x, const RationalFunction& y);

// The value at parameter = value. Throws DivisionByZero where the
// denominator vanishes (value is a pole).
ComplexFraction RfAt(const RationalFunction& x, const ComplexFraction& value);
// p(value) by Horner's rule.
ComplexFraction PolynomialAt(const Polynomial& p, const ComplexFraction& value);

// Canonical text, as the log prints a matrix entry: no blanks, powers as
// ^2, the sign and the constant factor in front, a polynomial with more
// than one irreducible factor written as their product:
// "(a-1)^2(a+2)", "1/(a-1)", "2a/3", "-(a-1)", "a^2+1", "(a+1)/(2(a-1))".
// Real polynomials are factored over Q, others over Q(i). A constant is
// written exactly as CpxText writes it.
std::string RfText(const RationalFunction& x);
// The same text appended to text.
void AppendRfText(std::string& text, const RationalFunction& x);

}  // namespace korvane
