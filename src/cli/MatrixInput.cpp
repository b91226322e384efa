#include "cli/MatrixInput.h"

#include "cli/CliArguments.h"
#include "cli/InputFile.h"
#include "cli/PastedInput.h"
#include "core/ParameterCell.h"
#include "core/editing/FileAccess.h"
#include "core/editing/MatrixFile.h"

namespace korvane {

CellGrid ReadMatrixText(std::istream& in) {
    return GridOfPastedText(ReadStandardInput(in));
}

CellGrid ReadMatrixFromFile(const std::string& path) {
    const std::string bytes = ReadInputFile(path);
    // Stored matrix files keep their lenient reading: keys missing or beyond
    // the size are as the window opens them.
    if (HoldsMatrixFile(bytes)) return GridFromBytes(bytes);
    if (bytes.find_first_not_of(" \t\r\n") == std::string::npos)
        throw UsageError("'" + path + "' holds no matrix");
    try {
        return GridOfPastedText(bytes);
    } catch (const UsageError& e) {
        throw UsageError("'" + path + "': " + e.what());
    }
}

void RefuseUntakenParameter(CliCommand command, const CellGrid& grid) {
    if (CommandTakesParameter(command)) return;
    for (int r = 0; r < grid.Rows(); ++r) {
        for (int c = 0; c < grid.Cols(); ++c) {
            const char letter = CellParameterLetter(grid.Cell(c, r));
            if (letter == '\0') continue;
            std::string message = "row " + std::to_string(r + 1) + ", column " + std::to_string(c + 1);
            message += ": '";
            message += grid.Cell(c, r);
            message += "' is in the parameter letter ";
            message += letter;
            message += ", which ";
            message += CommandName(command);
            message += " does not take (det, rank, solve, inverse, kernel, image and eigenvalues do)";
            throw UsageError(message);
        }
    }
}

std::optional<std::string> OutputFileProblem(const std::string& path) {
    if (!PathExists(path)) return {};
    int error = 0;
    const std::optional<FileHead> head = ReadRegularFile(path, kMaxMatrixFileBytes, &error);
    // Writing keeps the file's other keys, so all of it must be read first.
    if (!head) return "cannot write '" + path + "'" + ReasonText(error);
    if (head->truncated || (!head->bytes.empty() && !HoldsMatrixFile(head->bytes)))
        return "'" + path + "' is not a matrix file; not overwritten";
    return {};
}

}  // namespace korvane
