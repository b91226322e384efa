// Ax = b and AX = B with a parameter, by cases.
#include <string>
#include <vector>

#include "core/engine/KernelBasis.h"
#include "core/engine/MatrixArithmetic.h"
#include "core/engine/SolutionText.h"
#include "core/parameter/CaseSummary.h"
#include "core/parameter/CaseValues.h"
#include "core/parameter/ParameterCommands.h"

namespace korvane {

namespace {

template <EngineField F>
std::int32_t RankOfColumns(const PivotRows& pivots, std::int32_t cols) {
    std::int32_t rank = 0;
    for (std::int32_t c = 0; c < cols; ++c) rank += pivots[c] >= 0 ? 1 : 0;
    return rank;
}

template <EngineField F>
std::vector<typename F::Number> Particular(const BasicWorkMatrix<F>& reduced,
                                           const PivotRows& pivots, std::int32_t unknowns) {
    std::vector<typename F::Number> p;
    for (std::int32_t j = 0; j < unknowns; ++j)
        p.push_back(pivots[j] < 0 ? F::Zero() : reduced.At(unknowns, pivots[j]));
    return p;
}

// The case's result for the summary, from the reduced (A | b) or (A | B).
template <EngineField F>
std::string SolveResult(const BasicWorkMatrix<F>& reduced, std::int32_t unknowns) {
    const PivotRows pivots = FindPivotRows(reduced);
    for (std::int32_t c = unknowns; c <= reduced.LastCol(); ++c) {
        if (pivots[c] >= 0) return "解なし";
    }
    const std::int32_t rank = RankOfColumns<F>(pivots, unknowns);
    if (rank < unknowns) {
        std::string result = "解は無数（自由変数 ";
        result += std::to_string(unknowns - rank);
        result += " 個）";
        return result;
    }
    if (reduced.LastCol() > unknowns) return "ただ一つの解 X";
    std::string result = "ただ一つの解 x = ";
    result += VectorText<F>(Particular(reduced, pivots, unknowns));
    return result;
}

void LogNoSolution(std::int32_t rank, StepLog& log) {
    std::string line = "係数行列 A の階数は";
    line += std::to_string(rank);
    line += "、拡大係数行列 (A | b) の階数は";
    line += std::to_string(rank + 1);
    line += "で異なるので、";
    log.AppendStepLog(line);
    log.AppendStepLog("解はありません。");
}

// The solutions read off a reduced (A | b) over Q(i)(a), in the voice of
// the engine's solve.
void LogDividingSolution(const ParameterWorkMatrix& reduced, std::int32_t unknowns,
                         StepLog& log) {
    using F = RationalFunctions;
    const PivotRows pivots = FindPivotRows(reduced);
    const std::int32_t rank = RankOfColumns<F>(pivots, unknowns);
    if (pivots[unknowns] >= 0) return LogNoSolution(rank, log);
    const std::vector<RationalFunction> p = Particular(reduced, pivots, unknowns);
    if (rank == unknowns) {
        std::string line = "階数がどちらも未知数の個数";
        line += std::to_string(unknowns);
        line += "に等しいので、";
        log.AppendStepLog(line);
        log.AppendStepLog("解はただ一つです。");
        log.AppendStepLog("よって、解は、");
        std::string x = "x = ";
        x += VectorText<F>(p);
        log.AppendStepLog(x);
        log.AppendStepLog("です。");
        return;
    }
    std::string line = "階数がどちらも";
    line += std::to_string(rank);
    line += "で、未知数の個数";
    line += std::to_string(unknowns);
    line += "より小さいので、";
    log.AppendStepLog(line);
    log.AppendStepLog("解は無数にあります。");
    const std::vector<std::int32_t> free = FreeColumns(reduced, unknowns);
    const auto basis = KernelBasis(reduced, unknowns);
    std::string names;
    std::string parameters;
    std::string general = "x = ";
    general += VectorText<F>(p);
    for (std::size_t k = 0; k < free.size(); ++k) {
        names += k > 0 ? ", x" : "x";
        names += std::to_string(free[k] + 1);
        parameters += k > 0 ? ", t" : "t";
        parameters += std::to_string(k + 1);
        general += " + t";
        general += std::to_string(k + 1);
        general += VectorText<F>(basis[k]);
    }
    std::string lead = "自由変数 ";
    lead += names;
    lead += free.size() > 1 ? " をそれぞれ " : " を ";
    lead += parameters;
    lead += "（任意の数）とおくと、解は、";
    log.AppendStepLog(lead);
    log.AppendStepLog(general);
    log.AppendStepLog("です。");
}

}  // namespace

bool ParameterSolve(const CellGrid& grid, std::int32_t unknowns, std::string_view introduction,
                    StepLog& log, const LogStyle& style) {
    const ParameterStart start = StartParameterLog(grid, log);
    log.AppendStepLog(introduction);
    LogCaseIntroduction(start.read.letter, log);
    const ParameterWorkMatrix& original = start.read.matrix;
    const auto solutionEnd = [&](const auto& atCase, const auto& q, const auto&) {
        SolutionText(ColumnsOf(atCase), q, unknowns, log);
        return SolveResult(q, unknowns);
    };
    CaseEnds ends = CaseEnds::Alike(solutionEnd);
    // With one right-hand side the case that divides is read off without the
    // checks, whose products in the letter grow long.
    if (original.LastCol() == unknowns) {
        ends.dividing = [&](const ParameterWorkMatrix&, const ParameterWorkMatrix& m,
                            const ParameterTally&) {
            LogDividingSolution(m, unknowns, log);
            return SolveResult(m, unknowns);
        };
    }
    LogCaseSummary(
        CaseReduction(log, style, ends).Reduce(original, start.all, original.LastCol() + 1),
        start, log);
    return true;
}

}  // namespace korvane
