#include "cli/MatrixInput.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "cli/CliArguments.h"
#include "core/editing/MatrixFile.h"

namespace korvane {

namespace {

using Row = std::vector<std::string>;

bool IsSeparator(char c) {
    return c == ' ' || c == '\t';
}

Row SplitCells(std::string_view line) {
    Row cells;
    auto pos = line.begin();
    while (true) {
        pos = std::find_if_not(pos, line.end(), IsSeparator);
        if (pos == line.end()) return cells;
        const auto end = std::find_if(pos, line.end(), IsSeparator);
        cells.emplace_back(pos, end);
        pos = end;
    }
}

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t') || byte == 0x7F;
}

// A control byte in a cell would be computed with as typed but written to a
// matrix file as a line break, or not at all; it is refused.
void CheckCells(const Row& row, std::size_t rowNumber) {
    for (std::size_t col = 0; col < row.size(); ++col) {
        const auto control = std::find_if(row[col].begin(), row[col].end(), IsControl);
        if (control == row[col].end()) continue;
        char code[8];
        std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned char>(*control));
        throw UsageError("row " + std::to_string(rowNumber) + ", column " +
                         std::to_string(col + 1) + ": control character " + code + " in the cell");
    }
}

void CheckRow(const Row& row, const std::vector<Row>& rows) {
    const std::string number = std::to_string(rows.size() + 1);
    if (rows.size() == CellGrid::kMaxSize)
        throw UsageError("more than " + std::to_string(CellGrid::kMaxSize) + " rows");
    if (row.size() > CellGrid::kMaxSize)
        throw UsageError("row " + number + " has more than " + std::to_string(CellGrid::kMaxSize) +
                         " cells");
    if (!rows.empty() && row.size() != rows.front().size())
        throw UsageError("row " + number + " has " + std::to_string(row.size()) +
                         " cells, row 1 has " + std::to_string(rows.front().size()));
    CheckCells(row, rows.size() + 1);
}

// The lines of text: LF, CR LF and a bare CR each end one.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end =
            std::find_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; });
        const std::size_t length = static_cast<std::size_t>(end - text.begin());
        lines.push_back(text.substr(0, length));
        const bool crLf = text.substr(length).starts_with("\r\n");
        text.remove_prefix(std::min(text.size(), length + (crLf ? 2 : 1)));
    }
    return lines;
}

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
    std::vector<Row> rows;
    for (const std::string_view line : Lines(text)) {
        Row row = SplitCells(line);
        if (row.empty()) continue;
        CheckRow(row, rows);
        rows.push_back(std::move(row));
    }
    if (rows.empty()) throw UsageError("no matrix rows on standard input");

    CellGrid grid;
    grid.SetRows(static_cast<int>(rows.size()));
    grid.SetCols(static_cast<int>(rows.front().size()));
    for (int r = 0; r < grid.Rows(); ++r) {
        for (int c = 0; c < grid.Cols(); ++c)
            grid.SetCell(c, r, std::move(rows[r][c]));
    }
    return grid;
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
