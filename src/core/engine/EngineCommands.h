#pragma once

// The reduction commands over any field, as the Engine runs them on the
// work matrix and tally of the field its grid needs. Each logs from a
// cleared log and writes the grid, where it does, only after the arithmetic.
#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/LogStyle.h"
#include "core/engine/MatrixGrid.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/RankText.h"
#include "core/engine/ReductionResults.h"
#include "core/engine/ResultTexts.h"
#include "core/engine/SolutionText.h"

namespace korvane {

// Brings the matrix to reduced row echelon form with a fresh tally.
template <EngineField F>
void ReduceIn(BasicWorkMatrix<F>& matrix, BasicReductionTally<F>& tally, StepLog& log,
              const LogStyle& style) {
    // A fresh tally per reduction keeps the scaling product from growing
    // across commands; only the determinant reads it.
    tally = BasicReductionTally<F>{};
    BasicRowReduction<F>(matrix, log, tally, style).RowReduce(0, 0);
}

// From a cleared log: the grid's matrix printed, then reduced with the
// sentence that says so.
template <EngineField F>
void LoadAndReduceIn(BasicWorkMatrix<F>& matrix, BasicReductionTally<F>& tally,
                     const CellGrid& grid, StepLog& log, const LogStyle& style) {
    log.ClearStepLog();
    LoadWorkMatrix(matrix, grid);
    PrintWorkMatrix(matrix, log);
    log.AppendStepLog(kReductionIntroduction);
    ReduceIn(matrix, tally, log, style);
}

template <EngineField F>
bool ReducedRowEchelonFormIn(BasicWorkMatrix<F>& matrix, BasicReductionTally<F>& tally,
                             CellGrid& grid, StepLog& log, const LogStyle& style) {
    log.ClearStepLog();
    LoadWorkMatrix(matrix, grid);
    PrintWorkMatrix(matrix, log);
    ReduceIn(matrix, tally, log, style);
    StoreWorkMatrix(matrix, grid);
    return true;
}

// For a square grid.
template <EngineField F>
bool InverseIn(BasicWorkMatrix<F>& matrix, BasicReductionTally<F>& tally, CellGrid& grid,
               StepLog& log, const LogStyle& style) {
    LoadAugmentedWorkMatrix(matrix, grid);
    tally = BasicReductionTally<F>{};
    if (!InvertAugmented(matrix, log, tally, style)) return false;
    StoreWorkMatrix(matrix, grid);
    return true;
}

template <EngineField F>
bool TransposeIn(BasicWorkMatrix<F>& matrix, CellGrid& grid, StepLog& log) {
    log.ClearStepLog();
    LoadWorkMatrix(matrix, grid);
    PrintWorkMatrix(matrix, log);
    log.AppendStepLog("この行列を転置します。");
    LoadTransposedWorkMatrix(matrix, grid);
    PrintWorkMatrix(matrix, log);
    StoreWorkMatrix(matrix, grid);
    return true;
}

template <EngineField F>
bool KernelIn(BasicWorkMatrix<F>& matrix, BasicReductionTally<F>& tally, const CellGrid& grid,
              StepLog& log, const LogStyle& style) {
    LoadAndReduceIn(matrix, tally, grid, log, style);
    KernelText(matrix, log);
    return true;
}

template <EngineField F>
bool ImageIn(BasicWorkMatrix<F>& matrix, BasicReductionTally<F>& tally, const CellGrid& grid,
             StepLog& log, const LogStyle& style) {
    log.ClearStepLog();
    LoadWorkMatrix(matrix, grid);
    PrintWorkMatrix(matrix, log);
    if (IsZeroMatrix(matrix)) {
        log.AppendStepLog("この行列は零行列です。");
        log.AppendStepLog("よってこのベクトルの像は、");
        log.AppendStepLog("{0}");
        log.AppendStepLog("です。");
        return true;
    }
    log.AppendStepLog(kReductionIntroduction);
    ReduceIn(matrix, tally, log, style);
    ImageText(matrix, grid, log);
    return true;
}

// For a square grid: the determinant, logged and returned.
template <EngineField F>
typename F::Number DeterminantIn(BasicWorkMatrix<F>& matrix, BasicReductionTally<F>& tally,
                                 const CellGrid& grid, StepLog& log, const LogStyle& style) {
    LoadAndReduceIn(matrix, tally, grid, log, style);
    return DeterminantFromReduction(matrix, tally, log, style);
}

// Solves the system of the leading `unknowns` columns for the columns
// after them; the grid can be split so.
template <EngineField F>
bool SolveIn(BasicWorkMatrix<F>& matrix, BasicReductionTally<F>& tally, const CellGrid& grid,
             std::int32_t unknowns, std::string_view introduction, StepLog& log,
             const LogStyle& style) {
    LoadWorkMatrix(matrix, grid);
    // Only the values are kept for the check: cheaper than a second matrix.
    const std::vector<BasicVector<F>> original = ColumnsOf(matrix);
    PrintWorkMatrix(matrix, log);
    log.AppendStepLog(introduction);
    log.AppendStepLog(kReductionIntroduction);
    ReduceIn(matrix, tally, log, style);
    SolutionText(original, matrix, unknowns, log);
    return true;
}

template <EngineField F>
bool RankIn(BasicWorkMatrix<F>& matrix, BasicReductionTally<F>& tally, const CellGrid& grid,
            StepLog& log, const LogStyle& style) {
    LoadAndReduceIn(matrix, tally, grid, log, style);
    RankText(matrix, log);
    return true;
}

}  // namespace korvane
