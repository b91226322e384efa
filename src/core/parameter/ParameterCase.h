#pragma once

#include <string>

#include "mklibs/ComplexFraction.h"
#include "mklibs/ParameterValues.h"
#include "mklibs/Polynomial.h"
#include "mklibs/Surd.h"

namespace korvane {

// The values of the parameter one branch of a case analysis is about: every
// value but some (the case that divides), one value of Q(i), one root
// a + b√d of a quadratic factor, or the roots of an irreducible factor that
// are named only. The excluded values of an outer case stay in the
// conditions of the cases inside it.
struct ParameterCase {
    enum class Kind { kAllBut, kValue, kSurdValue, kRootOf };

    Kind kind = Kind::kAllBut;
    char letter = '\0';
    ParameterRoots excluded;  // for kAllBut
    ComplexFraction value;    // for kValue
    Surd surd;                // for kSurdValue
    Polynomial factor;        // for kRootOf, monic

    static ParameterCase AllBut(char letter, ParameterRoots excluded);
    static ParameterCase Value(char letter, const ComplexFraction& value);
    static ParameterCase SurdValue(char letter, const Surd& value);
    static ParameterCase RootOf(char letter, const Polynomial& factor);
};

// The condition, to be followed by のとき: "a ≠ 1, -2", "a = 1", "a = √2",
// "a が a^3 - a - 1 = 0 の解"; "すべての a について" stands alone for a case
// without exclusions.
std::string CaseConditionText(const ParameterCase& c);
// "a ≠ 1, -2 のとき", "a = √2 のとき", "a が a^3 - a - 1 = 0 の解のとき", or
// "すべての a について".
std::string CaseLead(const ParameterCase& c);

// The zeros of p that excluded does not already hold: p with every excluded
// root and factor divided out, monic (1 when none are left). p must not be
// zero.
Polynomial NewZeros(const Polynomial& p, const ParameterRoots& excluded);

// The union of two sets of values, in the teacher's order.
ParameterRoots Joined(const ParameterRoots& a, const ParameterRoots& b);

// "a = 1, -2", "a = 1, √2, -√2", "a = 1 または a^3 - a - 1 = 0".
std::string ZeroConditionText(char letter, const ParameterRoots& zeros);

}  // namespace korvane
