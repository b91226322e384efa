#pragma once

#include <string>

#include "mklibs/ComplexFraction.h"
#include "mklibs/ParameterValues.h"
#include "mklibs/Polynomial.h"

namespace korvane {

// The values of the parameter one branch of a case analysis is about: every
// value but some (the case that divides), one value of Q(i), or the roots of
// an irreducible factor of degree two or more. The excluded values of an
// outer case stay in the conditions of the cases inside it.
struct ParameterCase {
    enum class Kind { kAllBut, kValue, kRootOf };

    Kind kind = Kind::kAllBut;
    char letter = '\0';
    ParameterRoots excluded;  // for kAllBut
    ComplexFraction value;    // for kValue
    Polynomial factor;        // for kRootOf, monic

    static ParameterCase AllBut(char letter, ParameterRoots excluded);
    static ParameterCase Value(char letter, const ComplexFraction& value);
    static ParameterCase RootOf(char letter, const Polynomial& factor);
};

// The condition, to be followed by のとき: "a ≠ 1, -2", "a = 1",
// "a が a^2 - 2 = 0 の解"; "すべての a について" stands alone for a case
// without exclusions.
std::string CaseConditionText(const ParameterCase& c);
// "a ≠ 1, -2 のとき", "a が a^2 - 2 = 0 の解のとき", or "すべての a について".
std::string CaseLead(const ParameterCase& c);

// The zeros of p that excluded does not already hold: p with every excluded
// root and factor divided out, monic (1 when none are left). p must not be
// zero.
Polynomial NewZeros(const Polynomial& p, const ParameterRoots& excluded);

// The union of two sets of values, in the teacher's order.
ParameterRoots Joined(const ParameterRoots& a, const ParameterRoots& b);

// "a = 1, -2", "a^2 - 2 = 0", "a = 1 または a^2 - 2 = 0".
std::string ZeroConditionText(char letter, const ParameterRoots& zeros);

}  // namespace korvane
