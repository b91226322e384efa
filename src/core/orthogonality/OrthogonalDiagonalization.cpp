#include "core/orthogonality/OrthogonalDiagonalization.h"

#include <optional>

#include "core/StopSignal.h"
#include "core/engine/CharacteristicPolynomial.h"
#include "core/engine/Eigenspaces.h"
#include "core/engine/EigenvalueText.h"
#include "core/engine/MatrixPrinting.h"
#include "core/methods/CommandFrame.h"
#include "core/orthogonality/GridVectors.h"
#include "core/orthogonality/InnerProduct.h"
#include "core/orthogonality/Normalization.h"
#include "core/orthogonality/RootTexts.h"
#include "core/orthogonality/SymmetricCheck.h"

namespace korvane {

namespace {

const SymmetricRefusals kRefusals{
    "正方行列でないので、対角化できません。",
    "対称行列ではない（Aᵀ ≠ A）ので、直交行列では対角化できません（実行列を直交行列で対角化"
    "できるのは、対称行列のときだけです）。",
    "エルミート行列ではない（Aᴴ ≠ A）ので、ユニタリ行列では対角化できません（ユニタリ行列で"
    "対角化できるのは、正規行列 AᴴA = AAᴴ のときだけです）。",
    "",
};

// The eigenspace's basis made orthogonal: Gram–Schmidt when it has two
// vectors or more.
OrthogonalBasis OrthogonalEigenspace(const std::vector<ExactVector>& basis, std::size_t offset,
                                     StepLog& log) {
    if (basis.size() >= 2)
        log.AppendStepLog("この固有空間は" + std::to_string(basis.size()) +
                          "次元なので、基底をグラム・シュミットの方法で直交化します。");
    return LoggedGramSchmidt(basis, log, {"v", "u", offset});
}

// (PᴴAP)ᵢⱼ = ⟨Auⱼ, uᵢ⟩/(‖uᵢ‖‖uⱼ‖) as texts: a rational where the roots
// cancel (on the diagonal), the quotient by the root elsewhere.
TextRows CheckedProduct(const WorkMatrix& a, const OrthogonalBasis& basis, bool& diagonalOk,
                        const std::vector<ComplexFraction>& eigenvalues) {
    const std::size_t n = basis.u.size();
    TextRows rows(n, std::vector<std::string>(n));
    diagonalOk = true;
    for (std::size_t i = 0; i < n; ++i) {
        StopPoint();
        for (std::size_t j = 0; j < n; ++j) {
            const ComplexFraction entry = InnerProduct(Apply(ColumnsOf(a), basis.u[j]), basis.u[i]);
            if (i == j) {
                const ComplexFraction value =
                    CpxMul(entry, CpxInv({basis.squaredNorms[i], Fraction{}}));
                rows[i][j] = CpxText(value);
                diagonalOk = diagonalOk && value == eigenvalues[i];
            } else {
                rows[i][j] = CpxIsZero(entry) ? "0"
                                              : UnitEntryText(entry, FracMul(basis.squaredNorms[i],
                                                                             basis.squaredNorms[j]));
                diagonalOk = diagonalOk && CpxIsZero(entry);
            }
        }
    }
    return rows;
}

void Append(OrthogonalBasis& all, const OrthogonalBasis& part) {
    for (std::size_t k = 0; k < part.u.size(); ++k) {
        all.u.push_back(part.u[k]);
        all.squaredNorms.push_back(part.squaredNorms[k]);
        all.kept.push_back(static_cast<int>(all.kept.size()));
    }
}

}  // namespace

std::optional<OrthogonalEigenbasis> LoggedOrthogonalDiagonalization(const WorkMatrix& a,
                                                                    StepLog& log,
                                                                    const LogStyle& style) {
    const bool real = IsRealMatrix(a);
    log.AppendStepLog(real ? "対称行列なので、固有値はすべて実数で、異なる固有値の固有ベクトルは直交します。"
                           : "エルミート行列なので、固有値はすべて実数で、異なる固有値の固有ベクトルは直交します。");
    ConventionLine(real, log);
    WorkMatrix work = a;
    const Polynomial characteristic = LoggedCharacteristicPolynomial(work, log);
    const EigenvalueFindings findings = EigenvalueText(characteristic, log);
    if (findings.others.empty() && !findings.quadratic.empty()) {
        log.AppendStepLog(
            "有理数でない固有値（解の公式で求めたもの）があり、その固有ベクトルのノルムは平方根の中に"
            "さらに平方根を含むことがあるので、ここでは直交対角化を求めません。");
        return std::nullopt;
    }
    if (!findings.others.empty()) {
        log.AppendStepLog(
            "有理数でない固有値（近似値で示したもの）があるので、その固有ベクトルを正確に書けず、"
            "ここでは直交対角化を求めません。");
        return std::nullopt;
    }
    OrthogonalEigenbasis result;
    for (const ExactEigenvalue& e : findings.exact) {
        const Eigenspace space = LoggedEigenspace(a, e, log, style);
        std::string names;
        for (std::size_t k = 0; k < space.basis.size(); ++k) {
            if (k > 0) names += ", ";
            names += VectorName("v", result.basis.u.size() + k);
        }
        log.AppendStepLog("固有値 λ = " + CpxText(e.value) + " の固有空間の基底を " + names + " とします。");
        for (std::size_t k = 0; k < space.basis.size(); ++k)
            log.AppendStepLog(VectorLine(VectorName("v", result.basis.u.size() + k), space.basis[k]));
        const OrthogonalBasis part =
            OrthogonalEigenspace(space.basis, result.basis.u.size(), log);
        Append(result.basis, part);
        result.eigenvalues.insert(result.eigenvalues.end(), part.u.size(), e.value);
    }
    LogOrthogonalityCheck(result.basis.u, "u", log);
    return result;
}

bool OrthogonalDiagonalization(const CellGrid& grid, StepLog& log, const LogStyle& style) {
    WorkMatrix a;
    if (!StartOnSymmetric(grid, log, a, kRefusals)) return false;
    const bool real = IsRealMatrix(a);
    const std::optional<OrthogonalEigenbasis> found = LoggedOrthogonalDiagonalization(a, log, style);
    if (!found) return false;
    log.AppendStepLog("それぞれをノルムで割ります。");
    const TextRows p = LoggedNormalization(found->basis, "u", "p", 0, log);
    const std::string name = real ? "直交行列" : "ユニタリ行列";
    const std::string adjoint = real ? "Pᵀ" : "Pᴴ";
    log.AppendStepLog("よって、" + NameList("p", found->basis.u.size()) + " を列とする" + name +
                      " P で、" + adjoint + "AP = D となります。");
    log.AppendStepLog("P =");
    PrintTextMatrix(p, log);
    WorkMatrix d;
    const int n = a.LastRow() + 1;
    d.Resize(n, n);
    for (int k = 0; k < n; ++k)
        d.Set(k, k, found->eigenvalues[static_cast<std::size_t>(k)]);
    PrintNamed("D", d, log);
    log.AppendStepLog("です。");
    log.AppendStepLog("検算として " + adjoint + "AP を計算すると、");
    bool diagonalOk = false;
    PrintTextMatrix(CheckedProduct(a, found->basis, diagonalOk, found->eigenvalues), log);
    log.AppendStepLog(diagonalOk ? "となり、D に一致します。" : "となり、D に一致しません。");
    return true;
}

}  // namespace korvane
