#pragma once

#include <istream>
#include <string>

#include "core/CellGrid.h"

namespace korvane {

// Reads a matrix typed as text: one row per line, cells separated by spaces
// or tabs, blank lines skipped, CR LF accepted; 1 to 10 rows of the same
// number of cells, 1 to 10. The cells keep their texts verbatim in a fresh
// grid. Throws UsageError for anything else.
CellGrid ReadMatrixText(std::istream& in);

// Reads a matrix file into a fresh grid. Throws UsageError when the file
// cannot be opened for reading.
CellGrid ReadMatrixFromFile(const std::string& path);

}  // namespace korvane
