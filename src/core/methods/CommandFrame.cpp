#include "core/methods/CommandFrame.h"

#include <string>

#include "core/engine/MatrixGrid.h"
#include "core/engine/MatrixPrinting.h"

namespace korvane {

bool StartOnSquare(const CellGrid& grid, StepLog& log, WorkMatrix& matrix,
                   std::string_view refusal) {
    log.ClearStepLog();
    if (!grid.IsSquare()) {
        log.AppendStepLog(refusal);
        return false;
    }
    LoadWorkMatrix(matrix, grid);
    PrintWorkMatrix(matrix, log);
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
