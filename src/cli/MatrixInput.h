#pragma once

#include <istream>
#include <optional>
#include <string>

#include "cli/CliArguments.h"
#include "core/CellGrid.h"

namespace korvane {

// Reads all of in as a matrix in any form GridOfPastedText takes: rows of
// cells separated by spaces or tabs (blank lines skipped, LF, CR LF or a
// bare CR ending a line, the cells kept as typed), a spreadsheet's cells,
// CSV, MATLAB, Python, Mathematica, LaTeX or a Markdown table; 1 to 10 rows
// and columns, in a fresh grid; at most 16 MiB. Throws UsageError for
// anything else, a control byte in a cell included (naming its row and
// column).
CellGrid ReadMatrixText(std::istream& in);

// Reads the matrix in the file named on the command line into a fresh grid:
// a matrix file (a [size] or [matrix] section) as the window opens it, any
// other text as ReadMatrixText reads standard input. Throws UsageError naming
// the file when it cannot be read (with the reason), is no regular file, is
// larger than 16 MiB, or holds no matrix (naming the bad cell's place).
CellGrid ReadMatrixFromFile(const std::string& path);

// Refuses a grid with a cell in a parameter letter for a command that
// takes numbers only: throws UsageError naming the cell's place, its text,
// the letter and the commands that take one.
void RefuseUntakenParameter(CliCommand command, const CellGrid& grid);

// Why writing a matrix file at path must not happen, or nothing: something
// that cannot be read whole (a folder, a pipe, an unreadable file), and a
// file with content but no matrix file's sections, were never meant to be
// overwritten.
std::optional<std::string> OutputFileProblem(const std::string& path);

}  // namespace korvane
