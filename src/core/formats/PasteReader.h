#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/CellGrid.h"
#include "core/formats/PasteError.h"

namespace korvane {

// A block of cells read from a pasted text, 1 to 10 rows and columns.
struct PastedMatrix {
    PasteFormat format = PasteFormat::kBlankSeparated;
    int rows = 0;
    int cols = 0;
    // Row-major, rows × cols: the canonical text of each cell's value; a
    // cell in the parameter letter as written, blanks around it taken off.
    std::vector<std::string> texts;
    // Row-major: each cell as a user would have typed it into the grid. For
    // spreadsheet, CSV and blank-separated text that is the field itself
    // ("2/4"), where CpxParse reads it as the same value and it holds no
    // blank; else (1e5, 1+2j, an empty field, a cell in a syntax of its
    // own) the canonical text.
    std::vector<std::string> typed;

    const std::string& Text(int col, int row) const { return texts[row * cols + col]; }
    const std::string& Typed(int col, int row) const { return typed[row * cols + col]; }
};

// Reads a matrix from text as people copy it today, recognising its kind:
// - LaTeX (\begin{pmatrix} … \end{pmatrix}, bmatrix, matrix, array, or a
//   bare body) with & between cells and \\ (or \cr) between rows;
// - a Markdown pipe table;
// - Mathematica {{1, 2}, {3, 4}}, Python/JSON [[1, 2], [3, 4]] (also inside
//   Matrix(…) or np.array(…)), MATLAB/Octave [1 2; 3 4] and [1, 2; 3, 4];
// - SymPy's pretty print, the rows under Octave's "A =" and Julia's
//   "2×2 Matrix{Int64}:";
// - tab-separated rows from a spreadsheet (an empty cell is 0), CSV with
//   commas or semicolons (quoted fields too), rows of blank-separated cells.
// Every cell must be a number: typed fields as ReadStrictNumber reads them,
// cells in a syntax as ReadCellExpression does, a cell written with a
// square root as ReadSurd reads it (a TeX cell through TexRootText, a
// program's through ProgramRootText: Sqrt[5], I*sqrt(3), 1j*sqrt(3)), one
// root per matrix; or a rational expression in one parameter letter, as
// ReadParameterExpression reads it (1-a, 2a/3, a**2), the same letter in
// every cell. Throws PasteError for an empty or unreadable text, a ragged
// row, a block beyond 10 × 10, a cell that is no number (or divides by 0, or
// has too large an exponent), a control character in a cell (tab aside; line
// breaks too inside a syntax), a root that does not read or is a second one,
// text beside the matrix that would change it, a second matrix and cells in
// two different letters.
// Nothing is guessed: the whole text is read or refused.
PastedMatrix ReadPastedMatrix(std::string_view text);

// A fresh grid of the block's size holding its cells as typed, as a
// command reads a matrix given as text.
CellGrid GridOfTypedCells(const PastedMatrix& matrix);

// What the kind of text is called, for a message: "LaTeX の行列".
std::string PasteFormatName(PasteFormat format);

}  // namespace korvane
