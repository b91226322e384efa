#include "mklibs/ParameterValues.h"

#include <algorithm>

#include "mklibs/PolynomialFactoring.h"
#include "mklibs/QuadraticRoots.h"

namespace korvane {

namespace {

Fraction SquaredModulus(const ComplexFraction& z) {
    Fraction sum = FracMul(z.re, z.re);
    FracAddMul(sum, z.im, z.im);
    return sum;
}

// Denominators are positive.
bool Less(const Fraction& a, const Fraction& b) {
    return a.num * b.den < b.num * a.den;
}

}  // namespace

bool ParameterValueBefore(const ComplexFraction& a, const ComplexFraction& b) {
    const Fraction ma = SquaredModulus(a);
    const Fraction mb = SquaredModulus(b);
    if (ma != mb) return Less(ma, mb);
    if (a.re != b.re) return Less(b.re, a.re);
    return Less(b.im, a.im);
}

ParameterRoots SplitRoots(const Polynomial& p) {
    ParameterRoots split;
    if (p.Degree() <= 0) return split;
    for (const PolynomialFactor& f : FactorOverGaussianRationals(p)) {
        if (f.factor.Degree() == 1) {
            split.roots.push_back(RootOfLinear(f.factor));
        } else {
            split.others.push_back(f.factor);
        }
    }
    std::sort(split.roots.begin(), split.roots.end(), ParameterValueBefore);
    return split;
}

std::optional<std::array<Surd, 2>> SurdRootsOf(const Polynomial& factor) {
    if (factor.Degree() != 2) return std::nullopt;
    return QuadraticRoots(factor);
}

std::string ValueListText(const ParameterRoots& roots) {
    std::string text;
    for (const ComplexFraction& root : roots.roots) {
        if (!text.empty()) text += ", ";
        AppendCpxText(text, root);
    }
    for (const Polynomial& factor : roots.others) {
        const auto surds = SurdRootsOf(factor);
        if (!surds) continue;
        for (const Surd& root : *surds) {
            if (!text.empty()) text += ", ";
            AppendSurdText(text, root);
        }
    }
    return text;
}

std::vector<Polynomial> NamedOnlyFactors(const ParameterRoots& roots) {
    std::vector<Polynomial> factors;
    for (const Polynomial& factor : roots.others) {
        if (!SurdRootsOf(factor)) factors.push_back(factor);
    }
    return factors;
}

std::string UnequalConditionText(char letter, const ParameterRoots& excluded) {
    std::string text;
    const std::string values = ValueListText(excluded);
    if (!values.empty()) {
        text += letter;
        text += " ≠ ";
        text += values;
    }
    for (const Polynomial& factor : NamedOnlyFactors(excluded)) {
        if (!text.empty()) text += " かつ ";
        text += PolynomialText(factor, std::string(1, letter));
        text += " ≠ 0";
    }
    return text;
}

std::string EqualConditionText(char letter, const ComplexFraction& value) {
    std::string text(1, letter);
    text += " = ";
    AppendCpxText(text, value);
    return text;
}

std::string RootConditionText(char letter, const Polynomial& factor) {
    std::string text(1, letter);
    text += " が ";
    text += PolynomialText(factor, std::string(1, letter));
    text += " = 0 の解";
    return text;
}

}  // namespace korvane
