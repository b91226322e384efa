#pragma once

#include "core/CellGrid.h"
#include "core/engine/RationalFunctions.h"
#include "core/engine/WorkMatrix.h"
#include "mklibs/Polynomial.h"

namespace korvane {

// A grid read as a matrix over Q(i)(letter): its entries, the letter, and
// where a typed entry means nothing, monic and squarefree (1 when every
// entry is defined for every value).
struct ParameterMatrix {
    BasicWorkMatrix<RationalFunctions> matrix;
    char letter = '\0';
    Polynomial undefinedAt = Polynomial::Constant(CpxOne());
};

// The letter of the first shown cell that reads as an expression in a
// parameter letter; '\0' when no cell does, so that a grid of numbers keeps
// the number commands' own reading.
char GridParameterLetter(const CellGrid& grid);

// Reads every shown cell strictly as an expression in the grid's one
// letter (an empty cell is 0). Throws Error naming the cell's row and column
// for a text that cannot be read, and ParameterLetterClash's message for a
// second letter.
ParameterMatrix LoadParameterMatrix(const CellGrid& grid);

}  // namespace korvane
