#include "cli/MatrixInput.h"

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
}

}  // namespace

CellGrid ReadMatrixText(std::istream& in) {
    std::vector<Row> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        Row row = SplitCells(line);
        if (row.empty()) continue;
        CheckRow(row, rows);
        rows.push_back(std::move(row));
    }
    if (in.bad()) throw UsageError("cannot read standard input");
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
    if (!TryReadMatrixFile(path, grid)) throw UsageError("cannot read matrix file '" + path + "'");
    return grid;
}

}  // namespace korvane
