#pragma once

#include <array>
#include <cstdint>

#include "core/engine/EngineField.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// For each column of a reduced matrix, the row of its leading one, or -1.
using PivotRows = std::array<std::int32_t, WorkMatrix::kMaxCols>;

template <EngineField F>
PivotRows FindPivotRows(const BasicWorkMatrix<F>& reduced) {
    PivotRows pivots;
    pivots.fill(-1);
    for (std::int32_t r = 0; r <= reduced.LastRow(); ++r) {
        for (std::int32_t c = 0; c <= reduced.LastCol(); ++c) {
            if (F::IsOne(reduced.At(c, r))) {
                pivots[c] = r;
                break;
            }
        }
    }
    return pivots;
}

}  // namespace korvane
