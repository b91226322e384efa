#include "core/orthogonality/OrthogonalDiagonalization.h"

#include <set>
#include <type_traits>

#include "core/StopSignal.h"
#include "core/engine/CharacteristicPolynomial.h"
#include "core/engine/Eigenspaces.h"
#include "core/engine/EigenvalueText.h"
#include "core/engine/KernelBasis.h"
#include "core/engine/MatrixPrinting.h"
#include "core/methods/CommandFrame.h"
#include "core/methods/FormulaText.h"
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

template <EngineField F>
BasicWorkMatrix<F> InField(const WorkMatrix& a) {
    if constexpr (std::is_same_v<F, SurdNumbers>) {
        return AsSurdMatrix(a);
    } else {
        return a;
    }
}

// The eigenspace's basis named, then made orthogonal: Gram–Schmidt when it
// has two vectors or more.
template <EngineField F>
void AddEigenspace(BasicOrthogonalEigenbasis<F>& result, const typename F::Number& eigenvalue,
                   const std::vector<BasicVector<F>>& basis, StepLog& log) {
    const std::size_t offset = result.basis.u.size();
    std::string names;
    for (std::size_t k = 0; k < basis.size(); ++k) {
        if (k > 0) names += ", ";
        names += VectorName("v", offset + k);
    }
    log.AppendStepLog("固有値 λ = " + NumberText<F>(eigenvalue) + " の固有空間の基底を " + names +
                      " とします。");
    for (std::size_t k = 0; k < basis.size(); ++k)
        log.AppendStepLog(VectorName("v", offset + k) + " = " + VectorText<F>(basis[k]));
    if (basis.size() >= 2)
        log.AppendStepLog("この固有空間は" + std::to_string(basis.size()) +
                          "次元なので、基底をグラム・シュミットの方法で直交化します。");
    const BasicOrthogonalBasis<F> part = LoggedGramSchmidt<F>(basis, log, {"v", "u", offset});
    for (std::size_t k = 0; k < part.u.size(); ++k) {
        result.basis.u.push_back(part.u[k]);
        result.basis.squaredNorms.push_back(part.squaredNorms[k]);
        result.basis.kept.push_back(static_cast<int>(result.basis.kept.size()));
    }
    result.eigenvalues.insert(result.eigenvalues.end(), part.u.size(), eigenvalue);
}

// ⟨Auⱼ, uᵢ⟩/√(NᵢNⱼ) for a nonzero ⟨Auⱼ, uᵢ⟩, an entry that should be 0.
std::string OffDiagonalText(const ComplexFraction& entry, const Fraction& ni, const Fraction& nj) {
    return UnitEntryText(entry, FracMul(ni, nj));
}

std::string OffDiagonalText(const Surd& entry, const Surd& ni, const Surd& nj) {
    return Factor(entry) + "/√(" + SurdText(SurdMul(ni, nj)) + ")";
}

// (PᴴAP)ᵢⱼ = ⟨Auⱼ, uᵢ⟩/(‖uᵢ‖‖uⱼ‖) as texts, no root needed: on the diagonal
// ⟨Auᵢ, uᵢ⟩/⟨uᵢ, uᵢ⟩, which should be the eigenvalue, elsewhere 0 when
// ⟨Auⱼ, uᵢ⟩ is.
template <EngineField F>
TextRows CheckedProduct(const WorkMatrix& a, const BasicOrthogonalEigenbasis<F>& found,
                        bool& diagonalOk) {
    const BasicOrthogonalBasis<F>& basis = found.basis;
    const std::vector<BasicVector<F>> columns = ColumnsOf(InField<F>(a));
    const std::size_t n = basis.u.size();
    TextRows rows(n, std::vector<std::string>(n));
    diagonalOk = true;
    for (std::size_t i = 0; i < n; ++i) {
        StopPoint();
        for (std::size_t j = 0; j < n; ++j) {
            const typename F::Number entry =
                InnerProduct<F>(Apply<F>(columns, basis.u[j]), basis.u[i]);
            if (i == j) {
                const typename F::Number value =
                    F::Mul(entry, F::Inv(AsNumber(basis.squaredNorms[i])));
                rows[i][j] = NumberText<F>(value);
                diagonalOk = diagonalOk && value == found.eigenvalues[i];
            } else {
                rows[i][j] = F::IsZero(entry) ? "0"
                                              : OffDiagonalText(entry, basis.squaredNorms[i],
                                                                basis.squaredNorms[j]);
                diagonalOk = diagonalOk && F::IsZero(entry);
            }
        }
    }
    return rows;
}

OrthogonalEigenbasis RationalEigenbasis(const WorkMatrix& a, const EigenvalueFindings& findings,
                                        StepLog& log, const LogStyle& style) {
    OrthogonalEigenbasis result;
    for (const ExactEigenvalue& e : findings.exact)
        AddEigenspace<ComplexRationals>(result, e.value, LoggedEigenspace(a, e, log, style).basis,
                                        log);
    return result;
}

// The rational eigenvalues' eigenspaces first, then the quadratic ones',
// all in the field of their one square root.
SurdOrthogonalEigenbasis SurdEigenbasis(const WorkMatrix& a, const EigenvalueFindings& findings,
                                        StepLog& log, const LogStyle& style) {
    SurdOrthogonalEigenbasis result;
    for (const ExactEigenvalue& e : findings.exact) {
        std::vector<std::vector<Surd>> basis;
        for (const ExactVector& v : LoggedEigenspace(a, e, log, style).basis)
            basis.push_back(AsSurdVector(v));
        AddEigenspace<SurdNumbers>(result, SurdFromCpx(e.value), basis, log);
    }
    const SurdMatrix surdA = AsSurdMatrix(a);
    for (const QuadraticEigenvalue& e : findings.quadratic)
        AddEigenspace<SurdNumbers>(result, e.value, LoggedEigenspace(surdA, e, log, style).basis,
                                   log);
    return result;
}

template <EngineField F>
bool LogDiagonalization(const WorkMatrix& a, const BasicOrthogonalEigenbasis<F>& found,
                        StepLog& log) {
    const bool real = IsRealMatrix(a);
    log.AppendStepLog("それぞれをノルムで割ります。");
    const TextRows p = LoggedNormalization<F>(found.basis, "u", "p", 0, log);
    const std::string name = real ? "直交行列" : "ユニタリ行列";
    const std::string adjoint = real ? "Pᵀ" : "Pᴴ";
    log.AppendStepLog("よって、" + NameList("p", found.basis.u.size()) + " を列とする" + name +
                      " P で、" + adjoint + "AP = D となります。");
    log.AppendStepLog("P =");
    PrintTextMatrix(p, log);
    BasicWorkMatrix<F> d;
    const int n = a.LastRow() + 1;
    d.Resize(n, n);
    for (int k = 0; k < n; ++k)
        d.Set(k, k, found.eigenvalues[static_cast<std::size_t>(k)]);
    log.AppendStepLog("D =");
    PrintWorkMatrix(d, log);
    log.AppendStepLog("です。");
    log.AppendStepLog("検算として " + adjoint + "AP を計算すると、");
    bool diagonalOk = false;
    PrintTextMatrix(CheckedProduct(a, found, diagonalOk), log);
    log.AppendStepLog(diagonalOk ? "となり、D に一致します。" : "となり、D に一致しません。");
    return true;
}

}  // namespace

FoundEigenbasis LoggedOrthogonalDiagonalization(const WorkMatrix& a, StepLog& log,
                                                const LogStyle& style) {
    const bool real = IsRealMatrix(a);
    log.AppendStepLog(real ? "対称行列なので、固有値はすべて実数で、異なる固有値の固有ベクトルは直交します。"
                           : "エルミート行列なので、固有値はすべて実数で、異なる固有値の固有ベクトルは直交します。");
    ConventionLine(real, log);
    WorkMatrix work = a;
    const Polynomial characteristic = LoggedCharacteristicPolynomial(work, log);
    const EigenvalueFindings findings = EigenvalueText(characteristic, log);
    if (!findings.others.empty()) {
        log.AppendStepLog(
            "有理数でない固有値（近似値で示したもの）があるので、その固有ベクトルを正確に書けず、"
            "ここでは直交対角化を求めません。");
        return {};
    }
    if (const std::set<Integer> roots = QuadraticRadicands(findings); roots.size() >= 2) {
        std::string line = "固有値に ";
        line += RootsNamed(roots);
        line += " の";
        line += std::to_string(roots.size());
        line += "つの平方根が現れるので、ここでは直交対角化を求めません。";
        log.AppendStepLog(line);
        return {};
    }
    if (findings.quadratic.empty()) {
        OrthogonalEigenbasis result = RationalEigenbasis(a, findings, log, style);
        LogOrthogonalityCheck(result.basis.u, "u", log);
        return result;
    }
    SurdOrthogonalEigenbasis result = SurdEigenbasis(a, findings, log, style);
    LogOrthogonalityCheck<SurdNumbers>(result.basis.u, "u", log);
    return result;
}

bool OrthogonalDiagonalization(const CellGrid& grid, StepLog& log, const LogStyle& style) {
    WorkMatrix a;
    if (!StartOnSymmetric(grid, log, a, kRefusals)) return false;
    const FoundEigenbasis found = LoggedOrthogonalDiagonalization(a, log, style);
    return std::visit(
        [&](const auto& eigenbasis) {
            using Found = std::decay_t<decltype(eigenbasis)>;
            if constexpr (std::is_same_v<Found, std::monostate>) {
                return false;
            } else {
                return LogDiagonalization(a, eigenbasis, log);
            }
        },
        found);
}

}  // namespace korvane
