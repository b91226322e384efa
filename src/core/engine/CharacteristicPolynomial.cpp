#include "core/engine/CharacteristicPolynomial.h"

#include <string>
#include <vector>

#include "core/engine/HessenbergReduction.h"
#include "core/engine/SubscriptText.h"

namespace korvane {

namespace {

// "p₃(λ)": the polynomial of the upper left k × k part.
std::string P(std::int32_t k) {
    std::string name = "p";
    name += SubscriptNumber(k);
    name += "(λ)";
    return name;
}

bool ReadsNegative(const ComplexFraction& c) {
    return CpxText(c).starts_with('-');
}

// "(λ - 3)p2(λ)", or "λp2(λ)" for a zero diagonal entry.
std::string DiagonalTerm(const ComplexFraction& diagonal, std::int32_t k) {
    if (CpxIsZero(diagonal)) return std::string(kLambda) + P(k - 1);
    std::string term = "(";
    term += PolynomialText(Polynomial::XMinus(diagonal), kLambda);
    term += ')';
    term += P(k - 1);
    return term;
}

// " - 6p1(λ)" for the term −coefficient·p_{i−1}, signed as it reads.
std::string LowerTerm(const ComplexFraction& coefficient, std::int32_t i) {
    const bool negative = ReadsNegative(coefficient);
    return (negative ? " + " : " - ") +
           CoefficientText(negative ? CpxNeg(coefficient) : coefficient) + P(i - 1);
}

}  // namespace

Polynomial HessenbergCharacteristicPolynomial(const WorkMatrix& h, StepLog& log) {
    const std::int32_t n = h.LastRow() + 1;
    log.AppendStepLog(
        "左上の k 行 k 列の部分について det(λI - H) を pₖ(λ) とし（p₀(λ) = 1）、最後の列で展開して"
        "順に求めます。h(r,c) を r 行 c 列の成分とすると、");
    log.AppendStepLog(
        "pₖ(λ) = (λ - h(k,k))pₖ₋₁(λ) - h(k-1,k)h(k,k-1)pₖ₋₂(λ) - "
        "h(k-2,k)h(k,k-1)h(k-1,k-2)pₖ₋₃(λ) - …");
    log.AppendStepLog("です。");
    std::vector<Polynomial> p{Polynomial::Constant(CpxOne())};
    for (std::int32_t k = 1; k <= n; ++k) {
        // Entries are 1-based in the rule and 0-based in the matrix.
        const ComplexFraction& diagonal = h.At(k - 1, k - 1);
        Polynomial pk = Polynomial::XMinus(diagonal) * p[k - 1];
        std::string line = P(k) + " = " + DiagonalTerm(diagonal, k);
        ComplexFraction subdiagonals = CpxOne();  // h(k,k−1)·…·h(i+1,i)
        for (std::int32_t i = k - 1; i >= 1; --i) {
            subdiagonals = CpxMul(subdiagonals, h.At(i - 1, i));
            if (CpxIsZero(subdiagonals)) break;  // the block splits here
            const ComplexFraction coefficient = CpxMul(h.At(k - 1, i - 1), subdiagonals);
            if (CpxIsZero(coefficient)) continue;
            pk = pk - Scaled(p[i - 1], coefficient);
            line += LowerTerm(coefficient, i);
        }
        log.AppendStepLog(line + " = " + PolynomialText(pk, kLambda));
        p.push_back(std::move(pk));
    }
    return p.back();
}

Polynomial LoggedCharacteristicPolynomial(WorkMatrix& matrix, StepLog& log) {
    log.AppendStepLog("上の行列 A の固有多項式 det(λI - A) を求めます。");
    log.AppendStepLog(
        "行の操作と、それを打ち消す列の操作を組にした相似変換で、対角線の1つ下より下の成分を"
        "0にします（上ヘッセンベルク形）。相似変換で固有多項式は変わりません。");
    if (HessenbergReduction(matrix, log).Reduce()) {
        log.AppendStepLog("これで、上ヘッセンベルク形になりました。この行列を H とします。");
    } else {
        log.AppendStepLog("この行列はすでに上ヘッセンベルク形です。この行列を H とします。");
    }
    const Polynomial result = HessenbergCharacteristicPolynomial(matrix, log);
    log.AppendStepLog("よって、固有多項式は、");
    log.AppendStepLog("det(λI - A) = " + PolynomialText(result, kLambda));
    log.AppendStepLog("です。");
    return result;
}

}  // namespace korvane
