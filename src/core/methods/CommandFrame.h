#pragma once

// What every method's command shares: its start on the grid's matrix and
// the line that gives a determinant as the result.
#include <string_view>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// The refusal of every determinant working for a non-square grid.
inline constexpr std::string_view kNoDeterminant = "正方行列でないので、行列式はありません。";

// A new log: clears it, loads the grid into the matrix returned and prints it.
WorkMatrix StartOnGrid(const CellGrid& grid, StepLog& log);
// Clears the log; then, for a square grid, loads it into matrix, prints it
// and returns true; otherwise logs refusal alone and returns false.
bool StartOnSquare(const CellGrid& grid, StepLog& log, WorkMatrix& matrix,
                   std::string_view refusal);
// The closing line of a determinant: "よって、行列式は、-3です。"
void DeterminantResult(const ComplexFraction& det, StepLog& log);
// "name =" and the matrix below it.
void PrintNamed(std::string_view name, const WorkMatrix& matrix, StepLog& log);

}  // namespace korvane
