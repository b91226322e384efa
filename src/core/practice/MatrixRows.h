#pragma once

#include <optional>
#include <vector>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/WorkMatrix.h"
#include "mklibs/mklibs.h"

namespace korvane {

// A practice matrix: rows of exact values, cheap to copy and to compare
// entry by entry, which is most of what checking a student's step does.
using MatrixRow = std::vector<ComplexFraction>;
using MatrixRows = std::vector<MatrixRow>;

// The grid's shown cells, read as every computation reads them (an empty
// cell is 0).
MatrixRows ReadRows(const CellGrid& grid);
// The square matrix with the identity appended on the right, as the inverse
// command sets it up.
MatrixRows WithIdentity(const MatrixRows& square);
// Appends the matrix to the log exactly as the computations print theirs.
void PrintRows(const MatrixRows& rows, StepLog& log);
// grid resized to the matrix and its shown cells set to canonical texts;
// cells outside keep their texts.
CellGrid StoreRows(const MatrixRows& rows, CellGrid grid);

// The same matrix as the engine holds it, and back.
WorkMatrix ToWorkMatrix(const MatrixRows& rows);
MatrixRows FromWorkMatrix(const WorkMatrix& matrix);

// The zero row of the given length.
MatrixRow ZeroRow(std::size_t length);
bool IsZeroRow(const MatrixRow& row);
// x := x + multiple × y, entry by entry (same lengths).
void AddMultiple(MatrixRow& x, const ComplexFraction& multiple, const MatrixRow& y);
// The λ with x = λ·y, when y is not zero and there is one.
std::optional<ComplexFraction> RowRatio(const MatrixRow& x, const MatrixRow& y);
ComplexFraction SumOf(const ComplexFraction& a, const ComplexFraction& b);
// a / b for nonzero b.
ComplexFraction QuotientOf(const ComplexFraction& a, const ComplexFraction& b);

}  // namespace korvane
