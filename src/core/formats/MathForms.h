#pragma once

#include <string>
#include <vector>

#include "core/engine/RowOperation.h"
#include "core/formats/LogReading.h"
#include "core/formats/MatrixBlocks.h"

namespace korvane {

// The log's mathematics in TeX (for the LaTeX and Markdown exports) and in
// MathML (for HTML). Entries that are not canonical number texts are
// written as text.

// pmatrix, or for a matrix with a bar \left(\begin{array}{cc|cc} … \right).
std::string LatexMatrix(const LogMatrix& matrix);
// Columns of a matrix set apart as one block of it: the first block opens
// the brackets, the last closes them, and the bar of an augmented matrix
// at a block's edge is drawn there, so that A | and | B read as one matrix.
std::string LatexMatrixBlock(const LogMatrix& matrix, ColumnBlock block);
// R_2 \to R_2 - 3R_1, R_1 \to \frac{1}{2}R_1, R_1 \leftrightarrow R_2.
std::string LatexNotation(const RowOperation& operation);
// \operatorname{span}\left\{ column vectors \right\}, or \{\mathbf{0}\}.
std::string LatexSpan(const std::vector<std::vector<std::string>>& vectors);

// A column of numbers in brackets.
std::string LatexColumnVector(const std::vector<std::string>& entries);
std::string MathmlColumnVector(const std::vector<std::string>& entries);

// The same as MathML elements, to stand inside <math>. A table with
// fractions has the class "fractions", the cell after a bar "bar", a cell
// before a bar at a block's right edge "barright".
std::string MathmlMatrix(const LogMatrix& matrix);
std::string MathmlMatrixBlock(const LogMatrix& matrix, ColumnBlock block);
// An arrow with the notation over it.
std::string MathmlArrow(const RowOperation& operation);
std::string MathmlSpan(const std::vector<std::vector<std::string>>& vectors);

}  // namespace korvane
