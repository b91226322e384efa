#include "core/orthogonality/SurdUnitVector.h"

#include <string_view>

#include "core/StopSignal.h"
#include "core/orthogonality/RootTexts.h"

namespace korvane {

namespace {

Surd Rational(const Fraction& q) {
    return SurdFromCpx({q, Fraction{}});
}

Integer Lcm(const Integer& a, const Integer& b) {
    return DivideExact(a * b, Gcd(a, b)).Abs();
}

// The four rational coefficients of a surd.
std::vector<const Fraction*> Coefficients(const Surd& x) {
    return {&x.rational.re, &x.rational.im, &x.root.re, &x.root.im};
}

// The positive rational t that makes the entries of t·u Gaussian integers
// with no common factor.
Fraction PrimitiveScale(const std::vector<Surd>& u) {
    Integer den = 1;
    for (const Surd& x : u) {
        for (const Fraction* q : Coefficients(x))
            den = Lcm(den, q->den);
    }
    Integer content = 0;
    for (const Surd& x : u) {
        for (const Fraction* q : Coefficients(x))
            content = Gcd(content, DivideExact(q->num * den, q->den));
    }
    return FracReduce({den, content.Abs()});
}

// √(a + b√d), b ≠ 0, as √x ± √y when a² − b²d is a rational square.
std::optional<Surd> Denested(const Surd& n) {
    const Fraction& a = n.rational.re;
    const Fraction& b = n.root.re;
    const Fraction square = FracSub(FracMul(a, a), FracMul(FracMul(b, b), Fraction{n.radicand}));
    const Surd c = RootOf(square);
    if (!CpxIsZero(c.root)) return std::nullopt;
    const Fraction half{1, 2};
    const Surd x = RootOf(FracMul(FracAdd(a, c.rational.re), half));
    const Surd y = RootOf(FracMul(FracSub(a, c.rational.re), half));
    try {
        return b.num.Sign() > 0 ? SurdAdd(x, y) : SurdSub(x, y);
    } catch (const SurdFieldClash&) {
        return std::nullopt;
    }
}

// x/√M in the field, or nothing when it needs a second root.
std::optional<Surd> Quotient(const Surd& x, const Surd& root) {
    try {
        return SurdMul(x, SurdInv(root));
    } catch (const SurdFieldClash&) {
        return std::nullopt;
    }
}

bool OneTerm(const std::string& text) {
    return text.find_first_of("+-/", 1) == std::string::npos;
}

// "(" + text + ")", appended piece by piece: GCC 12's Release build warns
// falsely (-Wrestrict) on a literal + std::string.
std::string Bracketed(std::string_view before, const std::string& text) {
    std::string bracketed(before);
    bracketed += '(';
    bracketed += text;
    bracketed += ')';
    return bracketed;
}

// A numerator of two terms in parentheses, a leading minus outside them:
// "(1+√5)", "-(1+√5)", and a positive real one with its root first, "(√5-1)".
std::string Numerator(const Surd& x) {
    const std::string text = SurdText(x);
    if (OneTerm(text)) return text;
    if (!text.starts_with('-')) return Bracketed("", text);
    if (SurdIsReal(x) && SurdSign(x) > 0) {
        std::string rootFirst = SurdText({CpxZero(), x.root, x.radicand});
        AppendSurdText(rootFirst, SurdFromCpx(x.rational));
        return Bracketed("", rootFirst);
    }
    return Bracketed("-", SurdText(SurdNeg(x)));
}

}  // namespace

std::optional<Surd> RootInField(const Surd& n) {
    if (CpxIsZero(n.root)) return RootOf(n.rational.re);
    return Denested(n);
}

SurdUnitVector UnitVectorOf(const std::vector<Surd>& u, const Surd& n) {
    const Fraction t = PrimitiveScale(u);
    SurdUnitVector unit;
    for (const Surd& x : u)
        unit.w.push_back(SurdMul(Rational(t), x));
    unit.m = SurdMul(Rational(FracMul(t, t)), n);
    unit.root = RootInField(unit.m);
    for (const Surd& x : unit.w) {
        StopPoint();
        if (unit.root && !Quotient(x, *unit.root)) unit.root.reset();
    }
    return unit;
}

std::string OverNormText(const SurdUnitVector& unit, const Surd& x) {
    if (unit.root) return SurdText(*Quotient(x, *unit.root));
    if (SurdIsZero(x)) return "0";
    std::string text = Numerator(x);
    text += '/';
    if (!CpxIsZero(unit.m.root)) return text + Bracketed("√", SurdText(unit.m));
    const std::string root = SurdText(RootOf(unit.m.rational.re));
    return text + (root.starts_with("√") ? root : Bracketed("", root));
}

std::vector<std::string> UnitVectorTexts(const std::vector<Surd>& u, const Surd& n) {
    const SurdUnitVector unit = UnitVectorOf(u, n);
    std::vector<std::string> entries;
    for (const Surd& x : unit.w)
        entries.push_back(OverNormText(unit, x));
    return entries;
}

std::string NormText(const Surd& n) {
    if (const std::optional<Surd> root = RootInField(n)) return SurdText(*root);
    return Bracketed("√", SurdText(n));
}

}  // namespace korvane
