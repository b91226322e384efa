#include "core/parameter/ParameterCase.h"

#include <algorithm>
#include <utility>

#include "mklibs/RationalFunction.h"

namespace korvane {

ParameterCase ParameterCase::AllBut(char letter, ParameterRoots excluded) {
    ParameterCase c;
    c.letter = letter;
    c.excluded = std::move(excluded);
    return c;
}

ParameterCase ParameterCase::Value(char letter, const ComplexFraction& value) {
    ParameterCase c;
    c.kind = Kind::kValue;
    c.letter = letter;
    c.value = value;
    return c;
}

ParameterCase ParameterCase::SurdValue(char letter, const Surd& value) {
    ParameterCase c;
    c.kind = Kind::kSurdValue;
    c.letter = letter;
    c.surd = value;
    return c;
}

ParameterCase ParameterCase::RootOf(char letter, const Polynomial& factor) {
    ParameterCase c;
    c.kind = Kind::kRootOf;
    c.letter = letter;
    c.factor = factor;
    return c;
}

std::string CaseConditionText(const ParameterCase& c) {
    switch (c.kind) {
        case ParameterCase::Kind::kValue:
            return EqualConditionText(c.letter, c.value);
        case ParameterCase::Kind::kSurdValue:
            return std::string(1, c.letter) + " = " + SurdText(c.surd);
        case ParameterCase::Kind::kRootOf:
            return RootConditionText(c.letter, c.factor);
        case ParameterCase::Kind::kAllBut:
            break;
    }
    return UnequalConditionText(c.letter, c.excluded);
}

std::string CaseLead(const ParameterCase& c) {
    std::string condition = CaseConditionText(c);
    if (condition.empty()) {
        std::string lead = "すべての ";
        lead += c.letter;
        lead += " について";
        return lead;
    }
    // "a が a^2 - 2 = 0 の解のとき": the particle follows the noun directly.
    condition += c.kind == ParameterCase::Kind::kRootOf ? "のとき" : " のとき";
    return condition;
}

Polynomial NewZeros(const Polynomial& p, const ParameterRoots& excluded) {
    Polynomial z = Monic(p);
    for (const ComplexFraction& root : excluded.roots) {
        while (z.Degree() > 0 && CpxIsZero(PolynomialAt(z, root)))
            z = Divide(z, Polynomial::XMinus(root)).quotient;
    }
    for (const Polynomial& factor : excluded.others) {
        while (z.Degree() >= factor.Degree()) {
            PolynomialDivision division = Divide(z, factor);
            if (!division.remainder.IsZero()) break;
            z = std::move(division.quotient);
        }
    }
    return z;
}

ParameterRoots Joined(const ParameterRoots& a, const ParameterRoots& b) {
    ParameterRoots joined = a;
    for (const ComplexFraction& root : b.roots) {
        if (std::find(joined.roots.begin(), joined.roots.end(), root) == joined.roots.end())
            joined.roots.push_back(root);
    }
    for (const Polynomial& factor : b.others) {
        if (std::find(joined.others.begin(), joined.others.end(), factor) == joined.others.end())
            joined.others.push_back(factor);
    }
    std::sort(joined.roots.begin(), joined.roots.end(), ParameterValueBefore);
    std::stable_sort(joined.others.begin(), joined.others.end(),
                     [](const Polynomial& x, const Polynomial& y) { return x.Degree() < y.Degree(); });
    return joined;
}

std::string ZeroConditionText(char letter, const ParameterRoots& zeros) {
    const std::string name(1, letter);
    std::string text;
    const std::string values = ValueListText(zeros);
    if (!values.empty()) {
        text += name;
        text += " = ";
        text += values;
    }
    for (const Polynomial& factor : NamedOnlyFactors(zeros)) {
        if (!text.empty()) text += " または ";
        text += PolynomialText(factor, name);
        text += " = 0";
    }
    return text;
}

}  // namespace korvane
