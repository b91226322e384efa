#include "core/orthogonality/InnerProducts.h"

#include "core/StopSignal.h"
#include "core/engine/KernelBasis.h"
#include "core/orthogonality/InnerProduct.h"
#include "core/orthogonality/RootTexts.h"

namespace korvane {

namespace {

// "‖v₁‖² = ⟨v₁, v₁⟩ = 1·1 + 2·2 = 5" and "‖v₁‖ = √5"; returns ‖v‖².
Fraction LogNorm(const std::string& name, const ExactVector& v, StepLog& log) {
    const Fraction squared = InnerProduct(v, v).re;
    log.AppendStepLog("‖" + name + "‖² = ⟨" + name + ", " + name + "⟩ = " + InnerProductSum(v, v) +
                      " = " + FracText(squared));
    log.AppendStepLog("‖" + name + "‖ = " + RootText(squared));
    return squared;
}

void LogPair(const std::vector<ExactVector>& v, const std::vector<Fraction>& squares,
             std::size_t i, std::size_t j, bool real, StepLog& log) {
    const std::string a = VectorName("v", i);
    const std::string b = VectorName("v", j);
    log.AppendStepLog(InnerProductLine(a, b, v[i], v[j]));
    const ComplexFraction product = InnerProduct(v[i], v[j]);
    if (CpxIsZero(product)) log.AppendStepLog(a + " と " + b + " は直交します。");
    const std::string cosine = real ? "cos θ = ⟨" + a + ", " + b + "⟩/(‖" + a + "‖‖" + b + "‖)"
                                    : "cos θ = Re⟨" + a + ", " + b + "⟩/(‖" + a + "‖‖" + b + "‖)";
    if (squares[i].num.IsZero() || squares[j].num.IsZero()) {
        log.AppendStepLog("零ベクトルがあるので、" + a + " と " + b + " のなす角は定まりません。");
    } else {
        log.AppendStepLog(cosine + " = " + OverRootText(product.re, FracMul(squares[i], squares[j])));
    }
    const ExactVector difference = Difference(v[i], v[j]);
    const Fraction distance = InnerProduct(difference, difference).re;
    log.AppendStepLog(a + " - " + b + " = " + VectorText(difference) + " なので、距離は ‖" + a +
                      " - " + b + "‖ = √" + "(" + InnerProductSum(difference, difference) +
                      ") = " + RootText(distance));
}

}  // namespace

bool InnerProducts(const CellGrid& grid, StepLog& log, VectorLines lines) {
    const std::vector<ExactVector> v = StartOnVectors(grid, log, lines);
    const bool real = AllReal(v);
    NameVectors(v.size(), "v", lines, log);
    ConventionLine(real, log);
    if (!real)
        log.AppendStepLog("複素ベクトルのなす角は、cos θ = Re⟨u, v⟩/(‖u‖‖v‖) で定めます。");
    std::vector<Fraction> squares;
    for (std::size_t k = 0; k < v.size(); ++k) {
        StopPoint();
        squares.push_back(LogNorm(VectorName("v", k), v[k], log));
    }
    for (std::size_t i = 0; i < v.size(); ++i) {
        for (std::size_t j = i + 1; j < v.size(); ++j) {
            StopPoint();
            LogPair(v, squares, i, j, real, log);
        }
    }
    return true;
}

bool Norms(const CellGrid& grid, StepLog& log, VectorLines lines) {
    const std::vector<ExactVector> v = StartOnVectors(grid, log, lines);
    NameVectors(v.size(), "v", lines, log);
    ConventionLine(AllReal(v), log);
    log.AppendStepLog("ノルムは ‖v‖ = √⟨v, v⟩ です。");
    for (std::size_t k = 0; k < v.size(); ++k) {
        StopPoint();
        const std::string name = VectorName("v", k);
        const Fraction squared = LogNorm(name, v[k], log);
        if (squared.num.IsZero()) {
            log.AppendStepLog(name + " は零ベクトルなので、単位ベクトルにはできません。");
            continue;
        }
        std::string unit = name + "/‖" + name + "‖ = (";
        for (std::size_t r = 0; r < v[k].size(); ++r) {
            if (r > 0) unit += ',';
            unit += UnitEntryText(v[k][r], squared);
        }
        log.AppendStepLog(unit + ")");
    }
    return true;
}

}  // namespace korvane
