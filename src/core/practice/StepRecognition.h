#pragma once

#include <optional>
#include <vector>

#include "core/practice/MatrixRows.h"
#include "core/practice/RowOperation.h"

namespace korvane {

// The rows in which after differs from before, in increasing order.
std::vector<int> ChangedRows(const MatrixRows& before, const MatrixRows& after);

// The operations that take before to after, when after is what a student
// writes down in one go: two rows exchanged, or one pivot row used on the
// others — the pivot row possibly scaled, and multiples of it added to any
// number of other rows. In that order, each a single elementary operation;
// nothing when after is none of these (or equals before).
std::optional<std::vector<RowOperation>> RecogniseStep(const MatrixRows& before,
                                                       const MatrixRows& after);
// Every way RecogniseStep could read the step, its own reading first: rows
// that are multiples of each other let one matrix follow by a scaling and
// by an addition alike.
std::vector<std::vector<RowOperation>> StepReadings(const MatrixRows& before,
                                                    const MatrixRows& after);

// Applies the operations in turn to a copy of matrix.
MatrixRows Applied(MatrixRows matrix, const std::vector<RowOperation>& operations);

}  // namespace korvane
