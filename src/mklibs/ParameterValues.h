#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "mklibs/ComplexFraction.h"
#include "mklibs/Polynomial.h"
#include "mklibs/Surd.h"

namespace korvane {

// The order in which a teacher lists the values of a parameter: the
// smaller modulus first, then the larger real part, then the larger
// imaginary part: 0, 1, -1, i, -i, 2, -2 and 1/2 before 1.
bool ParameterValueBefore(const ComplexFraction& a, const ComplexFraction& b);

// Where a polynomial in the parameter vanishes: its roots in Q(i), and its
// irreducible factors of degree two or more over Q(i), whose roots lie
// outside it: a quadratic's as surds where they are (SurdRootsOf), the
// others named only as the roots of their factor.
struct ParameterRoots {
    std::vector<ComplexFraction> roots;  // distinct, in ParameterValueBefore's order
    std::vector<Polynomial> others;      // monic, distinct, by degree

    friend bool operator==(const ParameterRoots&, const ParameterRoots&) = default;
};

// The roots of p; nothing for a constant p (p must not be zero).
ParameterRoots SplitRoots(const Polynomial& p);

// The two roots of an irreducible quadratic factor as surds a + b√d, the
// one with +√ first; empty for a factor of another degree, or one such as
// a^2 - (1+i) whose roots need a root inside a root.
std::optional<std::array<Surd, 2>> SurdRootsOf(const Polynomial& factor);

// The values of a set one by one, as the log lists them: the roots in Q(i),
// then the surd roots of each quadratic factor, "1, -2, √2, -√2"; empty
// when there are none.
std::string ValueListText(const ParameterRoots& roots);
// The factors of a set whose roots are named only through the factor.
std::vector<Polynomial> NamedOnlyFactors(const ParameterRoots& roots);

// The conditions of the cases, in the log's voice, to be followed by のとき:
// "a ≠ 1, -2", "a ≠ 1, √2, -√2", "a ≠ 1 かつ a^3 - a - 1 ≠ 0" for values
// kept away from (nothing when there are none);
std::string UnequalConditionText(char letter, const ParameterRoots& excluded);
// "a = -2";
std::string EqualConditionText(char letter, const ComplexFraction& value);
// "a が a^3 - a - 1 = 0 の解".
std::string RootConditionText(char letter, const Polynomial& factor);

}  // namespace korvane
