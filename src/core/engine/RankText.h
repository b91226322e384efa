#pragma once

#include "core/StepLog.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// After the reduction: which columns hold a leading one, the rank, the
// nullity, and the two added up to the number of columns.
void RankText(const WorkMatrix& reduced, StepLog& log);

}  // namespace korvane
