#include "core/orthogonality/SymmetricCheck.h"

#include "core/engine/MatrixGrid.h"
#include "core/engine/MatrixPrinting.h"
#include "core/orthogonality/InnerProduct.h"

namespace korvane {

bool IsHermitian(const WorkMatrix& a) {
    return SameMatrix(a, ConjugateTransposed(a));
}

bool IsRealMatrix(const WorkMatrix& a) {
    for (int c = 0; c <= a.LastCol(); ++c) {
        for (int r = 0; r <= a.LastRow(); ++r) {
            if (!IsReal(a.At(c, r))) return false;
        }
    }
    return true;
}

bool StartOnSymmetric(const CellGrid& grid, StepLog& log, WorkMatrix& a,
                      const SymmetricRefusals& refusals, bool keepLog) {
    if (!keepLog) log.ClearStepLog();
    if (!grid.IsSquare()) {
        log.AppendStepLog(refusals.notSquare);
        return false;
    }
    LoadWorkMatrix(a, grid);
    PrintWorkMatrix(a, log);
    const bool real = IsRealMatrix(a);
    if (!refusals.notReal.empty() && !real) {
        log.AppendStepLog(refusals.notReal);
        return false;
    }
    if (!IsHermitian(a)) {
        log.AppendStepLog(real ? refusals.notSymmetric : refusals.notHermitian);
        return false;
    }
    return true;
}

}  // namespace korvane
