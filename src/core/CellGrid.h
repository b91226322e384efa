#pragma once

#include <array>
#include <string>

namespace korvane {

// The matrix as the user sees it: a row count and a column count (1..10 each)
// and the texts of all 10 × 10 cells, addressed (column, row) from 0. Cells
// outside the shown size keep their texts.
class CellGrid {
  public:
    static constexpr int kMaxSize = 10;
    static constexpr int kStartSize = 3;

    CellGrid();  // 3 × 3, "0" in every cell

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    bool IsSquare() const { return rows_ == cols_; }
    // Counts are clamped into 1..10.
    void SetRows(int rows);
    void SetCols(int cols);

    // col and row in 0..9, whatever the shown size; std::out_of_range beyond.
    const std::string& Cell(int col, int row) const { return cells_[Index(col, row)]; }
    void SetCell(int col, int row, std::string text) { cells_[Index(col, row)] = std::move(text); }

    friend bool operator==(const CellGrid&, const CellGrid&) = default;

  private:
    static std::size_t Index(int col, int row);

    int rows_ = kStartSize;
    int cols_ = kStartSize;
    std::array<std::string, kMaxSize * kMaxSize> cells_;  // column-major
};

}  // namespace korvane
