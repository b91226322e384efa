#include "core/workspace/EngineWorking.h"

#include "core/engine/MatrixGrid.h"

namespace korvane {

namespace {

CellGrid GridOf(const WorkMatrix& m) {
    CellGrid grid;
    StoreWorkMatrix(m, grid);
    return grid;
}

WorkMatrix MatrixOf(const CellGrid& grid) {
    WorkMatrix m;
    LoadWorkMatrix(m, grid);
    return m;
}

}  // namespace

std::optional<WorkMatrix> EngineWorking::Inverse(const WorkMatrix& a, const std::string& aName,
                                                 const std::string& name) {
    log_.AppendStepLog(aName + " の逆行列 " + name + " を求めます。" + aName +
                       " の右に単位行列を並べると、");
    CellGrid grid = GridOf(a);
    Continued log(log_);
    if (!engine_.Inverse(grid, log)) {
        log_.AppendStepLog(aName + " は正則でないので、" + name + " はありません。");
        return std::nullopt;
    }
    return MatrixOf(grid);
}

WorkMatrix EngineWorking::Rref(const WorkMatrix& a, const std::string& aName,
                               const std::string& name) {
    log_.AppendStepLog(name + " を求めます。" + aName + " を行階段基本形にします。");
    CellGrid grid = GridOf(a);
    Continued log(log_);
    engine_.ReducedRowEchelonForm(grid, log);
    return MatrixOf(grid);
}

ComplexFraction EngineWorking::Determinant(const WorkMatrix& a, const std::string& name) {
    log_.AppendStepLog(name + " を求めます。");
    Continued log(log_);
    ComplexFraction value;
    engine_.Determinant(GridOf(a), log, value);
    return value;
}

}  // namespace korvane
