#pragma once

#include "core/CellGrid.h"
#include "core/formats/PasteReader.h"

namespace korvane {

// The grid after pasting the block with its top-left cell at (col, row),
// from 0: the block's canonical texts over the cells there, the shown size
// grown to cover the block (never shrunk). Cells that the growth brings
// into view keep the texts they held, as when the size boxes grow the
// grid. Throws PasteError (kDoesNotFit) when the block would reach past
// 10 × 10; the grid passed in is never changed.
CellGrid PasteIntoGrid(const CellGrid& grid, int col, int row, const PastedMatrix& block);

// The grid after pasting the matrix the text holds at (col, row): what the
// window's paste does in one call. Throws PasteError (what() is the message
// to show); the grid passed in is never changed.
CellGrid PasteText(const CellGrid& grid, int col, int row, std::string_view text);

}  // namespace korvane
