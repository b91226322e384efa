#include "core/engine/EigenvalueText.h"

#include <set>

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "core/engine/CharacteristicPolynomial.h"
#include "core/engine/RowOperationText.h"
#include "mklibs/QuadraticRoots.h"
#include "mklibs/RootApproximation.h"

namespace korvane {

namespace {

constexpr int kApproximationDigits = 15;

}  // namespace

std::string FactorProductText(const std::vector<FactorText>& factors) {
    const bool single = factors.size() == 1 && factors.front().multiplicity == 1;
    std::string text;
    for (const FactorText& f : factors) {
        if (single || f.text == kLambda) {
            text += f.text;
        } else {
            text += '(';
            text += f.text;
            text += ')';
        }
        if (f.multiplicity > 1) {
            text += '^';
            text += std::to_string(f.multiplicity);
        }
    }
    return text;
}

std::string FactorisationText(const std::vector<PolynomialFactor>& factors) {
    std::vector<FactorText> texts;
    for (const PolynomialFactor& f : factors)
        texts.push_back({PolynomialText(f.factor, kLambda), f.multiplicity});
    return FactorProductText(texts);
}

namespace {

void ApproximationLines(const PolynomialFactor& f, StepLog& log) {
    const std::string factor = PolynomialText(f.factor, kLambda);
    log.AppendStepLog("因数 " + factor +
                      " は複素有理数の範囲ではこれ以上因数分解できないので、その根である固有値は"
                      "近似値（有効数字15桁）で示します。");
    for (const std::string& root : ApproximateRoots(f.factor, kApproximationDigits))
        log.AppendStepLog("λ ≈ " + root + "（近似値、代数的重複度" +
                          std::to_string(f.multiplicity) + "）");
}

// The roots of an irreducible quadratic factor by the quadratic formula.
void QuadraticLines(const PolynomialFactor& f, const std::array<Surd, 2>& roots, StepLog& log) {
    const std::string factor = PolynomialText(f.factor, kLambda);
    std::string lead = "因数 ";
    lead += factor;
    lead += " は複素有理数の範囲ではこれ以上因数分解できないので、";
    lead += factor;
    lead += " = 0 を解の公式で解くと、";
    log.AppendStepLog(lead);
    for (const Surd& root : roots)
        log.AppendStepLog("λ = " + SurdText(root) + "（代数的重複度" +
                          std::to_string(f.multiplicity) + "）");
    log.AppendStepLog("です。");
}

}  // namespace

std::set<Integer> QuadraticRadicands(const EigenvalueFindings& findings) {
    std::set<Integer> radicands;
    for (const QuadraticEigenvalue& e : findings.quadratic)
        radicands.insert(e.value.radicand);
    return radicands;
}

std::string RootsNamed(const std::set<Integer>& radicands) {
    std::string text;
    for (const Integer& d : radicands) {
        if (!text.empty()) text += " と ";
        text += "√";
        d.AppendTo(text);
    }
    return text;
}

std::string MinusEigenvalueName(const Surd& value) {
    if (CpxIsZero(value.root)) return MinusEigenvalueName(value.rational);
    const std::string text = SurdText(value);
    const bool negative = text.starts_with('-');
    return std::string(negative ? "A + " : "A - ") +
           MultipliedName(negative ? SurdText(SurdNeg(value)) : text, "I");
}

std::string MinusEigenvalueName(const ComplexFraction& value) {
    if (CpxIsZero(value)) return "A";
    const bool negative = CpxText(value).starts_with('-');
    return std::string(negative ? "A + " : "A - ") +
           CoefficientText(negative ? CpxNeg(value) : value) + "I";
}

EigenvalueFindings EigenvalueText(const Polynomial& characteristic, StepLog& log) {
    const std::vector<PolynomialFactor> factors = FactorOverGaussianRationals(characteristic);
    EigenvalueFindings findings;
    // The factors of degree two or more, in order, with their roots where
    // the quadratic formula gives them.
    std::vector<std::pair<PolynomialFactor, std::optional<std::array<Surd, 2>>>> higher;
    for (const PolynomialFactor& f : factors) {
        if (f.factor.Degree() == 1) {
            findings.exact.push_back({RootOfLinear(f.factor), f.multiplicity});
            continue;
        }
        higher.emplace_back(f, f.factor.Degree() == 2 ? QuadraticRoots(f.factor) : std::nullopt);
        const auto& roots = higher.back().second;
        if (!roots) findings.others.push_back(f);
        for (std::size_t k = 0; roots && k < roots->size(); ++k)
            findings.quadratic.push_back({(*roots)[k], f.multiplicity});
    }
    log.AppendStepLog("固有多項式を、係数が複素有理数の範囲で因数分解すると、");
    std::string factorisation = "det(λI - A) = ";
    factorisation += FactorisationText(factors);
    log.AppendStepLog(factorisation);
    log.AppendStepLog("です。");
    if (findings.exact.empty()) {
        log.AppendStepLog("複素有理数の固有値はありません。");
    } else {
        const bool onlyRational = findings.others.empty() && findings.quadratic.empty();
        log.AppendStepLog(onlyRational ? "よって、固有値は、" : "よって、複素有理数の固有値は、");
        for (const ExactEigenvalue& e : findings.exact)
            log.AppendStepLog("λ = " + CpxText(e.value) + "（代数的重複度" +
                              std::to_string(e.algebraic) + "）");
        log.AppendStepLog("です。");
    }
    for (const auto& [f, roots] : higher) {
        if (roots) {
            QuadraticLines(f, *roots, log);
        } else {
            ApproximationLines(f, log);
        }
    }
    return findings;
}

}  // namespace korvane
