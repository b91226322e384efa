#include "core/engine/EigenvalueText.h"

#include <string>

#include "core/engine/CharacteristicPolynomial.h"
#include "mklibs/RootApproximation.h"

namespace korvane {

namespace {

constexpr int kApproximationDigits = 15;

}  // namespace

std::string FactorisationText(const std::vector<PolynomialFactor>& factors) {
    const bool single = factors.size() == 1 && factors.front().multiplicity == 1;
    std::string text;
    for (const PolynomialFactor& f : factors) {
        const std::string factor = PolynomialText(f.factor, kLambda);
        if (single || factor == kLambda) {
            text += factor;
        } else {
            text += '(';
            text += factor;
            text += ')';
        }
        if (f.multiplicity > 1) {
            text += '^';
            text += std::to_string(f.multiplicity);
        }
    }
    return text;
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

}  // namespace

std::string MinusEigenvalueName(const ComplexFraction& value) {
    if (CpxIsZero(value)) return "A";
    const bool negative = CpxText(value).starts_with('-');
    return std::string(negative ? "A + " : "A - ") +
           CoefficientText(negative ? CpxNeg(value) : value) + "I";
}

EigenvalueFindings EigenvalueText(const Polynomial& characteristic, StepLog& log) {
    const std::vector<PolynomialFactor> factors = FactorOverGaussianRationals(characteristic);
    EigenvalueFindings findings;
    for (const PolynomialFactor& f : factors) {
        if (f.factor.Degree() == 1) {
            findings.exact.push_back({RootOfLinear(f.factor), f.multiplicity});
        } else {
            findings.others.push_back(f);
        }
    }
    log.AppendStepLog("固有多項式を、係数が複素有理数の範囲で因数分解すると、");
    std::string factorisation = "det(λI - A) = ";
    factorisation += FactorisationText(factors);
    log.AppendStepLog(factorisation);
    log.AppendStepLog("です。");
    if (findings.exact.empty()) {
        log.AppendStepLog("複素有理数の固有値はありません。");
    } else {
        log.AppendStepLog(findings.others.empty() ? "よって、固有値は、"
                                                  : "よって、複素有理数の固有値は、");
        for (const ExactEigenvalue& e : findings.exact)
            log.AppendStepLog("λ = " + CpxText(e.value) + "（代数的重複度" +
                              std::to_string(e.algebraic) + "）");
        log.AppendStepLog("です。");
    }
    for (const PolynomialFactor& f : findings.others)
        ApproximationLines(f, log);
    return findings;
}

}  // namespace korvane
