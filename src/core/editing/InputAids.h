#pragma once

#include <string>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/editing/Dialogs.h"
#include "mklibs/ComplexFraction.h"

namespace korvane {

// The cell edit and the input aids. Each returns whether it changed the grid,
// so the caller records a History state; a refusal (a non-square grid)
// writes its sentence to the log and returns false.

// Edits cell (col, row) through the input box "成分の入力": a text other
// than the cell's own is stored in its canonical form; the cell's own text,
// confirmed or cancelled, leaves it as it stands.
bool sgmatrixDblClick(CellGrid& grid, int col, int row, Dialogs& dialogs);
bool N3Click(CellGrid& grid, StepLog& log);      // identity
bool N4Click(CellGrid& grid, StepLog& log);      // zero
bool L1Click(CellGrid& grid, Dialogs& dialogs);  // multiply by a constant
// L1Click's two halves, for a caller that asks on one thread and multiplies
// on another: the factor from the input box "何倍しますか？" (1 when cancelled
// or emptied), then every shown cell times it.
ComplexFraction AskFactor(Dialogs& dialogs);
bool MultiplyCells(CellGrid& grid, const ComplexFraction& factor);
bool N9Click(CellGrid& grid, StepLog& log);   // upper triangular
bool N10Click(CellGrid& grid, StepLog& log);  // lower triangular
bool N6Click(CellGrid& grid, StepLog& log);   // copy upper right to lower left
bool N7Click(CellGrid& grid, StepLog& log);   // copy lower left to upper right

// Status-bar panel 0 for the cell under the mouse: "2,3" (row, column from 1),
// or empty when col or row is -1.
std::string MouseReadout(int col, int row);

}  // namespace korvane
