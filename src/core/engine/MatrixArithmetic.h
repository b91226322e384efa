#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/engine/WorkMatrix.h"
#include "mklibs/Polynomial.h"

namespace korvane {

// Exact matrix and vector arithmetic on work matrices, for the checks and
// the matrices the later computations print; none of it logs. The templates
// serve the complex rationals, the surds and Q(i)(a) (instantiated in
// MatrixArithmetic.cpp); a field that cannot be deduced from the arguments
// defaults to the complex rationals.

// A column vector, entries from the top.
template <EngineField F>
using BasicVector = std::vector<typename F::Number>;
using ExactVector = BasicVector<ComplexRationals>;

// The n × n identity.
template <EngineField F = ComplexRationals>
BasicWorkMatrix<F> IdentityMatrix(int n);
// The transpose of m.
WorkMatrix Transposed(const WorkMatrix& m);
// a · b; a has as many columns as b has rows.
template <EngineField F>
BasicWorkMatrix<F> Product(const BasicWorkMatrix<F>& a, const BasicWorkMatrix<F>& b);
// The matrix's columns, each as a vector.
template <EngineField F>
std::vector<BasicVector<F>> ColumnsOf(const BasicWorkMatrix<F>& matrix);
// The matrix with these columns (its leading x.size() ones) applied to x:
// the sum of x's entries times their columns.
template <EngineField F = ComplexRationals>
BasicVector<F> Apply(const std::vector<BasicVector<F>>& columns, const BasicVector<F>& x);
// The square matrix minus value times the identity.
template <EngineField F>
BasicWorkMatrix<F> MinusScalarIdentity(const BasicWorkMatrix<F>& square,
                                       const typename F::Number& value);
// The inverse of a square matrix by Gauss–Jordan elimination, or nothing
// when it is singular.
template <EngineField F>
std::optional<BasicWorkMatrix<F>> InverseOf(const BasicWorkMatrix<F>& square);
// The determinant of a square matrix by elimination.
ComplexFraction DeterminantOf(const WorkMatrix& square);
// p(A) of a square matrix by Horner's rule.
WorkMatrix PolynomialAt(const Polynomial& p, const WorkMatrix& a);
template <EngineField F = ComplexRationals>
bool IsZeroVector(const BasicVector<F>& x);
// The same shape and the same entries.
template <EngineField F>
bool SameMatrix(const BasicWorkMatrix<F>& a, const BasicWorkMatrix<F>& b);

}  // namespace korvane
