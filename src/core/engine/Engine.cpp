#include "core/engine/Engine.h"

#include <string>

#include "core/engine/MatrixGrid.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/ResultTexts.h"

namespace korvane {

namespace {

constexpr std::string_view kIntroduction = "上の行列を行階段基本形にします。";

}  // namespace

void Engine::Reduce(StepLog& log) {
    // A fresh tally per reduction keeps the scaling product from growing
    // across commands; only the determinant reads it.
    tally_ = ReductionTally{};
    RowReduction(workMatrix_, log, tally_, style_).RowReduce(0, 0);
}

bool Engine::ReducedRowEchelonForm(CellGrid& grid, StepLog& log) {
    log.ClearStepLog();
    LoadWorkMatrix(workMatrix_, grid);
    PrintWorkMatrix(workMatrix_, log);
    Reduce(log);
    StoreWorkMatrix(workMatrix_, grid);
    return true;
}

bool Engine::Inverse(CellGrid& grid, StepLog& log) {
    log.ClearStepLog();
    if (!grid.IsSquare()) {
        log.AppendStepLog("正方行列でないので、逆行列はありません。");
        return false;
    }
    LoadAugmentedWorkMatrix(workMatrix_, grid);
    PrintWorkMatrix(workMatrix_, log);
    log.AppendStepLog(kIntroduction);
    Reduce(log);
    if (!IsIdentity(workMatrix_)) {
        log.AppendStepLog("よって、この行列は非可逆です。");
        return false;
    }
    KeepRightHalf(workMatrix_);
    log.AppendStepLog("よって、逆行列は、");
    PrintWorkMatrix(workMatrix_, log);
    log.AppendStepLog("です。");
    StoreWorkMatrix(workMatrix_, grid);
    return true;
}

bool Engine::Transpose(CellGrid& grid, StepLog& log) {
    log.ClearStepLog();
    LoadWorkMatrix(workMatrix_, grid);
    PrintWorkMatrix(workMatrix_, log);
    log.AppendStepLog("この行列を転置します。");
    LoadTransposedWorkMatrix(workMatrix_, grid);
    PrintWorkMatrix(workMatrix_, log);
    StoreWorkMatrix(workMatrix_, grid);
    return true;
}

bool Engine::Kernel(const CellGrid& grid, StepLog& log) {
    log.ClearStepLog();
    LoadWorkMatrix(workMatrix_, grid);
    PrintWorkMatrix(workMatrix_, log);
    log.AppendStepLog(kIntroduction);
    Reduce(log);
    KernelText(workMatrix_, log);
    return true;
}

bool Engine::Image(const CellGrid& grid, StepLog& log) {
    log.ClearStepLog();
    LoadWorkMatrix(workMatrix_, grid);
    PrintWorkMatrix(workMatrix_, log);
    if (IsZeroMatrix(workMatrix_)) {
        log.AppendStepLog("この行列は零行列です。");
        log.AppendStepLog("よってこのベクトルの像は、");
        log.AppendStepLog("{0}");
        log.AppendStepLog("です。");
        return true;
    }
    log.AppendStepLog(kIntroduction);
    Reduce(log);
    ImageText(workMatrix_, grid, log);
    return true;
}

bool Engine::Determinant(const CellGrid& grid, StepLog& log) {
    ComplexFraction value;
    return Determinant(grid, log, value);
}

bool Engine::Determinant(const CellGrid& grid, StepLog& log, ComplexFraction& value) {
    if (!grid.IsSquare()) {
        // Added below whatever the log already shows.
        log.AppendStepLog("正方行列でないので、行列式はありません。");
        return false;
    }
    log.ClearStepLog();
    LoadWorkMatrix(workMatrix_, grid);
    PrintWorkMatrix(workMatrix_, log);
    log.AppendStepLog(kIntroduction);
    Reduce(log);
    if (!IsIdentity(workMatrix_)) {
        log.AppendStepLog("これは可逆行列でなかったため、行列式は0です。");
        value = CpxZero();
        return true;
    }
    log.AppendStepLog("以上の操作の中で、行を" + std::to_string(tally_.swapCount) +
                      "回入れ換え、合計" + CpxText(tally_.detFactor) + "倍しました。");
    if (style_.additionWording)
        log.AppendStepLog("行列式は、この合計の逆数に、行を入れ換えた回数だけ-1を掛けたものです。");
    const ComplexFraction det = CpxMul(CpxInv(tally_.detFactor), ParitySign(tally_.swapCount));
    log.AppendStepLog("よって、行列式は、" + CpxText(det) + "です。");
    value = det;
    return true;
}

}  // namespace korvane
