#pragma once

#include <string>
#include <vector>

#include "mklibs/ComplexFraction.h"
#include "mklibs/Polynomial.h"

namespace korvane {

// The order in which a teacher lists the values of a parameter: the
// smaller modulus first, then the larger real part, then the larger
// imaginary part: 0, 1, -1, i, -i, 2, -2 and 1/2 before 1.
bool ParameterValueBefore(const ComplexFraction& a, const ComplexFraction& b);

// Where a polynomial in the parameter vanishes: its roots in Q(i), and its
// irreducible factors of degree two or more over Q(i), whose roots lie
// outside it and are named only as the roots of the factor.
struct ParameterRoots {
    std::vector<ComplexFraction> roots;  // distinct, in ParameterValueBefore's order
    std::vector<Polynomial> others;      // monic, distinct, by degree

    friend bool operator==(const ParameterRoots&, const ParameterRoots&) = default;
};

// The roots of p; nothing for a constant p (p must not be zero).
ParameterRoots SplitRoots(const Polynomial& p);

// The conditions of the cases, in the log's voice, to be followed by のとき:
// "a ≠ 1, -2", "a ≠ 1 かつ a^2 - 2 ≠ 0", "a^2 + a + 1 ≠ 0" for values kept
// away from (nothing when there are none);
std::string UnequalConditionText(char letter, const ParameterRoots& excluded);
// "a = -2";
std::string EqualConditionText(char letter, const ComplexFraction& value);
// "a が a^3 - a - 1 = 0 の解".
std::string RootConditionText(char letter, const Polynomial& factor);

}  // namespace korvane
