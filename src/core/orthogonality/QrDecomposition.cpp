#include "core/orthogonality/QrDecomposition.h"

#include "core/engine/MatrixPrinting.h"
#include "core/methods/CommandFrame.h"
#include "core/orthogonality/GridVectors.h"
#include "core/orthogonality/InnerProduct.h"
#include "core/orthogonality/Normalization.h"
#include "core/orthogonality/OrthogonalBasis.h"
#include "core/orthogonality/RootTexts.h"

namespace korvane {

namespace {

// R: rⱼⱼ = ‖uⱼ‖ and rⱼₖ = cⱼₖ‖uⱼ‖ above the diagonal, as texts.
TextRows RTexts(const OrthogonalBasis& basis) {
    const std::size_t n = basis.u.size();
    TextRows r(n, std::vector<std::string>(n, "0"));
    for (std::size_t k = 0; k < n; ++k) {
        r[k][k] = RootText(basis.squaredNorms[k]);
        for (std::size_t j = 0; j < k; ++j)
            r[j][k] = TimesRootText(basis.coefficients[k][j], basis.squaredNorms[j]);
    }
    return r;
}

// QR = Σⱼ (uⱼ/‖uⱼ‖)(cⱼₖ‖uⱼ‖) = Σⱼ cⱼₖuⱼ: the roots cancel exactly.
WorkMatrix ProductQR(const OrthogonalBasis& basis) {
    std::vector<ExactVector> columns;
    for (std::size_t k = 0; k < basis.u.size(); ++k) {
        ExactVector column = basis.u[k];
        for (std::size_t j = 0; j < k; ++j)
            column = Sum(column, Scaled(basis.coefficients[k][j], basis.u[j]));
        columns.push_back(column);
    }
    return MatrixOfColumns(columns);
}

// (QᴴQ)ᵢⱼ = ⟨uⱼ, uᵢ⟩/(‖uᵢ‖‖uⱼ‖): 1 on the diagonal, 0 off it exactly when
// the uⱼ are orthogonal.
bool OrthonormalColumns(const OrthogonalBasis& basis) {
    for (std::size_t i = 0; i < basis.u.size(); ++i) {
        for (std::size_t j = 0; j < basis.u.size(); ++j) {
            const ComplexFraction product = InnerProduct(basis.u[j], basis.u[i]);
            const bool expected = i == j ? product == ComplexFraction{basis.squaredNorms[i], {}}
                                         : CpxIsZero(product);
            if (!expected) return false;
        }
    }
    return true;
}

}  // namespace

bool QrDecomposition(const CellGrid& grid, StepLog& log) {
    const std::vector<ExactVector> a = StartOnVectors(grid, log, VectorLines::kColumns);
    const bool real = AllReal(a);
    NameVectors(a.size(), "a", VectorLines::kColumns, log);
    ConventionLine(real, log);
    log.AppendStepLog("列 " + ShortNameList("a", a.size()) +
                      " をグラム・シュミットの方法で直交化し、正規化したものを Q の列とします。");
    const OrthogonalBasis basis = LoggedGramSchmidt(a, log, {"a", "u", 0});
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (basis.kept[k] < 0) {
            const std::string why = k == 0 ? " が零ベクトル" : " がそれまでの列の一次結合";
            log.AppendStepLog("A の列が一次独立でない（" + VectorName("a", k) + why +
                              "）ので、QR 分解（Q の列が正規直交、R が正則な上三角行列）はできません。");
            return false;
        }
    }
    LogOrthogonalityCheck(basis.u, "u", log);
    const TextRows q = LoggedNormalization(basis, "u", "q", 0, log);
    log.AppendStepLog("R の (j,k) 成分は rⱼₖ = ⟨aₖ, qⱼ⟩ = (⟨aₖ, uⱼ⟩/⟨uⱼ, uⱼ⟩)‖uⱼ‖ (j < k)、rₖₖ = "
                      "‖uₖ‖ で、j > k では0です。");
    log.AppendStepLog("よって、A = QR で、");
    log.AppendStepLog("Q =");
    PrintTextMatrix(q, log);
    log.AppendStepLog("R =");
    PrintTextMatrix(RTexts(basis), log);
    log.AppendStepLog("です。");
    const std::string adjoint = real ? "QᵀQ" : "QᴴQ";
    log.AppendStepLog(OrthonormalColumns(basis)
                          ? "検算：" + adjoint + " = I で、Q の列は正規直交です。"
                          : "検算：" + adjoint + " ≠ I で、Q の列は正規直交ではありません。");
    log.AppendStepLog("検算として QR を計算すると、");
    const WorkMatrix product = ProductQR(basis);
    PrintWorkMatrix(product, log);
    log.AppendStepLog(SameMatrix(product, MatrixOfColumns(a)) ? "となり、A に一致します。"
                                                               : "となり、A に一致しません。");
    return true;
}

}  // namespace korvane
