// The textbook's other ways in the window: each runs in the worker like the
// other computations and leaves the grid as it is.
#include "core/methods/Adjugate.h"
#include "core/methods/CofactorExpansion.h"
#include "core/methods/CramersRule.h"
#include "core/methods/ElementaryMatrices.h"
#include "core/methods/ExpansionQuestion.h"
#include "core/methods/IntegerDeterminant.h"
#include "core/methods/LuDecomposition.h"
#include "core/methods/Sarrus.h"
#include "main/LeavingGrid.h"
#include "main/LogShapes.h"
#include "main/TForm1.h"

namespace korvane {

void TForm1::Expansion1Click() {
    if (Computing()) return;
    std::optional<ExpansionChoice> choice;
    Run([this, &choice] { choice = AskExpansion(grid_, *dialogs_); });
    if (!choice) return;
    Compute(LeavingGrid([choice = *choice, style = logStyle_](const CellGrid& grid, StepLog& log) {
        return CofactorExpansionDeterminant(grid, log, choice, style);
    }));
}

void TForm1::Sarrus1Click() {
    Compute(LeavingGrid(SarrusDeterminant));
}

void TForm1::IntegerDet1Click() {
    Compute(LeavingGrid([style = logStyle_](const CellGrid& grid, StepLog& log) {
        return IntegerDeterminant(grid, log, style);
    }));
}

void TForm1::Adjugate1Click() {
    Compute(LeavingGrid(Adjugate));
}

void TForm1::Cramer1Click() {
    Compute(LeavingGrid(CramersRule), SolveShape(grid_, RightHandSides::kOne));
}

void TForm1::Lu1Click() {
    Compute(LeavingGrid([style = logStyle_](const CellGrid& grid, StepLog& log) {
        return LuDecomposition(grid, log, style);
    }));
}

void TForm1::Elementary1Click() {
    Compute(LeavingGrid([style = logStyle_](const CellGrid& grid, StepLog& log) {
        return ElementaryMatrices(grid, log, style);
    }));
}

}  // namespace korvane
