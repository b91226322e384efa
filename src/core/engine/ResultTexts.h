#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// For each column of a reduced matrix, the row of its leading one, or -1.
using PivotRows = std::array<std::int32_t, WorkMatrix::kMaxCols>;
PivotRows FindPivotRows(const WorkMatrix& reduced);

// The kernel of the reduced matrix as three log lines: a basis with one
// vector per free column, {0}, or the whole space. The first line is lead:
// the kernel command's own, or one naming the matrix whose kernel it is.
void KernelText(const WorkMatrix& reduced, StepLog& log,
                std::string_view lead = "よってこのベクトルの核は、");
// The image as three log lines: the grid's own cell texts of the columns that
// hold a pivot, or the whole space when every row has a pivot.
void ImageText(const WorkMatrix& reduced, const CellGrid& grid, StepLog& log);

// +1 for an even count of row exchanges, −1 for an odd one.
ComplexFraction ParitySign(std::int32_t swaps);

}  // namespace korvane
