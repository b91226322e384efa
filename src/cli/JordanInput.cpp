#include "cli/JordanInput.h"

#include "cli/MatrixInput.h"
#include "core/engine/MatrixGrid.h"

namespace korvane {

ExactVector ReadInitialValue(const std::string& path, std::istream& in) {
    const CellGrid grid = path == "-" ? ReadMatrixText(in) : ReadMatrixFromFile(path);
    if (grid.Rows() != 1 && grid.Cols() != 1)
        throw UsageError("--x0 takes one row or one column, not " + std::to_string(grid.Rows()) +
                         " x " + std::to_string(grid.Cols()));
    WorkMatrix matrix;
    LoadWorkMatrix(matrix, grid);
    ExactVector x;
    for (int r = 0; r <= matrix.LastRow(); ++r) {
        for (int c = 0; c <= matrix.LastCol(); ++c)
            x.push_back(matrix.At(c, r));
    }
    return x;
}

Recurrence ReadRecurrenceArgument(const CliOptions& options) {
    try {
        return ReadRecurrence(options.recurrence);
    } catch (const RecurrenceError& e) {
        throw UsageError(e.what());
    }
}

}  // namespace korvane
