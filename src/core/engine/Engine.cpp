#include "core/engine/Engine.h"

#include <string>

#include "core/engine/EngineCommands.h"
#include "core/engine/EngineDispatch.h"
#include "core/engine/GridField.h"
#include "core/parameter/ParameterCommands.h"
#include "core/parameter/ParameterGrid.h"

namespace korvane {

bool Engine::ReducedRowEchelonForm(CellGrid& grid, StepLog& log) {
    return InGridField(grid, [&](auto& matrix, auto& tally) {
        return ReducedRowEchelonFormIn(matrix, tally, grid, log, style_);
    });
}

bool Engine::Inverse(CellGrid& grid, StepLog& log) {
    if (GridParameterLetter(grid) != '\0') return ParameterInverse(grid, log, style_);
    log.ClearStepLog();
    if (!grid.IsSquare()) {
        log.AppendStepLog("正方行列でないので、逆行列はありません。");
        return false;
    }
    return InGridField(grid, [&](auto& matrix, auto& tally) {
        return InverseIn(matrix, tally, grid, log, style_);
    });
}

bool Engine::Transpose(CellGrid& grid, StepLog& log) {
    return InGridField(grid, [&](auto& matrix, auto&) { return TransposeIn(matrix, grid, log); });
}

bool Engine::Kernel(const CellGrid& grid, StepLog& log) {
    if (GridParameterLetter(grid) != '\0') return ParameterKernel(grid, log, style_);
    return InGridField(grid, [&](auto& matrix, auto& tally) {
        return KernelIn(matrix, tally, grid, log, style_);
    });
}

bool Engine::Image(const CellGrid& grid, StepLog& log) {
    if (GridParameterLetter(grid) != '\0') return ParameterImage(grid, log, style_);
    return InGridField(grid, [&](auto& matrix, auto& tally) {
        return ImageIn(matrix, tally, grid, log, style_);
    });
}

namespace {

// Added below whatever the log already shows.
bool RefuseNonSquareDeterminant(StepLog& log) {
    log.AppendStepLog("正方行列でないので、行列式はありません。");
    return false;
}

}  // namespace

bool Engine::Determinant(const CellGrid& grid, StepLog& log) {
    if (GridParameterLetter(grid) != '\0') return ParameterDeterminant(grid, log, style_);
    if (!grid.IsSquare()) return RefuseNonSquareDeterminant(log);
    return InGridField(grid, [&](auto& matrix, auto& tally) {
        DeterminantIn(matrix, tally, grid, log, style_);
        return true;
    });
}

bool Engine::Determinant(const CellGrid& grid, StepLog& log, ComplexFraction& value) {
    if (!grid.IsSquare()) return RefuseNonSquareDeterminant(log);
    if (FieldOfGrid(grid) != FieldKind::kComplexRationals) throw Error(std::string(kRootsRefused));
    value = DeterminantIn(workMatrix_, tally_, grid, log, style_);
    return true;
}

}  // namespace korvane
