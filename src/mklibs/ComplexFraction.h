#pragma once

#include <string>
#include <string_view>

#include "mklibs/Fraction.h"

namespace korvane {

// An exact complex number re + im·i with rational parts. Operations deliver
// both parts reduced; the default value is 0.
struct ComplexFraction {
    Fraction re;
    Fraction im;

    friend bool operator==(const ComplexFraction&, const ComplexFraction&) = default;
};

// The values 0 and 1.
ComplexFraction CpxZero();
ComplexFraction CpxOne();

// Both numerators zero (denominators are not looked at).
bool CpxIsZero(const ComplexFraction& z);
// Exactly 1/1 + 0i (the imaginary denominator is not looked at).
bool CpxIsOne(const ComplexFraction& z);
// Both numerators negated, denominators kept, no reduction.
ComplexFraction CpxNeg(const ComplexFraction& z);
ComplexFraction CpxSub(const ComplexFraction& a, const ComplexFraction& b);
ComplexFraction CpxMul(const ComplexFraction& a, const ComplexFraction& b);
// Throws DivisionByZero for zero.
ComplexFraction CpxInv(const ComplexFraction& z);
// target := target − a·b in place (the update an elimination makes to every
// entry of a row); target must be neither a nor b.
void CpxSubMul(ComplexFraction& target, const ComplexFraction& a, const ComplexFraction& b);

// Canonical text: 0, -3, 1/2, i, -2i, i/2, -3i/4, 1/2+3i/4, 2-i/2.
std::string CpxText(const ComplexFraction& z);
// The same text appended to text (a cache can keep its storage).
void AppendCpxText(std::string& text, const ComplexFraction& z);
// Reads what a user types into a cell (a forgiving superset of CpxText's
// output); never fails.
ComplexFraction CpxParse(std::string_view text);
// Whether text holds nothing but the blanks CpxParse skips (or nothing at
// all). CpxParse reads such a text as 1, an empty term; callers decide what
// a blank stands for.
bool CpxIsBlankText(std::string_view text);

}  // namespace korvane
