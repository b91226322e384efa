#pragma once

// The standard inner product of exact vectors and the vector arithmetic the
// orthogonality workings share. Complex vectors take the conjugate of the
// second vector: ⟨u, v⟩ = Σ uₖ·conj(vₖ), so ⟨v, v⟩ = ‖v‖² is real and
// ⟨cu, v⟩ = c⟨u, v⟩.
#include <string>
#include <vector>

#include "core/engine/MatrixArithmetic.h"

namespace korvane {

ComplexFraction Conjugate(const ComplexFraction& z);
// ⟨u, v⟩ = Σ uₖ·conj(vₖ); u and v have the same length.
ComplexFraction InnerProduct(const ExactVector& u, const ExactVector& v);
// The sum written out, each conjugate already taken: "1·2 + (-1)·(3-i)".
std::string InnerProductSum(const ExactVector& u, const ExactVector& v);
// "⟨v₂, u₁⟩ = 1·1 + 0·1 = 1".
std::string InnerProductLine(const std::string& left, const std::string& right,
                             const ExactVector& u, const ExactVector& v);

ExactVector Scaled(const ComplexFraction& c, const ExactVector& v);
ExactVector Difference(const ExactVector& u, const ExactVector& v);
ExactVector Sum(const ExactVector& u, const ExactVector& v);
// Whether every entry of every vector is real.
bool AllReal(const std::vector<ExactVector>& vectors);
bool IsReal(const ComplexFraction& z);

// The conjugate transpose (the transpose of a real matrix).
WorkMatrix ConjugateTransposed(const WorkMatrix& m);
// The matrix with these vectors as its columns; every vector has the same
// length, at most WorkMatrix::kMaxRows.
WorkMatrix MatrixOfColumns(const std::vector<ExactVector>& columns);

}  // namespace korvane
