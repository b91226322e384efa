#pragma once

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/RowReduction.h"
#include "core/engine/SurdNumbers.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// How the solve command splits the grid: (A | b) with b the last column, or
// (A | B) with A square and B the columns after it.
enum class RightHandSides { kOne, kSeveral };

// The computations. Each logs its working into the StepLog and, where
// the result is a matrix, writes it into the grid only after all arithmetic
// is done. Each returns whether it delivered its result: false when it
// refused its input (a non-square matrix, a grid that cannot be split, the
// inverse of a singular matrix), its reason the last line logged. The three
// that write the grid write it exactly when they deliver, so the caller
// records a History state then.
//
// The reduction commands (rref, inverse, transpose, kernel, image, det,
// solve, rank) compute in the field the grid needs (FieldOfGrid): Q(i), or
// the surds of one square root; the eigen commands take Q(i) only and refuse
// a grid with a root (kRootsRefused), as does Determinant with a complex
// fraction to hand back.
class Engine {
  public:
    explicit Engine(LogStyle style = {}) : style_(style) {}
    // The wording of the logs of the computations that follow.
    void SetLogStyle(const LogStyle& style) { style_ = style; }

    bool ReducedRowEchelonForm(CellGrid& grid, StepLog& log);  // always delivers
    bool Inverse(CellGrid& grid, StepLog& log);                // when invertible
    bool Transpose(CellGrid& grid, StepLog& log);              // always delivers
    bool Kernel(const CellGrid& grid, StepLog& log);           // always delivers
    bool Image(const CellGrid& grid, StepLog& log);            // always delivers
    bool Determinant(const CellGrid& grid, StepLog& log);      // when square
    // The same, handing the determinant found to value as well.
    bool Determinant(const CellGrid& grid, StepLog& log, ComplexFraction& value);

    // Solves Ax = b (or AX = B) with the reduction, the case, the solutions
    // and their check; refuses a grid that cannot be split so.
    bool Solve(const CellGrid& grid, StepLog& log, RightHandSides sides = RightHandSides::kOne);
    // The reduction, then rank and nullity. Always delivers.
    bool Rank(const CellGrid& grid, StepLog& log);
    // Each of these four logs the one before it first: det(λI − A), then its
    // factors and the eigenvalues, then each exact eigenvalue's eigenspace,
    // then P and D. They refuse a non-square matrix.
    bool CharacteristicPolynomial(const CellGrid& grid, StepLog& log);
    bool Eigenvalues(const CellGrid& grid, StepLog& log);
    bool Eigenvectors(const CellGrid& grid, StepLog& log);
    bool Diagonalize(const CellGrid& grid, StepLog& log);

  private:
    // Calls command(matrix, tally) with the work matrix and tally of the
    // field the grid needs.
    template <class Command>
    bool InGridField(const CellGrid& grid, Command command);
    enum class EigenDepth { kPolynomial, kValues, kVectors, kDiagonal };
    bool EigenComputation(const CellGrid& grid, StepLog& log, EigenDepth depth);

    WorkMatrix workMatrix_;
    ReductionTally tally_;
    BasicWorkMatrix<SurdNumbers> surdMatrix_;
    BasicReductionTally<SurdNumbers> surdTally_;
    LogStyle style_;
};

}  // namespace korvane
