#pragma once

// The question the window asks before a cofactor expansion: along which
// line, and how the 3 × 3 minors are worked.
#include <optional>

#include "core/CellGrid.h"
#include "core/editing/Dialogs.h"
#include "core/methods/CofactorExpansion.h"

namespace korvane {

// Asks through dialogs for the line of the grid's expansion: the one with
// the most zeros, or a row or column named; then, for a 4 × 4 or 5 × 5
// matrix, whose expansion reaches 3 × 3 minors, whether they are worked by
// Sarrus's rule or expanded again. Nothing when either question is
// cancelled. A matrix with nothing to choose (not square, or 1 × 1) is
// expanded automatically without a question.
std::optional<ExpansionChoice> AskExpansion(const CellGrid& grid, Dialogs& dialogs);

}  // namespace korvane
