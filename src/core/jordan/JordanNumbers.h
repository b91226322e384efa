#pragma once

// What the Jordan workings need of their numbers beyond the field
// operations, for the complex rationals and the surds a + b√d alike: the
// real and imaginary parts a real matrix's conjugate eigenvalues are split
// into, and the texts of a number standing inside a formula. Overloads for
// both number types; the complex rationals keep the texts they always had.
#include <string>

#include "core/engine/ComplexRationals.h"
#include "core/engine/SurdNumbers.h"
#include "mklibs/Surd.h"

namespace korvane {

// The field's number equal to a complex rational.
template <EngineField F>
typename F::Number FromComplex(const ComplexFraction& z);
template <>
inline ComplexFraction FromComplex<ComplexRationals>(const ComplexFraction& z) {
    return z;
}
template <>
inline Surd FromComplex<SurdNumbers>(const ComplexFraction& z) {
    return SurdFromCpx(z);
}

// Re z and Im z; for a surd a + b√d (√d real) Re a + Re b·√d and
// Im a + Im b·√d.
ComplexFraction RealPart(const ComplexFraction& z);
ComplexFraction ImaginaryPart(const ComplexFraction& z);
Surd RealPart(const Surd& x);
Surd ImaginaryPart(const Surd& x);

// Whether the text starts with a minus sign.
bool ReadsNegative(const ComplexFraction& z);
bool ReadsNegative(const Surd& x);

// The number as a coefficient before a factor: "3", "(1/2)", "(1+i)",
// "√5/5", "2√3", "((1+√5)/2)". A text with a root asks for "·" before the
// factor, as "√5/5·n" does.
std::string CoefficientText(const Surd& magnitude);
bool HasRoot(const std::string& text);

// "2", "(-2)", "(1/2)", "(1+i)", "(√5)", "((1+√5)/2)": the number as the
// base of a power.
std::string BaseText(const ComplexFraction& z);
std::string BaseText(const Surd& x);

// "A - 2I", "A + I", "A - (1+i)I", "A - ((1+√5)/2)I", or "A" for zero.
std::string MinusValueName(const ComplexFraction& value);
std::string MinusValueName(const Surd& value);

}  // namespace korvane
