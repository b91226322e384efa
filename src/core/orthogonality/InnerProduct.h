#pragma once

// The standard inner product of exact vectors and the vector arithmetic the
// orthogonality workings share, over the complex rationals and over one
// square root (Q(i)(√d), d > 0 where vectors meet, so √d is real). Complex
// vectors take the conjugate of the second vector: ⟨u, v⟩ = Σ uₖ·conj(vₖ),
// so ⟨v, v⟩ = ‖v‖² is real and ⟨cu, v⟩ = c⟨u, v⟩. A field that cannot be
// deduced from the arguments defaults to the complex rationals.
#include <string>
#include <utility>
#include <vector>

#include "core/engine/MatrixArithmetic.h"
#include "core/engine/SurdNumbers.h"

namespace korvane {

// i → −i; √d stays.
ComplexFraction Conjugate(const ComplexFraction& z);
Surd Conjugate(const Surd& z);

// ⟨u, u⟩ as the real number it is: a rational over the complex rationals,
// a + b√d over the surds.
inline Fraction RealValue(const ComplexFraction& z) {
    return z.re;
}
inline Surd RealValue(const Surd& z) {
    return z;
}
inline ComplexFraction AsNumber(const Fraction& x) {
    return {x, Fraction{}};
}
inline Surd AsNumber(const Surd& x) {
    return x;
}
template <EngineField F>
using SquaredNorm = decltype(RealValue(std::declval<typename F::Number>()));

// The number's canonical text.
template <EngineField F = ComplexRationals>
std::string NumberText(const typename F::Number& x) {
    std::string text;
    F::AppendText(text, x);
    return text;
}

// ⟨u, v⟩ = Σ uₖ·conj(vₖ); u and v have the same length.
template <EngineField F = ComplexRationals>
typename F::Number InnerProduct(const BasicVector<F>& u, const BasicVector<F>& v);
// The sum written out, each conjugate already taken: "1·2 + (-1)·(3-i)".
template <EngineField F = ComplexRationals>
std::string InnerProductSum(const BasicVector<F>& u, const BasicVector<F>& v);
// "⟨v₂, u₁⟩ = 1·1 + 0·1 = 1".
template <EngineField F = ComplexRationals>
std::string InnerProductLine(const std::string& left, const std::string& right,
                             const BasicVector<F>& u, const BasicVector<F>& v);

template <EngineField F = ComplexRationals>
BasicVector<F> Scaled(const typename F::Number& c, const BasicVector<F>& v);
template <EngineField F = ComplexRationals>
BasicVector<F> Difference(const BasicVector<F>& u, const BasicVector<F>& v);
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
