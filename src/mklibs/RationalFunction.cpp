#include "mklibs/RationalFunction.h"

#include <utility>

#include "mklibs/PolynomialGcd.h"

namespace korvane {

namespace {

bool IsOnePolynomial(const Polynomial& p) {
    return p.Degree() == 0 && CpxIsOne(p.Leading());
}

// The letter of a result of x and y.
char CommonLetter(const RationalFunction& x, const RationalFunction& y) {
    if (x.Letter() == '\0') return y.Letter();
    if (y.Letter() != '\0' && y.Letter() != x.Letter())
        throw ParameterLetterClash(x.Letter(), y.Letter());
    return x.Letter();
}

std::string LetterText(char letter) {
    return std::string(1, letter);
}

void RequireParameterLetter(char letter) {
    if (IsParameterLetter(letter)) return;
    std::string message = "「";
    message += LetterText(letter);
    message += "」は文字として使えません。";
    throw Error(message);
}

}  // namespace

ParameterLetterClash::ParameterLetterClash(char first, char second)
    : Error([&] {
          std::string message = "文字が ";
          message += LetterText(first);
          message += " と ";
          message += LetterText(second);
          message += " の2種類あります。文字は1種類だけにしてください。";
          return message;
      }()) {}

bool IsParameterLetter(char letter) {
    return letter >= 'a' && letter <= 'z' && letter != 'i';
}

RationalFunction RationalFunction::Constant(const ComplexFraction& value) {
    RationalFunction result;
    result.numerator_ = Polynomial::Constant(value);
    return result;
}

RationalFunction RationalFunction::Parameter(char letter) {
    RequireParameterLetter(letter);
    RationalFunction result;
    result.numerator_ = Polynomial::XMinus(CpxZero());
    result.letter_ = letter;
    return result;
}

RationalFunction RationalFunction::Quotient(const Polynomial& numerator,
                                            const Polynomial& denominator, char letter) {
    if (denominator.IsZero()) throw DivisionByZero();
    if (numerator.IsZero()) return {};
    const Polynomial common = Gcd(numerator, denominator);
    return FromCoprime(ExactQuotient(numerator, common), ExactQuotient(denominator, common),
                       letter);
}

RationalFunction RationalFunction::FromCoprime(const Polynomial& numerator,
                                               const Polynomial& denominator, char letter) {
    if (denominator.IsZero()) throw DivisionByZero();
    RationalFunction result;
    if (numerator.IsZero()) return result;
    if (IsOnePolynomial(denominator)) {
        result.numerator_ = numerator;
    } else {
        const ComplexFraction scale = CpxInv(denominator.Leading());
        result.numerator_ = Scaled(numerator, scale);
        result.denominator_ = Scaled(denominator, scale);
    }
    const bool constant = result.numerator_.Degree() == 0 && result.denominator_.Degree() == 0;
    if (!constant) RequireParameterLetter(letter);
    result.letter_ = constant ? '\0' : letter;
    return result;
}

bool RfIsZero(const RationalFunction& x) {
    return x.Numerator().IsZero();
}

bool RfIsOne(const RationalFunction& x) {
    return IsOnePolynomial(x.Numerator()) && IsOnePolynomial(x.Denominator());
}

bool RfIsConstant(const RationalFunction& x) {
    return x.Numerator().Degree() <= 0 && x.Denominator().Degree() == 0;
}

ComplexFraction RfConstantValue(const RationalFunction& x) {
    return x.Numerator().Coefficient(0);
}

RationalFunction RfNeg(const RationalFunction& x) {
    return RationalFunction::FromCoprime(Scaled(x.Numerator(), CpxNeg(CpxOne())), x.Denominator(),
                                         x.Letter());
}

RationalFunction RfAdd(const RationalFunction& x, const RationalFunction& y) {
    const char letter = CommonLetter(x, y);
    if (RfIsZero(x)) return y;
    if (RfIsZero(y)) return x;
    // Over the least common denominator x.d·(y.d/g); a common factor of the
    // sum with it can only lie in g (Henrici).
    const Polynomial g = Gcd(x.Denominator(), y.Denominator());
    const Polynomial xOther = ExactQuotient(x.Denominator(), g);
    const Polynomial yOther = ExactQuotient(y.Denominator(), g);
    const Polynomial numerator = x.Numerator() * yOther + y.Numerator() * xOther;
    const Polynomial denominator = x.Denominator() * yOther;
    if (numerator.IsZero()) return {};
    const Polynomial common = Gcd(numerator, g);
    return RationalFunction::FromCoprime(ExactQuotient(numerator, common),
                                         ExactQuotient(denominator, common), letter);
}

RationalFunction RfSub(const RationalFunction& x, const RationalFunction& y) {
    return RfAdd(x, RfNeg(y));
}

RationalFunction RfMul(const RationalFunction& x, const RationalFunction& y) {
    const char letter = CommonLetter(x, y);
    if (RfIsZero(x) || RfIsZero(y)) return {};
    // Cancel crosswise first, so that the products are already reduced.
    const Polynomial g1 = Gcd(x.Numerator(), y.Denominator());
    const Polynomial g2 = Gcd(y.Numerator(), x.Denominator());
    return RationalFunction::FromCoprime(
        ExactQuotient(x.Numerator(), g1) * ExactQuotient(y.Numerator(), g2),
        ExactQuotient(x.Denominator(), g2) * ExactQuotient(y.Denominator(), g1), letter);
}

RationalFunction RfInv(const RationalFunction& x) {
    if (RfIsZero(x)) throw DivisionByZero();
    return RationalFunction::FromCoprime(x.Denominator(), x.Numerator(), x.Letter());
}

RationalFunction RfDiv(const RationalFunction& x, const RationalFunction& y) {
    return RfMul(x, RfInv(y));
}

void RfSubMul(RationalFunction& target, const RationalFunction& x, const RationalFunction& y) {
    target = RfSub(target, RfMul(x, y));
}

ComplexFraction PolynomialAt(const Polynomial& p, const ComplexFraction& value) {
    ComplexFraction result;
    for (int k = p.Degree(); k >= 0; --k)
        result = CpxSum(CpxMul(result, value), p.Coefficient(k));
    return result;
}

ComplexFraction RfAt(const RationalFunction& x, const ComplexFraction& value) {
    const ComplexFraction denominator = PolynomialAt(x.Denominator(), value);
    if (CpxIsZero(denominator)) throw DivisionByZero();
    return CpxMul(PolynomialAt(x.Numerator(), value), CpxInv(denominator));
}

}  // namespace korvane
