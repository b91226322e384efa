#include "core/editing/InputAids.h"

#include <vector>

#include "core/CellValue.h"
#include "core/StopSignal.h"
#include "core/editing/CellTyping.h"
#include "mklibs/mklibs.h"

namespace korvane {

namespace {

constexpr const char* kNotSquareIdentity = "正方行列でないので、単位行列にできません。";
constexpr const char* kNotSquareSymmetric = "正方行列でないので、対称行列にできません。";
constexpr const char* kNotSquareTriangular = "正方行列でないので、三角行列にできません。";

bool RefuseUnlessSquare(const CellGrid& grid, StepLog& log, const char* refusal) {
    if (grid.IsSquare()) return false;
    log.AppendStepLog(refusal);
    return true;
}

bool InsideTable(int col, int row) {
    return col >= 0 && col < CellGrid::kMaxSize && row >= 0 && row < CellGrid::kMaxSize;
}

}  // namespace

bool sgmatrixDblClick(CellGrid& grid, int col, int row, Dialogs& dialogs) {
    if (!InsideTable(col, row)) return false;
    const std::string typed =
        dialogs.InputBox("成分の入力", "何を入力しますか？", grid.Cell(col, row));
    // As typing into the cell: an emptied box stores "0", as an empty cell
    // reads, and a text in a parameter letter stays as typed.
    return TypeIntoCell(grid, col, row, typed).changed;
}

bool N3Click(CellGrid& grid, StepLog& log) {
    log.ClearStepLog();
    if (RefuseUnlessSquare(grid, log, kNotSquareIdentity)) return false;
    for (int col = 0; col < grid.Cols(); ++col)
        for (int row = 0; row < grid.Rows(); ++row)
            grid.SetCell(col, row, std::to_string(IntDelta(col, row)));
    return true;
}

bool N4Click(CellGrid& grid, StepLog& log) {
    log.ClearStepLog();
    for (int col = 0; col < grid.Cols(); ++col)
        for (int row = 0; row < grid.Rows(); ++row)
            grid.SetCell(col, row, "0");
    return true;
}

bool L1Click(CellGrid& grid, Dialogs& dialogs) {
    return MultiplyCells(grid, AskFactor(dialogs));
}

ComplexFraction AskFactor(Dialogs& dialogs) {
    // An emptied factor box means 1, like a cancelled one.
    const std::string typed = dialogs.InputBox("Korvane", "何倍しますか？", "1");
    return CpxIsBlankText(typed) ? CpxOne() : CpxParse(typed);
}

bool MultiplyCells(CellGrid& grid, const ComplexFraction& factor) {
    // Every product is formed before any cell is written, so an error or a
    // stop on the way leaves the grid as it was. An empty cell counts as 0,
    // as the engine's loads read it; a square root stays one.
    const Surd surdFactor = SurdFromCpx(factor);
    std::vector<std::string> products;
    products.reserve(static_cast<std::size_t>(grid.Cols() * grid.Rows()));
    for (int col = 0; col < grid.Cols(); ++col) {
        for (int row = 0; row < grid.Rows(); ++row) {
            StopPoint();
            products.push_back(SurdText(SurdMul(CellSurd(grid.Cell(col, row)), surdFactor)));
        }
    }
    auto product = products.begin();
    for (int col = 0; col < grid.Cols(); ++col)
        for (int row = 0; row < grid.Rows(); ++row)
            grid.SetCell(col, row, std::move(*product++));
    return true;
}

bool N9Click(CellGrid& grid, StepLog& log) {
    if (RefuseUnlessSquare(grid, log, kNotSquareTriangular)) return false;
    for (int col = 0; col < grid.Cols(); ++col)
        for (int row = col + 1; row < grid.Rows(); ++row)
            grid.SetCell(col, row, "0");
    return true;
}

bool N10Click(CellGrid& grid, StepLog& log) {
    if (RefuseUnlessSquare(grid, log, kNotSquareTriangular)) return false;
    for (int col = 0; col < grid.Cols(); ++col)
        for (int row = 0; row < col; ++row)
            grid.SetCell(col, row, "0");
    return true;
}

bool N6Click(CellGrid& grid, StepLog& log) {
    if (RefuseUnlessSquare(grid, log, kNotSquareSymmetric)) return false;
    // Entry (row i, column j) above the diagonal goes to its mirror (row j, column i).
    const int n = grid.Cols();
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            grid.SetCell(i, j, grid.Cell(j, i));
    return true;
}

bool N7Click(CellGrid& grid, StepLog& log) {
    if (RefuseUnlessSquare(grid, log, kNotSquareSymmetric)) return false;
    // Entry (row i, column j) below the diagonal goes to its mirror (row j, column i).
    const int n = grid.Cols();
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < i; ++j)
            grid.SetCell(i, j, grid.Cell(j, i));
    return true;
}

std::string MouseReadout(int col, int row) {
    if (col < 0 || row < 0) return {};
    return std::to_string(row + 1) + "," + std::to_string(col + 1);
}

}  // namespace korvane
