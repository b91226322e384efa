#include "main/LogShapes.h"

namespace korvane {

AugmentedShape InverseShape(const CellGrid& grid) {
    if (!grid.IsSquare()) return {};
    return {grid.Cols(), 2 * grid.Cols()};
}

AugmentedShape SolveShape(const CellGrid& grid, RightHandSides sides) {
    if (sides == RightHandSides::kSeveral) {
        if (grid.Cols() <= grid.Rows()) return {};
        return {grid.Rows(), grid.Cols()};
    }
    if (grid.Cols() < 2) return {};
    return {grid.Cols() - 1, grid.Cols()};
}

}  // namespace korvane
