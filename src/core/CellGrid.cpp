#include "core/CellGrid.h"

#include <algorithm>
#include <cassert>

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
    assert(col >= 0 && col < kMaxSize && row >= 0 && row < kMaxSize);
    return static_cast<std::size_t>(col * kMaxSize + row);
}

}  // namespace korvane
