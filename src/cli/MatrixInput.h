#pragma once

#include <istream>
#include <optional>
#include <string>

#include "core/CellGrid.h"

namespace korvane {

// Reads all of in as a matrix in any form GridOfPastedText takes: rows of
// cells separated by spaces or tabs (blank lines skipped, LF, CR LF or a
// bare CR ending a line, the cells kept as typed), a spreadsheet's cells,
// CSV, MATLAB, Python, Mathematica, LaTeX or a Markdown table; 1 to 10 rows
// and columns, in a fresh grid. Throws UsageError for anything else, a
// control byte in a cell included (naming its row and column).
CellGrid ReadMatrixText(std::istream& in);

// Reads a matrix file into a fresh grid. Throws UsageError naming the file
// when it cannot be read, is larger than 16 MiB, or is no matrix file (no
// [size] or [matrix] section: a text, a binary, an empty file).
CellGrid ReadMatrixFromFile(const std::string& path);

// Why writing a matrix file at path must not happen, or nothing: a file that
// stands there with content but no matrix file's sections was never meant to
// be overwritten.
std::optional<std::string> OutputFileProblem(const std::string& path);

}  // namespace korvane
