#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "mklibs/Integer.h"

namespace korvane {

// An exact rational number. Every operation below delivers it reduced:
// den >= 1, no common factor, zero as 0/1; FracReduce is the one place that
// reduces. The default value is 0/1.
struct Fraction {
    Integer num;
    Integer den = 1;

    friend bool operator==(const Fraction&, const Fraction&) = default;
};

// Lowest terms with the sign on the numerator; 0/anything is 0/1.
// Throws DivisionByZero for a nonzero numerator over 0.
Fraction FracReduce(Fraction x);
Fraction FracAdd(const Fraction& a, const Fraction& b);
Fraction FracSub(const Fraction& a, const Fraction& b);
Fraction FracMul(const Fraction& a, const Fraction& b);
// Throws DivisionByZero for zero.
Fraction FracInv(const Fraction& a);
// x := x + a·b and x := x − a·b in place, for reduced operands; x must not be
// a or b. Cheaper than a product and a sum: fewer and smaller gcds, and x
// keeps its storage.
void FracAddMul(Fraction& x, const Fraction& a, const Fraction& b);
void FracSubMul(Fraction& x, const Fraction& a, const Fraction& b);

// Reads a plain fraction text such as -3/4; never fails (unreadable bytes are
// dropped, the empty text and a bare sign mean 1 or -1).
Fraction FracParse(std::string_view text);
// Decimal text: "3", "-7/2".
std::string FracText(const Fraction& a);
// The same text appended to text.
void AppendFracText(std::string& text, const Fraction& a);

}  // namespace korvane
