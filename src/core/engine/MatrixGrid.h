#pragma once

#include "core/CellGrid.h"
#include "core/engine/MatrixShapes.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// Moving the matrix between the grid's texts and the WorkMatrix. A cell is
// read by CellValue (an empty cell is 0).

// The grid's shown rows and columns, same shape.
void LoadWorkMatrix(WorkMatrix& matrix, const CellGrid& grid);
// A square grid with the identity appended on the right (n rows, 2n columns).
void LoadAugmentedWorkMatrix(WorkMatrix& matrix, const CellGrid& grid);
// The transpose of the grid: its columns become rows.
void LoadTransposedWorkMatrix(WorkMatrix& matrix, const CellGrid& grid);

// Sets the grid's row count, then its column count, to the matrix's and
// writes every entry's canonical text; other cells keep their texts. The grid
// is only assigned once every text is ready.
void StoreWorkMatrix(const WorkMatrix& matrix, CellGrid& grid);

}  // namespace korvane
