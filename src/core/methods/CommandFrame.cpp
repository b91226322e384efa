#include "core/methods/CommandFrame.h"

#include <string>

#include "core/engine/MatrixGrid.h"
#include "core/engine/MatrixPrinting.h"

namespace korvane {

WorkMatrix StartOnGrid(const CellGrid& grid, StepLog& log) {
    log.ClearStepLog();
    WorkMatrix matrix;
    LoadWorkMatrix(matrix, grid);
    PrintWorkMatrix(matrix, log);
    return matrix;
}

bool StartOnSquare(const CellGrid& grid, StepLog& log, WorkMatrix& matrix,
                   std::string_view refusal) {
    if (!grid.IsSquare()) {
        log.ClearStepLog();
        log.AppendStepLog(refusal);
        return false;
    }
    matrix = StartOnGrid(grid, log);
    return true;
}

void DeterminantResult(const ComplexFraction& det, StepLog& log) {
    std::string line = "よって、行列式は、";
    line += CpxText(det);
    line += "です。";
    log.AppendStepLog(line);
}

void PrintNamed(std::string_view name, const WorkMatrix& matrix, StepLog& log) {
    std::string line(name);
    line += " =";
    log.AppendStepLog(line);
    PrintWorkMatrix(matrix, log);
}

}  // namespace korvane
