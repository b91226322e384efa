#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/engine/WorkMatrix.h"

namespace korvane {

// Exact matrix and vector arithmetic on WorkMatrix values, for the checks
// and the matrices the later computations print; none of it logs.

// A column vector, entries from the top.
using ExactVector = std::vector<ComplexFraction>;

// a · b; a has as many columns as b has rows.
WorkMatrix Product(const WorkMatrix& a, const WorkMatrix& b);
// The leading `cols` columns of a applied to x (x has `cols` entries).
ExactVector Apply(const WorkMatrix& a, std::int32_t cols, const ExactVector& x);
// Column col of the matrix as a vector.
ExactVector ColumnOf(const WorkMatrix& matrix, std::int32_t col);
// The square matrix minus value times the identity.
WorkMatrix MinusScalarIdentity(const WorkMatrix& square, const ComplexFraction& value);
// The inverse of a square matrix by Gauss–Jordan elimination, or nothing
// when it is singular.
std::optional<WorkMatrix> InverseOf(const WorkMatrix& square);
bool IsZeroVector(const ExactVector& x);
// The same shape and the same entries.
bool SameMatrix(const WorkMatrix& a, const WorkMatrix& b);

}  // namespace korvane
