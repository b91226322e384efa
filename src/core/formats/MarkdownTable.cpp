// Markdown pipe tables, such as Korvane's own copy writes.
#include <string>

#include "core/formats/CellExpression.h"
#include "core/formats/PasteTable.h"

namespace korvane {

namespace {

// The cells of "| a | b |" (the outer bars optional at the end), each
// without its blanks and without the $…$ or `…` around it.
std::vector<std::string> PipeCells(std::string_view line) {
    line = TrimBlanks(line);
    line.remove_prefix(1);  // the leading bar
    std::vector<std::string> cells;
    std::string cell;
    for (std::size_t pos = 0; pos <= line.size(); ++pos) {
        if (pos < line.size() && line[pos] == '\\' && pos + 1 < line.size() &&
            line[pos + 1] == '|') {
            cell += '|';
            ++pos;
        } else if (pos < line.size() && line[pos] != '|') {
            cell += line[pos];
        } else {
            std::string_view text = TrimBlanks(cell);
            for (const std::string_view mark : {"$$", "$", "`"}) {
                if (text.size() >= 2 * mark.size() && text.starts_with(mark) &&
                    text.ends_with(mark)) {
                    text = TrimBlanks(text.substr(mark.size(), text.size() - 2 * mark.size()));
                    break;
                }
            }
            cells.emplace_back(text);
            cell.clear();
        }
    }
    if (!cells.empty() && cells.back().empty() && TrimBlanks(line).ends_with('|')) cells.pop_back();
    return cells;
}

bool IsDelimiterRow(const std::vector<std::string>& cells) {
    for (const std::string& cell : cells) {
        const std::size_t dashes = cell.find_first_not_of(':');
        const std::size_t colons = cell.find_last_not_of(':');
        if (dashes == std::string::npos ||
            cell.substr(dashes, colons - dashes + 1).find_first_not_of('-') != std::string::npos)
            return false;
    }
    return !cells.empty();
}

// A header that holds a number is the matrix's first row (then every cell
// of it must be one); a header of column names or of nothing is no row.
bool HeaderIsRow(const std::vector<std::string>& header) {
    for (const std::string& cell : header) {
        if (!cell.empty() && ReadCellExpression(cell, ExpressionSyntax::kTex).value) return true;
    }
    return false;
}

void AddRow(const std::vector<std::string>& cells, TableBuilder& table) {
    for (const std::string& cell : cells)
        table.Cell(cell, CellSyntax::kTex);
    table.EndRow();
}

}  // namespace

RawTable SplitMarkdownTable(std::string_view text) {
    TableBuilder table(PasteFormat::kMarkdownTable);
    int line = 0;
    std::vector<std::string> header;
    ForEachLine(text, [&](std::string_view row) {
        if (TrimBlanks(row).empty()) return;
        if (!TrimBlanks(row).starts_with('|')) ThrowUnreadable();
        const std::vector<std::string> cells = PipeCells(row);
        ++line;
        if (line == 1) {
            header = cells;
        } else if (line == 2 && IsDelimiterRow(cells)) {
            if (HeaderIsRow(header)) AddRow(header, table);
            header.clear();
        } else if (IsDelimiterRow(cells)) {
            throw PasteError::Of(PasteError::Kind::kTwoMatrices);  // a second table's
        } else {
            if (line == 2) AddRow(header, table);
            AddRow(cells, table);
        }
    });
    if (line == 1) AddRow(header, table);
    return table.Finish();
}

}  // namespace korvane
