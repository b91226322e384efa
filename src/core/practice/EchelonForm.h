#pragma once

#include "core/practice/MatrixRows.h"

namespace korvane {

// The two forms a practice aims at, judged on values alone, so that any
// route to them counts.

// Column of the row's first nonzero entry; -1 for a zero row.
int LeadingColumn(const MatrixRow& row);

// Row echelon form (行階段形): zero rows last, and every other row's leading
// entry strictly right of the leading entry above. Leading entries need not
// be one.
bool IsRowEchelon(const MatrixRows& matrix);
// Reduced row echelon form (行階段標準形): row echelon form whose leading
// entries are one and alone in their columns.
bool IsReducedRowEchelon(const MatrixRows& matrix);

// Upper triangular: every entry below the diagonal is zero.
bool IsUpperTriangular(const MatrixRows& matrix);

// How many rows from the top already stand as in the form: each with a
// leading entry right of the one above and nothing but zeros below it, and
// for the reduced form a leading one alone in its column.
int PivotsInPlace(const MatrixRows& matrix, bool reduced);

}  // namespace korvane
