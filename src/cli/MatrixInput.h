#pragma once

#include <istream>
#include <string>

#include "core/CellGrid.h"

namespace korvane {

// Reads all of in as a matrix in any form GridOfPastedText takes: rows of
// cells separated by spaces or tabs (blank lines skipped, CR LF and a bare
// CR ending a line, the cells kept as typed), a spreadsheet's cells, CSV,
// MATLAB, Python, Mathematica, LaTeX or a Markdown table; 1 to 10 rows and
// columns, in a fresh grid. Throws UsageError for anything else.
CellGrid ReadMatrixText(std::istream& in);

// Reads a matrix file into a fresh grid. Throws UsageError when the file
// cannot be opened for reading.
CellGrid ReadMatrixFromFile(const std::string& path);

}  // namespace korvane
