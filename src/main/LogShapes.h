#pragma once

#include "core/CellGrid.h"
#include "core/engine/Engine.h"
#include "core/formats/LogReading.h"

namespace korvane {

// Where the bar of an augmented matrix stands in a command's log, taken from
// the grid the command starts on.

// [A | I] of the inverse of a square A; no bar otherwise.
AugmentedShape InverseShape(const CellGrid& grid);
// [A | b], or [A | B] with A square when several right-hand sides are asked.
AugmentedShape SolveShape(const CellGrid& grid, RightHandSides sides);

}  // namespace korvane
