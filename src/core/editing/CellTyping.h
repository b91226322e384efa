#pragma once

#include <string>
#include <string_view>

#include "core/CellGrid.h"
#include "core/formats/CopyFormats.h"

namespace korvane {

// Typing straight into the grid's cells, as a spreadsheet takes it.

// What typing a text into a cell did.
struct TypedCell {
    bool changed = false;  // the cell's text changed: one History state
    // For a text not read as it looks (characters dropped, or read
    // otherwise, as "2x" read as 2): "「2x」を 2 と読みました"; else empty.
    std::string note;
};

// Writes the canonical text of typed's value into cell (col, row), as the
// input box "成分の入力" does with OK; an emptied text is 0. The cell's own
// text, committed untouched, and a cell outside the 10 × 10 table are left
// alone.
TypedCell TypeIntoCell(CellGrid& grid, int col, int row, std::string_view typed);

// Sets the cells of the rectangle that lie in the table to "0"; returns
// whether any text changed.
bool ClearCells(CellGrid& grid, const CellRect& cells);

}  // namespace korvane
