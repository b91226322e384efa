#pragma once

// About how wide TeX sets the log's mathematics, in points, so that a wide
// matrix can be split into column blocks before TeX sees it. The figures are
// Computer Modern's at 10 pt with scripts at 8 pt, rounded up: a block made
// to fit by them fits.
#include <string>
#include <vector>

#include "core/engine/RowOperation.h"
#include "core/formats/LogReading.h"
#include "core/formats/MatrixBlocks.h"

namespace korvane {

// The width of the LaTeX document's lines, \textwidth of ltjsarticle on A4.
constexpr double kLatexLineWidth = 453;

// A matrix entry as LatexMatrix sets it, with the column's separation.
double LatexColumnWidth(const std::string& entry);
// The arrow with the operation's notation over it, and the room it takes.
double LatexArrowWidth(const RowOperation& operation);
// The brackets and the bar around a block of a matrix.
constexpr double kLatexBracketsWidth = 24;

// The column blocks a matrix is set in on the LaTeX document's lines (and
// on a printed HTML page, about as wide at its size), the arrow of its row
// operation before it when arrow.
std::vector<ColumnBlock> PaperBlocks(const LogMatrix& matrix, bool arrow);

}  // namespace korvane
