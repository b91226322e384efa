// Rank, kernel, image, determinant and inverse of a matrix with a parameter.
#include "core/parameter/ParameterCommands.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/engine/KernelBasis.h"
#include "core/engine/MatrixShapes.h"
#include "core/engine/RankText.h"
#include "core/engine/ReductionResults.h"
#include "core/engine/ResultTexts.h"
#include "core/parameter/CaseSummary.h"
#include "core/parameter/CaseValues.h"

namespace korvane {

namespace {

std::string Counted(const char* what, std::int32_t count) {
    std::string text = what;
    text += ' ';
    text += std::to_string(count);
    return text;
}

template <EngineField F>
std::int32_t PivotCount(const BasicWorkMatrix<F>& reduced, std::int32_t cols) {
    const PivotRows pivots = FindPivotRows(reduced);
    std::int32_t count = 0;
    for (std::int32_t c = 0; c < cols; ++c) count += pivots[c] >= 0 ? 1 : 0;
    return count;
}

// The pivot columns of the original matrix (at the case's value), as the
// image's result lines.
template <EngineField F>
std::int32_t LogImage(const BasicWorkMatrix<F>& reduced, const BasicWorkMatrix<F>& original,
                      StepLog& log) {
    const PivotRows pivots = FindPivotRows(reduced);
    std::vector<std::vector<typename F::Number>> columns;
    for (std::int32_t c = 0; c <= reduced.LastCol(); ++c) {
        if (pivots[c] < 0) continue;
        std::vector<typename F::Number> column;
        for (std::int32_t r = 0; r <= original.LastRow(); ++r) column.push_back(original.At(c, r));
        columns.push_back(std::move(column));
    }
    const auto rank = static_cast<std::int32_t>(columns.size());
    log.AppendStepLog("よってこのベクトルの像は、");
    if (rank == reduced.LastRow() + 1) {
        std::string whole = std::to_string(rank);
        whole += "次元ベクトル空間全体";
        log.AppendStepLog(whole);
    } else {
        log.AppendStepLog(SpanText<F>(columns));
    }
    log.AppendStepLog("です。");
    return rank;
}

// The inverse read off a reduced [A | I], or that there is none.
template <EngineField F>
std::string LogInverse(const BasicWorkMatrix<F>& reduced, StepLog& log) {
    if (!IsIdentity(reduced)) {
        log.AppendStepLog("よって、この行列は非可逆です。");
        return "逆行列なし";
    }
    BasicWorkMatrix<F> inverse = reduced;
    KeepRightHalf(inverse);
    log.AppendStepLog("よって、逆行列は、");
    PrintWorkMatrix(inverse, log);
    log.AppendStepLog("です。");
    return "逆行列あり";
}

}  // namespace

bool ParameterRank(const CellGrid& grid, StepLog& log, const LogStyle& style) {
    const ParameterStart start = StartParameterLog(grid, log);
    LogCaseIntroduction(start.read.letter, log);
    const std::int32_t cols = grid.Cols();
    const auto rankEnd = [&](const auto&, const auto& m, const auto&) {
        RankText(m, log);
        return Counted("階数", PivotCount(m, cols));
    };
    LogCaseSummary(CaseReduction(log, style, CaseEnds::Alike(rankEnd))
                       .Reduce(start.read.matrix, start.all, cols),
                   start, log);
    return true;
}

bool ParameterKernel(const CellGrid& grid, StepLog& log, const LogStyle& style) {
    const ParameterStart start = StartParameterLog(grid, log);
    LogCaseIntroduction(start.read.letter, log);
    const std::int32_t cols = grid.Cols();
    const auto kernelEnd = [&](const auto&, const auto& m, const auto&) {
        KernelText(m, log);
        return Counted("核の次元", cols - PivotCount(m, cols));
    };
    LogCaseSummary(CaseReduction(log, style, CaseEnds::Alike(kernelEnd))
                       .Reduce(start.read.matrix, start.all, cols),
                   start, log);
    return true;
}

bool ParameterImage(const CellGrid& grid, StepLog& log, const LogStyle& style) {
    const ParameterStart start = StartParameterLog(grid, log);
    LogCaseIntroduction(start.read.letter, log);
    const ParameterWorkMatrix& original = start.read.matrix;
    const auto imageEnd = [&](const auto& atCase, const auto& m, const auto&) {
        return Counted("像の次元", LogImage(m, atCase, log));
    };
    LogCaseSummary(CaseReduction(log, style, CaseEnds::Alike(imageEnd))
                       .Reduce(original, start.all, original.LastCol() + 1),
                   start, log);
    return true;
}

bool ParameterDeterminant(const CellGrid& grid, StepLog& log, const LogStyle& style) {
    if (!grid.IsSquare()) {
        log.AppendStepLog("正方行列でないので、行列式はありません。");
        return false;
    }
    const ParameterStart start = StartParameterLog(grid, log);
    const char letter = start.read.letter;
    std::string why = "行列式は成分の積の和なので、";
    why += letter;
    why += " を含む式のまま行基本変形で求めた値は、成分が定まるどの ";
    why += letter;
    why += " でも成り立ちます。途中で ";
    why += letter;
    why += " を含む式で割っても、場合分けは要りません。";
    log.AppendStepLog(why);
    log.AppendStepLog(kReductionIntroduction);
    CaseEnds ends;
    ends.dividing = [&](const ParameterWorkMatrix&, const ParameterWorkMatrix& m,
                        const ParameterTally& tally) {
        const RationalFunction det = DeterminantFromReduction(m, tally, log, style);
        LogDeterminantZeros(det, letter, start.all.excluded, log);
        std::string result = "行列式 ";
        AppendRfText(result, det);
        return result;
    };
    const std::int32_t cols = grid.Cols();
    LogCaseSummary(
        CaseReduction(log, style, ends).Reduce(start.read.matrix, start.all, cols, false), start,
        log);
    return true;
}

bool ParameterInverse(CellGrid& grid, StepLog& log, const LogStyle& style) {
    if (!grid.IsSquare()) {
        log.ClearStepLog();
        log.AppendStepLog("正方行列でないので、逆行列はありません。");
        return false;
    }
    const ParameterStart start = StartParameterLog(grid, log);
    ParameterWorkMatrix augmented;
    LoadAugmented(augmented, start.read.matrix);
    log.AppendStepLog("右に単位行列を並べます。");
    PrintWorkMatrix(augmented, log);
    LogCaseIntroduction(start.read.letter, log);
    std::optional<ParameterWorkMatrix> dividingInverse;
    CaseEnds ends = CaseEnds::Alike(
        [&](const auto&, const auto& m, const auto&) { return LogInverse(m, log); });
    ends.dividing = [&](const ParameterWorkMatrix&, const ParameterWorkMatrix& m,
                        const ParameterTally&) {
        if (IsIdentity(m)) {
            dividingInverse = m;
            KeepRightHalf(*dividingInverse);
        }
        return LogInverse(m, log);
    };
    const std::vector<CaseResult> cases =
        CaseReduction(log, style, ends).Reduce(augmented, start.all, grid.Cols());
    LogCaseSummary(cases, start, log);
    // One inverse serves every value only when no case was split off.
    if (cases.size() != 1 || !dividingInverse) return false;
    CellGrid result = grid;
    for (int c = 0; c <= dividingInverse->LastCol(); ++c) {
        for (int r = 0; r <= dividingInverse->LastRow(); ++r)
            result.SetCell(c, r, dividingInverse->Text(c, r));
    }
    grid = std::move(result);
    return true;
}

}  // namespace korvane
