#include "core/orthogonality/GramSchmidt.h"

#include "core/engine/KernelBasis.h"
#include "core/orthogonality/GridVectors.h"
#include "core/orthogonality/InnerProduct.h"
#include "core/orthogonality/Normalization.h"
#include "core/orthogonality/OrthogonalBasis.h"

namespace korvane {

bool GramSchmidt(const CellGrid& grid, StepLog& log) {
    const std::vector<ExactVector> v = StartOnVectors(grid, log, VectorLines::kColumns);
    NameVectors(v.size(), "v", VectorLines::kColumns, log);
    ConventionLine(AllReal(v), log);
    log.AppendStepLog(
        "グラム・シュミットの直交化で、u₁ = v₁ とし、vₖ からそれまでの uⱼ "
        "への射影 (⟨vₖ, uⱼ⟩/⟨uⱼ, uⱼ⟩)uⱼ を引いて uₖ を作ります。");
    const OrthogonalBasis basis = LoggedGramSchmidt(v, log);
    if (basis.u.empty()) {
        log.AppendStepLog("どの列も零ベクトルなので、張る空間は {0} で、直交基底はありません。");
        return true;
    }
    LogOrthogonalityCheck(basis.u, "u", log);
    std::string result = "よって、{";
    result += NameList("u", basis.u.size());
    result += "} は ";
    result += ShortNameList("v", v.size());
    result += " の張る空間の直交基底です。";
    log.AppendStepLog(result);
    log.AppendStepLog("それぞれをノルムで割って、正規直交基底にします。");
    LoggedNormalization(basis, "u", "e", 0, log);
    log.AppendStepLog("よって、{" + NameList("e", basis.u.size()) + "} は正規直交基底です。");
    return true;
}

}  // namespace korvane
