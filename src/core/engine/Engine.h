#pragma once

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/RowReduction.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// How the solve command splits the grid: (A | b) with b the last column, or
// (A | B) with A square and B the columns after it.
enum class RightHandSides { kOne, kSeveral };

// The computations. Each logs its working into the StepLog and, where
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

    // Solves Ax = b (or AX = B) with the reduction, the case, the solutions
    // and their check.
    void Solve(const CellGrid& grid, StepLog& log, RightHandSides sides = RightHandSides::kOne);
    // The reduction, then rank and nullity.
    void Rank(const CellGrid& grid, StepLog& log);
    // Each of these four logs the one before it first: det(λI − A), then its
    // factors and the eigenvalues, then each exact eigenvalue's eigenspace,
    // then P and D.
    void CharacteristicPolynomial(const CellGrid& grid, StepLog& log);
    void Eigenvalues(const CellGrid& grid, StepLog& log);
    void Eigenvectors(const CellGrid& grid, StepLog& log);
    void Diagonalize(const CellGrid& grid, StepLog& log);

  private:
    // Brings the WorkMatrix to reduced row echelon form with a fresh tally.
    void Reduce(StepLog& log);
    enum class EigenDepth { kPolynomial, kValues, kVectors, kDiagonal };
    void EigenComputation(const CellGrid& grid, StepLog& log, EigenDepth depth);

    WorkMatrix workMatrix_;
    ReductionTally tally_;
    LogStyle style_;
};

}  // namespace korvane
