#pragma once

#include <string>

#include "core/CellGrid.h"
#include "core/formats/CopyFormats.h"
#include "core/formats/PasteReader.h"

namespace korvane {

// The grid after pasting the block with its top-left cell at (col, row),
// from 0: the block's canonical texts over the cells there, the shown size
// grown to cover the block (never shrunk). Cells that the growth brings
// into view keep the texts they held, as when the size boxes grow the
// grid. Throws PasteError (kDoesNotFit) when the block would reach past
// 10 × 10; the grid passed in is never changed.
CellGrid PasteIntoGrid(const CellGrid& grid, int col, int row, const PastedMatrix& block);

// PasteIntoGrid with the matrix the text holds. Throws PasteError (what() is
// the message to show); the grid passed in is never changed.
CellGrid PasteText(const CellGrid& grid, int col, int row, std::string_view text);

// Where the window's paste goes: the top-left cell of the selection, from 0.
struct PasteTarget {
    int col = 0;
    int row = 0;
    bool wholeGridSelected = false;  // every shown cell is selected
    bool sizeLocked = false;         // the shown size must stay (the practice mode)
};

// A paste landed: the grid to show and what became of the cells around it.
struct PasteLanding {
    CellGrid grid;
    CellRect block;  // where the block went
};

// Lands a paste as the window does. The grid takes the block's size when
// the block goes to the top-left cell and nothing the user typed would be
// left around it — every shown cell outside the block holds "0" (or is
// empty, which reads as 0) — or when the whole grid was selected, unless
// the size is locked. Otherwise the block goes over the cells there as
// PasteIntoGrid puts it, and the other shown cells keep their values.
// Throws PasteError (kDoesNotFit); the grid passed in is never changed.
PasteLanding LandPaste(const CellGrid& grid, const PasteTarget& target, const PastedMatrix& block);

// The note for the status bar: the kind of text and the block's size, and,
// when shown cells kept their old values, where the block went, the
// matrix's size and which cells those are.
std::string PasteNote(const PasteLanding& landing, const PastedMatrix& block);

}  // namespace korvane
