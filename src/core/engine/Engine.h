#pragma once

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/RowReduction.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// The six computations. Each logs its working into the StepLog and, where
// the result is a matrix, writes it into the grid only after all arithmetic
// is done. The three that may change the grid return whether they did, so
// the caller records a History state.
class Engine {
  public:
    explicit Engine(LogStyle style = {}) : style_(style) {}
    // The wording of the logs of the computations that follow.
    void SetLogStyle(const LogStyle& style) { style_ = style; }

    bool ReducedRowEchelonForm(CellGrid& grid, StepLog& log);  // always changes
    bool Inverse(CellGrid& grid, StepLog& log);                // when invertible
    bool Transpose(CellGrid& grid, StepLog& log);              // always changes
    void Kernel(const CellGrid& grid, StepLog& log);
    void Image(const CellGrid& grid, StepLog& log);
    void Determinant(const CellGrid& grid, StepLog& log);

  private:
    // Brings the WorkMatrix to reduced row echelon form with a fresh tally.
    void Reduce(StepLog& log);

    WorkMatrix workMatrix_;
    ReductionTally tally_;
    LogStyle style_;
};

}  // namespace korvane
