#pragma once

// The start of the workings on a real symmetric (or Hermitian) matrix.
#include <string_view>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// Whether the square matrix equals its conjugate transpose.
bool IsHermitian(const WorkMatrix& a);
bool IsRealMatrix(const WorkMatrix& a);

// The refusals of a working on a symmetric matrix; without notReal it takes
// Hermitian matrices too.
struct SymmetricRefusals {
    std::string_view notSquare;
    std::string_view notSymmetric;
    std::string_view notHermitian;
    std::string_view notReal;
};

// Loads and prints the grid into a and returns true for a real symmetric
// (or, where allowed, Hermitian) matrix; otherwise logs the refusal and
// returns false. keepLog leaves the lines already logged (a typed form's
// first line) in place.
bool StartOnSymmetric(const CellGrid& grid, StepLog& log, WorkMatrix& a,
                      const SymmetricRefusals& refusals, bool keepLog = false);

}  // namespace korvane
