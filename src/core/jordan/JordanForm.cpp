#include "core/jordan/JordanForm.h"

#include "core/StopSignal.h"
#include "core/engine/CharacteristicPolynomial.h"
#include "core/engine/EigenvalueText.h"
#include "core/engine/MatrixArithmetic.h"
#include "core/engine/MatrixPrinting.h"
#include "core/jordan/EigenvalueField.h"
#include "core/jordan/GeneralisedChains.h"
#include "core/jordan/PowerRanks.h"

namespace korvane {

namespace {

template <EngineField F>
void PlaceChains(const std::vector<BasicChain<F>>& chains, const typename F::Number& eigenvalue,
                 BasicJordanForm<F>& form, int& column) {
    const int n = form.p.LastRow() + 1;
    for (const BasicChain<F>& chain : chains) {
        const int size = static_cast<int>(chain.size());
        form.blocks.push_back({eigenvalue, size, column});
        for (int k = 0; k < size; ++k) {
            for (int r = 0; r < n; ++r)
                form.p.Set(column + k, r, chain[static_cast<std::size_t>(k)][static_cast<std::size_t>(r)]);
            form.j.Set(column + k, column + k, eigenvalue);
            if (k > 0) form.j.Set(column + k, column + k - 1, F::One());
        }
        column += size;
    }
}

template <EngineField F>
void LogBlocks(const BasicJordanForm<F>& form, StepLog& log) {
    std::string line = "ジョルダン細胞は、";
    for (std::size_t k = 0; k < form.blocks.size(); ++k) {
        if (k > 0) line += ", ";
        line += "J(";
        F::AppendText(line, form.blocks[k].eigenvalue);
        line += ", ";
        line += std::to_string(form.blocks[k].size);
        line += ')';
    }
    log.AppendStepLog(line + "（J(λ, k) は固有値 λ の大きさ k の細胞）です。");
}

// P, J, P⁻¹ and the check P⁻¹AP = J; false when the check fails, which
// would be a fault in the working above.
template <EngineField F>
bool LoggedCheck(const BasicWorkMatrix<F>& a, BasicJordanForm<F>& form, StepLog& log) {
    log.AppendStepLog("鎖のベクトルを固有ベクトルから順に列に並べた行列を P、対応するジョルダン細胞を"
                      "対角線に並べた行列を J とすると、");
    log.AppendStepLog("P =");
    PrintWorkMatrix(form.p, log);
    log.AppendStepLog("J =");
    PrintWorkMatrix(form.j, log);
    log.AppendStepLog("です。");
    LogBlocks(form, log);
    const std::optional<BasicWorkMatrix<F>> inverse = InverseOf(form.p);
    if (!inverse) {
        log.AppendStepLog("P が正則でないので、検算できません。");
        return false;
    }
    form.pInverse = *inverse;
    log.AppendStepLog("P の逆行列は、");
    PrintWorkMatrix(form.pInverse, log);
    log.AppendStepLog("です。");
    StopPoint();
    const BasicWorkMatrix<F> check = Product(Product(form.pInverse, a), form.p);
    log.AppendStepLog("検算として P^-1AP を計算すると、");
    PrintWorkMatrix(check, log);
    const bool same = SameMatrix(check, form.j);
    log.AppendStepLog(same ? "となり、J に一致します。" : "となり、J に一致しません。");
    return same;
}

}  // namespace

std::optional<FieldEigenvalues> LoggedEigenvalues(const WorkMatrix& a, std::string_view goal,
                                                  StepLog& log) {
    WorkMatrix working = a;
    const Polynomial characteristic = LoggedCharacteristicPolynomial(working, log);
    const EigenvalueFindings findings = EigenvalueText(characteristic, log);
    return EigenvaluesInField(findings, goal, log);
}

template <EngineField F>
BasicJordanForm<F> LoggedJordanFormOver(const BasicWorkMatrix<F>& a,
                                        const std::vector<BasicEigenvalue<F>>& eigenvalues,
                                        StepLog& log) {
    const int n = a.LastRow() + 1;
    BasicJordanForm<F> form;
    form.p.Resize(n, n);
    form.j.Resize(n, n);
    int column = 0;
    for (const BasicEigenvalue<F>& e : eigenvalues) {
        const BasicPowerRanks<F> ranks = LoggedPowerRanks(a, e.value, e.algebraic, log);
        const std::vector<BasicChain<F>> chains = LoggedChains(a, e.value, ranks, column, log);
        PlaceChains(chains, e.value, form, column);
    }
    if (column != n || !LoggedCheck(a, form, log)) {
        // The chains always fill P for eigenvalues in the field; anything
        // else is a fault, reported rather than passed on as a result.
        throw Error("ジョルダン標準形の検算が合いませんでした。");
    }
    return form;
}

template JordanForm LoggedJordanFormOver(const WorkMatrix&,
                                         const std::vector<BasicEigenvalue<ComplexRationals>>&,
                                         StepLog&);
template BasicJordanForm<SurdNumbers> LoggedJordanFormOver(
    const BasicWorkMatrix<SurdNumbers>&, const std::vector<BasicEigenvalue<SurdNumbers>>&, StepLog&);

}  // namespace korvane
