#include "core/formats/GridPaste.h"

#include <algorithm>

namespace korvane {

CellGrid PasteIntoGrid(const CellGrid& grid, int col, int row, const PastedMatrix& block) {
    if (col < 0 || row < 0 || col + block.cols > CellGrid::kMaxSize ||
        row + block.rows > CellGrid::kMaxSize) {
        throw PasteError::DoesNotFit(block.rows, block.cols, row + 1, col + 1);
    }
    CellGrid pasted = grid;
    pasted.SetRows(std::max(grid.Rows(), row + block.rows));
    pasted.SetCols(std::max(grid.Cols(), col + block.cols));
    for (int r = 0; r < block.rows; ++r) {
        for (int c = 0; c < block.cols; ++c)
            pasted.SetCell(col + c, row + r, block.Text(c, r));
    }
    return pasted;
}

CellGrid PasteText(const CellGrid& grid, int col, int row, std::string_view text) {
    return PasteIntoGrid(grid, col, row, ReadPastedMatrix(text));
}

}  // namespace korvane
