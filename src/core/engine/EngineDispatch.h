#pragma once

#include "core/engine/Engine.h"
#include "core/engine/GridField.h"

namespace korvane {

template <class Command>
bool Engine::InGridField(const CellGrid& grid, Command command) {
    if (FieldOfGrid(grid) == FieldKind::kSurds) return command(surdMatrix_, surdTally_);
    return command(workMatrix_, tally_);
}

}  // namespace korvane
