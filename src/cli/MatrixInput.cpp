#include "cli/MatrixInput.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
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
    std::size_t pos = 0;
    while (true) {
        while (pos < line.size() && IsSeparator(line[pos]))
            ++pos;
        if (pos == line.size()) return cells;
        const std::size_t end = std::min(line.size(), line.find_first_of(" \t", pos));
        cells.emplace_back(line.substr(pos, end - pos));
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
        const std::size_t end = std::min(text.size(), text.find_first_of("\r\n"));
        lines.push_back(text.substr(0, end));
        const bool crLf = text.substr(end).starts_with("\r\n");
        text.remove_prefix(std::min(text.size(), end + (crLf ? 2 : 1)));
    }
    return lines;
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
    const std::string text(std::istreambuf_iterator<char>(in), {});
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
