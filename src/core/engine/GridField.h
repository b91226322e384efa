#pragma once

#include <string_view>

#include "core/CellGrid.h"

namespace korvane {

// The numbers a grid's computation needs: the complex fractions Q(i), or
// numbers a + b√d over them with one square root √d.
enum class FieldKind { kComplexRationals, kSurds };

// The field of the grid's shown cells: kSurds when some cell needs a root
// (CellSurd). Throws Error naming the cell, with SurdFieldClash's sentence,
// when two cells need different roots (√2 and √3).
FieldKind FieldOfGrid(const CellGrid& grid);

// Whether the cell's text needs a square root to be read.
bool CellNeedsRoot(std::string_view text);

// The refusal of a computation that works in Q(i) only, for a grid that
// holds a root.
inline constexpr std::string_view kRootsRefused =
    "平方根を含む行列には、この計算はまだ使えません。";

}  // namespace korvane
