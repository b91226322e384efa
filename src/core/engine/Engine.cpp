#include "core/engine/Engine.h"

#include <string>

#include "core/engine/MatrixGrid.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/ReductionResults.h"
#include "core/engine/ResultTexts.h"
#include "core/parameter/ParameterCommands.h"
#include "core/parameter/ParameterGrid.h"

namespace korvane {

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
    if (GridParameterLetter(grid) != '\0') return ParameterInverse(grid, log, style_);
    log.ClearStepLog();
    if (!grid.IsSquare()) {
        log.AppendStepLog("正方行列でないので、逆行列はありません。");
        return false;
    }
    LoadAugmentedWorkMatrix(workMatrix_, grid);
    tally_ = ReductionTally{};
    if (!InvertAugmented(workMatrix_, log, tally_, style_)) return false;
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
    if (GridParameterLetter(grid) != '\0') return ParameterKernel(grid, log, style_);
    log.ClearStepLog();
    LoadWorkMatrix(workMatrix_, grid);
    PrintWorkMatrix(workMatrix_, log);
    log.AppendStepLog(kReductionIntroduction);
    Reduce(log);
    KernelText(workMatrix_, log);
    return true;
}

bool Engine::Image(const CellGrid& grid, StepLog& log) {
    if (GridParameterLetter(grid) != '\0') return ParameterImage(grid, log, style_);
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
    log.AppendStepLog(kReductionIntroduction);
    Reduce(log);
    ImageText(workMatrix_, grid, log);
    return true;
}

bool Engine::Determinant(const CellGrid& grid, StepLog& log) {
    if (GridParameterLetter(grid) != '\0') return ParameterDeterminant(grid, log, style_);
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
    log.AppendStepLog(kReductionIntroduction);
    Reduce(log);
    value = DeterminantFromReduction(workMatrix_, tally_, log, style_);
    return true;
}

}  // namespace korvane
