#pragma once

#include <string_view>

#include "core/CellGrid.h"

namespace korvane {

// The matrix in a text as korvane-cli takes it on standard input: any kind
// the window's paste reads (rows of blank- or tab-separated cells, CSV,
// MATLAB, Python, Mathematica, LaTeX, a Markdown table), 1 to 10 rows and
// columns. The cells keep their fields as typed where the text has fields,
// so that "2/4" stays "2/4", and are canonical where it has a syntax of its
// own. Throws UsageError with a one-line explanation.
CellGrid GridOfPastedText(std::string_view text);

}  // namespace korvane
