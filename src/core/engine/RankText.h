#pragma once

#include <cstdint>

#include "core/StepLog.h"
#include "core/engine/PivotRows.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// After the reduction: which columns hold a leading one, the rank, the
// nullity, and the two added up to the number of columns.
void RankTextOfPivots(const PivotRows& pivots, std::int32_t cols, StepLog& log);

template <EngineField F>
void RankText(const BasicWorkMatrix<F>& reduced, StepLog& log) {
    RankTextOfPivots(FindPivotRows(reduced), reduced.LastCol() + 1, log);
}

}  // namespace korvane
