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
#include "main/LogShapes.h"
#include "main/TForm1.h"

namespace korvane {

void TForm1::Expansion1Click() {
    if (Computing()) return;
    std::optional<ExpansionChoice> choice;
    Run([this, &choice] { choice = AskExpansion(grid_, *dialogs_); });
    if (!choice) return;
    Compute([choice = *choice, style = logStyle_](CellGrid& grid, StepLog& log) {
        CofactorExpansionDeterminant(grid, log, choice, style);
        return false;
    });
}

void TForm1::Sarrus1Click() {
    Compute([](CellGrid& grid, StepLog& log) {
        SarrusDeterminant(grid, log);
        return false;
    });
}

void TForm1::IntegerDet1Click() {
    Compute([style = logStyle_](CellGrid& grid, StepLog& log) {
        IntegerDeterminant(grid, log, style);
        return false;
    });
}

void TForm1::Adjugate1Click() {
    Compute([](CellGrid& grid, StepLog& log) {
        Adjugate(grid, log);
        return false;
    });
}

void TForm1::Cramer1Click() {
    Compute(
        [](CellGrid& grid, StepLog& log) {
            CramersRule(grid, log);
            return false;
        },
        SolveShape(grid_, RightHandSides::kOne));
}

void TForm1::Lu1Click() {
    Compute([style = logStyle_](CellGrid& grid, StepLog& log) {
        LuDecomposition(grid, log, style);
        return false;
    });
}

void TForm1::Elementary1Click() {
    Compute([style = logStyle_](CellGrid& grid, StepLog& log) {
        ElementaryMatrices(grid, log, style);
        return false;
    });
}

}  // namespace korvane
