#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/engine/WorkMatrix.h"
#include "mklibs/Polynomial.h"

namespace korvane {

// Exact matrix and vector arithmetic on WorkMatrix values, for the checks
// and the matrices the later computations print; none of it logs.

// A column vector, entries from the top.
using ExactVector = std::vector<ComplexFraction>;

// The n × n identity.
WorkMatrix IdentityMatrix(int n);
// The transpose of m.
WorkMatrix Transposed(const WorkMatrix& m);
// a · b; a has as many columns as b has rows.
WorkMatrix Product(const WorkMatrix& a, const WorkMatrix& b);
// The matrix's columns, each as a vector.
std::vector<ExactVector> ColumnsOf(const WorkMatrix& matrix);
// The matrix with these columns (its leading x.size() ones) applied to x:
// the sum of x's entries times their columns.
ExactVector Apply(const std::vector<ExactVector>& columns, const ExactVector& x);
// The square matrix minus value times the identity.
WorkMatrix MinusScalarIdentity(const WorkMatrix& square, const ComplexFraction& value);
// The inverse of a square matrix by Gauss–Jordan elimination, or nothing
// when it is singular.
std::optional<WorkMatrix> InverseOf(const WorkMatrix& square);
// The determinant of a square matrix by elimination.
ComplexFraction DeterminantOf(const WorkMatrix& square);
// p(A) of a square matrix by Horner's rule.
WorkMatrix PolynomialAt(const Polynomial& p, const WorkMatrix& a);
bool IsZeroVector(const ExactVector& x);
// The same shape and the same entries.
bool SameMatrix(const WorkMatrix& a, const WorkMatrix& b);

}  // namespace korvane
