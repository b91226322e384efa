#pragma once

#include <string>

#include "core/CellGrid.h"

namespace korvane {

// The forms in which the shown matrix can leave Korvane. Each reads back
// through ReadPastedMatrix as the same values.
enum class CopyFormat {
    kTabSeparated,  // the cell texts as they stand, for a spreadsheet
    kLatex,         // \begin{pmatrix} … \end{pmatrix}, \frac, a+bi
    kMatlab,        // [1, 1/2; 3i/4, 1i]
    kPython,        // Matrix([[1, Rational(1, 2)], …]) for SymPy
    kMathematica,   // {{1, 1/2}, {(3*I)/4, I}}
    kMarkdown,      // a pipe table, each entry as inline math
};

// A rectangle of cells, (col, row) from 0, cols × rows of them.
struct CellRect {
    int col = 0;
    int row = 0;
    int cols = 1;
    int rows = 1;
};

// The cells' texts as they stand, tab-separated, one line per row (each
// ending in a line break), so they land in a spreadsheet cell for cell; a
// text holding a tab, a line break or a quote is quoted as spreadsheets do.
// A blank inside a cell would split it when pasted back as one column, so
// such a cell goes out without it: a cell in a parameter letter in
// ParameterCopyText's text, a number in its canonical text.
std::string CopyCells(const CellGrid& grid, const CellRect& cells);

// The shown matrix in the form, from its values (an empty cell is 0).
// kTabSeparated gives CopyCells of the whole shown matrix.
std::string CopyMatrix(const CellGrid& grid, CopyFormat form);

}  // namespace korvane
