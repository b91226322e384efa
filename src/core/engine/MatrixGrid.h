#pragma once

#include <string_view>
#include <utility>

#include "core/CellGrid.h"
#include "core/engine/ComplexRationals.h"
#include "core/engine/MatrixShapes.h"
#include "core/engine/SurdNumbers.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// Moving the matrix between the grid's texts and the work matrix of a field.

// A cell's number in the field F (an empty cell is 0).
template <EngineField F>
struct CellReader;
// CellValue; throws Error (kRootsRefused) for a cell that needs a root.
template <>
struct CellReader<ComplexRationals> {
    static ComplexFraction Read(std::string_view text);
};
// CellSurd.
template <>
struct CellReader<SurdNumbers> {
    static Surd Read(std::string_view text);
};

// The grid's shown rows and columns, same shape.
template <EngineField F>
void LoadWorkMatrix(BasicWorkMatrix<F>& matrix, const CellGrid& grid) {
    matrix.Resize(grid.Cols(), grid.Rows());
    for (int c = 0; c < grid.Cols(); ++c) {
        for (int r = 0; r < grid.Rows(); ++r)
            matrix.Set(c, r, CellReader<F>::Read(grid.Cell(c, r)));
    }
}

// A square grid with the identity appended on the right (n rows, 2n columns).
template <EngineField F>
void LoadAugmentedWorkMatrix(BasicWorkMatrix<F>& matrix, const CellGrid& grid) {
    const int n = grid.Cols();
    matrix.Resize(2 * n, grid.Rows());
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < grid.Rows(); ++r)
            matrix.Set(c, r, CellReader<F>::Read(grid.Cell(c, r)));
    }
    // Resize left every entry zero: only the diagonal of the right half is set.
    for (int i = 0; i < n && i < grid.Rows(); ++i)
        matrix.Set(n + i, i, F::One());
}

// The transpose of the grid: its columns become rows.
template <EngineField F>
void LoadTransposedWorkMatrix(BasicWorkMatrix<F>& matrix, const CellGrid& grid) {
    matrix.Resize(grid.Rows(), grid.Cols());
    for (int c = 0; c < grid.Cols(); ++c) {
        for (int r = 0; r < grid.Rows(); ++r)
            matrix.Set(r, c, CellReader<F>::Read(grid.Cell(c, r)));
    }
}

// Sets the grid's row count, then its column count, to the matrix's and
// writes every entry's canonical text; other cells keep their texts. The grid
// is only assigned once every text is ready.
template <EngineField F>
void StoreWorkMatrix(const BasicWorkMatrix<F>& matrix, CellGrid& grid) {
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
