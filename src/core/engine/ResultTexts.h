#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <cstdint>
#include <string_view>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/EngineField.h"
#include "core/engine/KernelBasis.h"
#include "core/engine/PivotRows.h"
#include "core/engine/ReductionResults.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// The kernel of a matrix of `cols` columns as three log lines: spanText of
// its basis of basisSize vectors, {0}, or the whole space; lead first.
void KernelResultText(std::int32_t cols, std::size_t basisSize, const std::string& spanText,
                      StepLog& log, std::string_view lead);

// The kernel of the reduced matrix as three log lines: a basis with one
// vector per free column, {0}, or the whole space. The first line is lead:
// the kernel command's own, or one naming the matrix whose kernel it is.
template <EngineField F>
void KernelText(const BasicWorkMatrix<F>& reduced, StepLog& log,
                std::string_view lead = "よってこのベクトルの核は、") {
    const std::int32_t cols = reduced.LastCol() + 1;
    const auto basis = KernelBasis(reduced, cols);
    KernelResultText(cols, basis.size(), SpanText<F>(basis), log, lead);
}
// The image as three log lines: the grid's own cell texts of the columns that
// hold a pivot, or the whole space when every row has a pivot.
void ImageTextOfPivots(const PivotRows& pivots, std::int32_t lastRow, std::int32_t lastCol,
                       const CellGrid& grid, StepLog& log);
template <EngineField F>
void ImageText(const BasicWorkMatrix<F>& reduced, const CellGrid& grid, StepLog& log) {
    ImageTextOfPivots(FindPivotRows(reduced), reduced.LastRow(), reduced.LastCol(), grid, log);
}

// +1 for an even count of row exchanges, −1 for an odd one.
inline ComplexFraction ParitySign(std::int32_t swaps) {
    return ParitySignOf<ComplexRationals>(swaps);
}

}  // namespace korvane
