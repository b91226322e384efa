#include "core/formats/GridPaste.h"

#include <algorithm>

namespace korvane {

namespace {

bool Inside(const CellRect& rect, int col, int row) {
    return col >= rect.col && col < rect.col + rect.cols && row >= rect.row &&
           row < rect.row + rect.rows;
}

// No shown cell outside the rectangle holds anything but zero as "0" or "".
bool OnlyZerosAround(const CellGrid& grid, const CellRect& rect) {
    for (int col = 0; col < grid.Cols(); ++col) {
        for (int row = 0; row < grid.Rows(); ++row) {
            const std::string& text = grid.Cell(col, row);
            if (!Inside(rect, col, row) && !text.empty() && text != "0") return false;
        }
    }
    return true;
}

// "3行目", "2～3行目": the numbers from first to last, counted from 1.
std::string Span(int first, int last, const char* unit) {
    std::string span = std::to_string(first);
    if (last > first) span += "～" + std::to_string(last);
    return span + unit;
}

// The lines of a count before and after a run of them: "1行目", "4～5行目",
// "1行目と4行目"; empty when the run covers them all.
std::string Around(int first, int last, int count, const char* unit) {
    std::string before = first > 0 ? Span(1, first, unit) : "";
    std::string after = last + 1 < count ? Span(last + 2, count, unit) : "";
    if (!before.empty() && !after.empty()) return before + "と" + after;
    return before + after;
}

// The shown cells that the block did not cover, in words.
std::string KeptCells(const CellGrid& grid, const CellRect& block) {
    const int lastRow = block.row + block.rows - 1;
    const int lastCol = block.col + block.cols - 1;
    if (block.col == 0 && block.cols == grid.Cols())
        return Around(block.row, lastRow, grid.Rows(), "行目");
    if (block.row == 0 && block.rows == grid.Rows())
        return Around(block.col, lastCol, grid.Cols(), "列目");
    return "貼り付けた範囲の外のマス";
}

}  // namespace

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

PasteLanding LandPaste(const CellGrid& grid, const PasteTarget& target, const PastedMatrix& block) {
    PasteLanding landing{PasteIntoGrid(grid, target.col, target.row, block),
                         {target.col, target.row, block.cols, block.rows}};
    const bool atTopLeft = target.col == 0 && target.row == 0;
    if (atTopLeft && !target.sizeLocked &&
        (target.wholeGridSelected || OnlyZerosAround(grid, landing.block))) {
        landing.grid.SetRows(block.rows);
        landing.grid.SetCols(block.cols);
    }
    return landing;
}

std::string PasteNote(const PasteLanding& landing, const PastedMatrix& block) {
    const std::string size = std::to_string(block.rows) + "行" + std::to_string(block.cols) + "列";
    const std::string pasted = PasteFormatName(block.format) + "（" + size + "）";
    const CellGrid& grid = landing.grid;
    if (grid.Rows() == block.rows && grid.Cols() == block.cols) return pasted + "を貼り付けました";
    return pasted + "を" + std::to_string(landing.block.row + 1) + "行" +
           std::to_string(landing.block.col + 1) + "列目から貼り付けました。行列は" +
           std::to_string(grid.Rows()) + "行" + std::to_string(grid.Cols()) + "列で、" +
           KeptCells(grid, landing.block) + "は元のままです";
}

}  // namespace korvane
