#include "cli/MatrixInput.h"

#include <iterator>

#include "cli/CliArguments.h"
#include "cli/PastedInput.h"
#include "core/editing/MatrixFile.h"

namespace korvane {

CellGrid ReadMatrixText(std::istream& in) {
    const std::string text(std::istreambuf_iterator<char>(in), {});
    if (in.bad()) throw UsageError("cannot read standard input");
    return GridOfPastedText(text);
}

CellGrid ReadMatrixFromFile(const std::string& path) {
    // Opening in the window falls back to a default grid on any trouble,
    // which here would run the command on a matrix nobody gave; refuse instead.
    CellGrid grid;
    if (!TryReadMatrixFile(path, grid)) throw UsageError("cannot read matrix file '" + path + "'");
    return grid;
}

}  // namespace korvane
