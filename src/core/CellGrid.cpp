#include "core/CellGrid.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace korvane {

CellGrid::CellGrid() {
    cells_.fill("0");
}

void CellGrid::SetRows(int rows) {
    rows_ = std::clamp(rows, 1, kMaxSize);
}

void CellGrid::SetCols(int cols) {
    cols_ = std::clamp(cols, 1, kMaxSize);
}

std::size_t CellGrid::Index(int col, int row) {
    // A cell beyond the table is a fault of the caller's; it must not write
    // past the array, in a release build either.
    if (col < 0 || col >= kMaxSize || row < 0 || row >= kMaxSize)
        throw std::out_of_range("CellGrid: no cell (" + std::to_string(col) + ", " +
                                std::to_string(row) + ")");
    return static_cast<std::size_t>(col * kMaxSize + row);
}

}  // namespace korvane
