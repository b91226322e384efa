#include "core/formats/CopyFormats.h"

#include <optional>
#include <vector>

#include "core/CellValue.h"
#include "core/ParameterCell.h"
#include "core/formats/NumberForms.h"
#include "core/formats/ParameterCopyText.h"
#include "core/formats/StrictNumber.h"
#include "mklibs/SurdReading.h"
#include "mklibs/mklibs.h"

namespace korvane {

namespace {

bool IsParameterCell(const std::string& text) {
    return CellParameterLetter(text) != '\0' && !WrittenWithRoot(text);
}

// Each shown entry's canonical text, row by row; an entry in a parameter
// letter in its copy text, never read as some number.
std::vector<std::vector<std::string>> CanonicalRows(const CellGrid& grid) {
    std::vector<std::vector<std::string>> rows(grid.Rows());
    for (int r = 0; r < grid.Rows(); ++r) {
        for (int c = 0; c < grid.Cols(); ++c) {
            const std::string& text = grid.Cell(c, r);
            rows[r].push_back(IsParameterCell(text) ? ParameterCopyText(text)
                                                    : SurdText(CellSurd(text)));
        }
    }
    return rows;
}

// The writing of one form: around the whole, around each row, between
// cells and rows, and how an entry is written.
struct Layout {
    std::string open, rowOpen, cellGap, rowClose, rowGap, close;
    NumberForm number;
};

Layout LayoutOf(CopyFormat form) {
    switch (form) {
        case CopyFormat::kLatex:
            return {"\\begin{pmatrix}\n", "", " & ", "", " \\\\\n", "\n\\end{pmatrix}\n",
                    NumberForm::kLatex};
        case CopyFormat::kMatlab:
            return {"[", "", ", ", "", "; ", "]\n", NumberForm::kMatlab};
        case CopyFormat::kPython:
            return {"Matrix([", "[", ", ", "]", ", ", "])\n", NumberForm::kPython};
        case CopyFormat::kMathematica:
            return {"{", "{", ", ", "}", ", ", "}\n", NumberForm::kMathematica};
        case CopyFormat::kMarkdown:
        case CopyFormat::kTabSeparated:
            break;
    }
    return {};
}

// A pipe table with an empty header, since a matrix has no column names;
// Markdown wants one.
std::string MarkdownTable(const std::vector<std::vector<std::string>>& rows) {
    const std::size_t cols = rows.front().size();
    std::string header = "|", rule = "|";
    for (std::size_t c = 0; c < cols; ++c) {
        header += "   |";
        rule += " --- |";
    }
    std::string text = header + "\n" + rule + "\n";
    for (const auto& row : rows) {
        text += "|";
        for (const std::string& entry : row)
            text += " $" + WriteNumberText(entry, NumberForm::kLatex) + "$ |";
        text += "\n";
    }
    return text;
}

// What a cell holding a blank inside strictly reads as, when the grid
// reads it as the same value; nothing for a text that reads otherwise.
std::optional<std::string> StrictCanonicalText(const std::string& cell) {
    std::optional<Surd> value;
    if (const NumberReading number = ReadStrictNumber(cell); number.value) {
        value = SurdFromCpx(*number.value);
    } else if (WrittenWithRoot(cell)) {
        value = ReadSurd(cell).value;
    }
    if (!value) return std::nullopt;
    std::string text = SurdText(*value);
    if (text != SurdText(CellSurd(cell))) return std::nullopt;
    return text;
}

// A cell's text in a copy of cells: as it stands, but with no blank inside,
// which a paste of one column would take for a gap between cells: a cell in
// a parameter letter in its copy text, a number in its canonical text
// ("1 +2i" as 1+2i). A text that reads as neither goes out as it stands.
std::string CellCopyText(const std::string& cell) {
    if (IsParameterCell(cell)) return ParameterCopyText(cell);
    const std::size_t first = cell.find_first_not_of(" \t");
    const std::size_t last = cell.find_last_not_of(" \t");
    if (first == std::string::npos || cell.find_first_of(" \t", first) > last) return cell;
    return StrictCanonicalText(cell).value_or(cell);
}

std::string SpreadsheetField(const std::string& text) {
    if (text.find_first_of("\t\n\r\"") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

std::string CopyCells(const CellGrid& grid, const CellRect& cells) {
    std::string text;
    for (int r = cells.row; r < cells.row + cells.rows; ++r) {
        for (int c = cells.col; c < cells.col + cells.cols; ++c) {
            if (c > cells.col) text += '\t';
            text += SpreadsheetField(CellCopyText(grid.Cell(c, r)));
        }
        text += '\n';
    }
    return text;
}

std::string CopyMatrix(const CellGrid& grid, CopyFormat form) {
    if (form == CopyFormat::kTabSeparated) return CopyCells(grid, {0, 0, grid.Cols(), grid.Rows()});
    const std::vector<std::vector<std::string>> rows = CanonicalRows(grid);
    if (form == CopyFormat::kMarkdown) return MarkdownTable(rows);
    const Layout layout = LayoutOf(form);
    std::string text = layout.open;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0) text += layout.rowGap;
        text += layout.rowOpen;
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (c > 0) text += layout.cellGap;
            text += WriteNumberText(rows[r][c], layout.number);
        }
        text += layout.rowClose;
    }
    return text + layout.close;
}

}  // namespace korvane
