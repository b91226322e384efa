// Inner products and orthogonality in the window: each runs in the worker
// like the other computations and leaves the grid as it is.
#include <QAction>

#include "core/orthogonality/GramSchmidt.h"
#include "core/orthogonality/InnerProducts.h"
#include "core/orthogonality/OrthogonalDiagonalization.h"
#include "core/orthogonality/Projection.h"
#include "core/orthogonality/QrDecomposition.h"
#include "core/orthogonality/QuadraticForm.h"
#include "main/LeavingGrid.h"
#include "main/LogShapes.h"
#include "main/TForm1.h"

namespace korvane {

void TForm1::Inner1Click() {
    const VectorLines lines = rowVectors_ ? VectorLines::kRows : VectorLines::kColumns;
    Compute(LeavingGrid([lines](const CellGrid& grid, StepLog& log) {
        return InnerProducts(grid, log, lines);
    }));
}

void TForm1::Norm1Click() {
    const VectorLines lines = rowVectors_ ? VectorLines::kRows : VectorLines::kColumns;
    Compute(LeavingGrid(
        [lines](const CellGrid& grid, StepLog& log) { return Norms(grid, log, lines); }));
}

void TForm1::RowVectors1Click() {
    const auto* option = findChild<QAction*>(QStringLiteral("RowVectors1"));
    rowVectors_ = option->isChecked();
}

void TForm1::GramSchmidt1Click() {
    Compute(LeavingGrid(GramSchmidt));
}

void TForm1::Qr1Click() {
    Compute(LeavingGrid(QrDecomposition));
}

void TForm1::Projection1Click() {
    Compute(LeavingGrid([style = logStyle_](const CellGrid& grid, StepLog& log) {
                return Projection(grid, log, style);
            }),
            SolveShape(grid_, RightHandSides::kOne));
}

void TForm1::Complement1Click() {
    Compute(LeavingGrid([style = logStyle_](const CellGrid& grid, StepLog& log) {
        return OrthogonalComplement(grid, log, style);
    }));
}

void TForm1::LeastSquares1Click() {
    Compute(LeavingGrid([style = logStyle_](const CellGrid& grid, StepLog& log) {
                return LeastSquares(grid, log, style);
            }),
            SolveShape(grid_, RightHandSides::kOne));
}

void TForm1::OrthogonalDiagonalize1Click() {
    Compute(LeavingGrid([style = logStyle_](const CellGrid& grid, StepLog& log) {
        return OrthogonalDiagonalization(grid, log, style);
    }));
}

void TForm1::QuadraticForm1Click() {
    Compute(LeavingGrid([](const CellGrid& grid, StepLog& log) { return QuadraticForm(grid, log); }));
}

}  // namespace korvane
