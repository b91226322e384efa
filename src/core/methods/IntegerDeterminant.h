#pragma once

// The determinant by the row operations a teacher writes: the entries kept
// integers as long as they can be, each change to the determinant said.
#include <string_view>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/LogStyle.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// Works the determinant of a copy of the square matrix named name: rows
// holding fractions are multiplied by their denominators, common factors
// are taken out of rows and written in front, and each column is cleared
// below the diagonal by exchanges and additions of whole multiples only,
// the entry of least size moved up as the pivot, until the matrix is upper
// triangular. Every operation is followed by what it did to the
// determinant, kept as det name = f·det B; the working ends with
// "det name = …" and returns the value.
ComplexFraction LoggedIntegerDeterminant(const WorkMatrix& matrix, std::string_view name,
                                         StepLog& log, const LogStyle& style);

// The integer-det command. Refuses a non-square matrix.
bool IntegerDeterminant(const CellGrid& grid, StepLog& log, const LogStyle& style = {});

}  // namespace korvane
