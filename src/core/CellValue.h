#pragma once

#include <string_view>

#include "mklibs/Surd.h"
#include "mklibs/mklibs.h"

namespace korvane {

// An empty cell, or one holding only blanks, stands for 0 wherever a cell is
// read: in computations, in the input aids and in the vectors a result shows.
bool IsEmptyCell(std::string_view text);
// Whether the text writes a square root (√ or sqrt), which CpxParse does not
// read: such a cell is read by ReadSurd.
bool WrittenWithRoot(std::string_view text);
// The number a cell's text stands for: 0 for an empty cell, a root that
// comes out rational (√4, sqrt(9/4)) as that number, else CpxParse.
// Throws ParameterNotTaken for a text in a parameter letter ("1-a"): every
// computation on numbers reads the grid here, and refuses it so.
ComplexFraction CellValue(std::string_view text);
// The cell's value as a surd: what ReadSurd reads of a text written with a
// root, else CellValue.
Surd CellSurd(std::string_view text);

}  // namespace korvane
