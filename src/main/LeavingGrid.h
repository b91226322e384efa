#pragma once

// The work of a command that logs and leaves the grid as it is.
#include <functional>
#include <utility>

#include "core/BackgroundComputation.h"

namespace korvane {

inline BackgroundComputation::Work LeavingGrid(
    std::function<bool(const CellGrid&, StepLog&)> method) {
    return [method = std::move(method)](CellGrid& grid, StepLog& log) {
        method(grid, log);
        return false;
    };
}

}  // namespace korvane
