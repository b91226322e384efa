#include <string>

#include "mklibs/Surd.h"

namespace korvane {

namespace {

// A Gaussian integer re + im·i.
struct GaussianInteger {
    Integer re;
    Integer im;
};

Integer Lcm(const Integer& a, const Integer& b) {
    return DivideExact(a, Gcd(a, b)) * b;
}

// z·den for a den that all of z's denominators divide.
GaussianInteger Scaled(const ComplexFraction& z, const Integer& den) {
    return {z.re.num * DivideExact(den, z.re.den), z.im.num * DivideExact(den, z.im.den)};
}

// The root term c√d, its sign first: "+" is left out at the front.
void AppendRootTerm(std::string& text, GaussianInteger c, const Integer& radicand, bool atFront) {
    const bool real = c.im.IsZero();
    const bool imaginary = c.re.IsZero();
    // A coefficient with two parts keeps a positive real part in parentheses.
    const bool negative = imaginary ? c.im.Sign() < 0 : c.re.Sign() < 0;
    if (negative) {
        c = {-c.re, -c.im};
        text += '-';
    } else if (!atFront) {
        text += '+';
    }
    if (real) {
        if (!c.re.IsOne()) c.re.AppendTo(text);
    } else if (imaginary) {
        if (!c.im.IsOne()) c.im.AppendTo(text);
        text += 'i';
    } else {
        text += '(';
        AppendCpxText(text, {{c.re, 1}, {c.im, 1}});
        text += ')';
    }
    text += "√";
    radicand.AppendTo(text);
}

}  // namespace

std::string SurdText(const Surd& x) {
    std::string text;
    AppendSurdText(text, x);
    return text;
}

void AppendSurdText(std::string& text, const Surd& x) {
    if (CpxIsZero(x.root)) {
        AppendCpxText(text, x.rational);
        return;
    }
    const Integer den =
        Lcm(Lcm(x.rational.re.den, x.rational.im.den), Lcm(x.root.re.den, x.root.im.den));
    const GaussianInteger rational = Scaled(x.rational, den);
    const bool hasRational = !CpxIsZero(x.rational);
    const bool parenthesised = hasRational && !den.IsOne();
    if (parenthesised) text += '(';
    if (hasRational) AppendCpxText(text, {{rational.re, 1}, {rational.im, 1}});
    AppendRootTerm(text, Scaled(x.root, den), x.radicand, !hasRational);
    if (parenthesised) text += ')';
    if (!den.IsOne()) {
        text += '/';
        den.AppendTo(text);
    }
}

}  // namespace korvane
