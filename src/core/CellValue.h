#pragma once

#include <string_view>

#include "mklibs/mklibs.h"

namespace korvane {

// An empty cell, or one holding only blanks, stands for 0 wherever a cell is
// read: in computations, in the input aids and in the vectors a result shows.
bool IsEmptyCell(std::string_view text);
// The number a cell's text stands for: 0 for an empty cell, else CpxParse.
// Throws ParameterNotTaken for a text in a parameter letter ("1-a"): every
// computation on numbers reads the grid here, and refuses it so.
ComplexFraction CellValue(std::string_view text);

}  // namespace korvane
