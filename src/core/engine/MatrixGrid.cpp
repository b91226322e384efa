#include "core/engine/MatrixGrid.h"

#include <utility>

#include "core/CellValue.h"

namespace korvane {

namespace {

ComplexFraction ReadCell(const CellGrid& grid, int col, int row) {
    return CellValue(grid.Cell(col, row));
}

}  // namespace

void LoadWorkMatrix(WorkMatrix& matrix, const CellGrid& grid) {
    matrix.Resize(grid.Cols(), grid.Rows());
    for (int c = 0; c < grid.Cols(); ++c) {
        for (int r = 0; r < grid.Rows(); ++r)
            matrix.Set(c, r, ReadCell(grid, c, r));
    }
}

void LoadAugmentedWorkMatrix(WorkMatrix& matrix, const CellGrid& grid) {
    const int n = grid.Cols();
    matrix.Resize(2 * n, grid.Rows());
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < grid.Rows(); ++r)
            matrix.Set(c, r, ReadCell(grid, c, r));
    }
    // Resize left every entry zero: only the diagonal of the right half is set.
    for (int i = 0; i < n && i < grid.Rows(); ++i)
        matrix.Set(n + i, i, CpxOne());
}

void LoadTransposedWorkMatrix(WorkMatrix& matrix, const CellGrid& grid) {
    matrix.Resize(grid.Rows(), grid.Cols());
    for (int c = 0; c < grid.Cols(); ++c) {
        for (int r = 0; r < grid.Rows(); ++r)
            matrix.Set(r, c, ReadCell(grid, c, r));
    }
}

void StoreWorkMatrix(const WorkMatrix& matrix, CellGrid& grid) {
    CellGrid result = grid;
    result.SetRows(matrix.LastRow() + 1);
    result.SetCols(matrix.LastCol() + 1);
    for (int c = 0; c <= matrix.LastCol(); ++c) {
        for (int r = 0; r <= matrix.LastRow(); ++r)
            result.SetCell(c, r, matrix.Text(c, r));
    }
    grid = std::move(result);
}

}  // namespace korvane
