#include "cli/MatrixInput.h"

#include <vector>

#include "cli/CliArguments.h"
#include "cli/PastedInput.h"
#include "core/editing/MatrixFile.h"

namespace korvane {

namespace {

// All of in, read in large pieces.
std::string ReadAll(std::istream& in) {
    std::string text;
    std::vector<char> piece(1 << 16);
    while (in.read(piece.data(), static_cast<std::streamsize>(piece.size())) || in.gcount() > 0)
        text.append(piece.data(), static_cast<std::size_t>(in.gcount()));
    return text;
}

std::string MatrixFileProblem(const std::string& path, MatrixFileStatus status) {
    switch (status) {
        case MatrixFileStatus::kNoFile:
            return "cannot read matrix file '" + path + "'";
        case MatrixFileStatus::kTooLarge:
            return "'" + path + "' is not a matrix file (larger than 16 MiB)";
        case MatrixFileStatus::kEmpty:
            return "'" + path + "' is not a matrix file (it is empty)";
        case MatrixFileStatus::kNotAMatrixFile:
        case MatrixFileStatus::kRead:
            break;
    }
    return "'" + path + "' is not a matrix file (no [size] or [matrix] section)";
}

}  // namespace

CellGrid ReadMatrixText(std::istream& in) {
    const std::string text = ReadAll(in);
    if (in.bad()) throw UsageError("cannot read standard input");
    return GridOfPastedText(text);
}

CellGrid ReadMatrixFromFile(const std::string& path) {
    // Opening in the window falls back to a default grid on any trouble,
    // which here would run the command on a matrix nobody gave; refuse instead.
    CellGrid grid;
    const MatrixFileStatus status = LoadMatrixFile(path, grid);
    if (status != MatrixFileStatus::kRead) throw UsageError(MatrixFileProblem(path, status));
    return grid;
}

std::optional<std::string> OutputFileProblem(const std::string& path) {
    CellGrid unused;
    const MatrixFileStatus status = LoadMatrixFile(path, unused);
    if (status != MatrixFileStatus::kNotAMatrixFile) return {};
    return "'" + path + "' is not a matrix file; not overwritten";
}

}  // namespace korvane
