#pragma once

#include <optional>
#include <string>

#include "core/StepLog.h"
#include "core/engine/LogStyle.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// The names an equation's working uses: the coefficient A, the right side
// B (as the log names those parts) and the equation itself.
struct EquationNames {
    std::string a;
    std::string b;
    std::string aTransposed;  // "A^T", "(A + I)^T"
    std::string bTransposed;
    std::string equation;        // "AX = B"
    bool unknownOnLeft = false;  // XA = B
};

// A matrix equation solved by the reduction: AX = B by reducing (A | B),
// XA = B by reducing (A^T | B^T) for X^T, said so; then the ranks, the case
// and the solutions of each column as the solve command logs them.
class EquationWorking {
  public:
    EquationWorking(StepLog& log, const LogStyle& style) : log_(log), style_(style) {}

    // X when the equation has exactly one solution; otherwise nothing, with
    // a closing line that says why. a and b fit (as many rows for AX = B,
    // as many columns for XA = B).
    std::optional<WorkMatrix> Solve(const WorkMatrix& a, const WorkMatrix& b,
                                    const EquationNames& names);
    // The check of a solution: AX (or XA) worked out and compared with B.
    void Check(const WorkMatrix& x, const WorkMatrix& a, const WorkMatrix& b,
               const EquationNames& names);

  private:
    StepLog& log_;
    LogStyle style_;
};

}  // namespace korvane
