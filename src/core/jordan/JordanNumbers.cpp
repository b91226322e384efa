#include "core/jordan/JordanNumbers.h"

#include "core/engine/EigenvalueText.h"
#include "mklibs/Polynomial.h"

namespace korvane {

namespace {

bool IsPlainDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

bool IsPlain(const Surd& x) {
    return CpxIsZero(x.root);
}

// a + b√d from its coefficients, canonical when b vanishes.
Surd SurdOf(const ComplexFraction& rational, const ComplexFraction& root, const Integer& radicand) {
    if (CpxIsZero(root)) return SurdFromCpx(rational);
    return {rational, root, radicand};
}

// A sum or a difference inside the text (past a leading sign).
bool Compound(const std::string& text) {
    return text.find_first_of("+-", 1) != std::string::npos;
}

}  // namespace

ComplexFraction RealPart(const ComplexFraction& z) {
    return {z.re, CpxZero().im};
}

ComplexFraction ImaginaryPart(const ComplexFraction& z) {
    return {z.im, CpxZero().im};
}

Surd RealPart(const Surd& x) {
    return SurdOf(RealPart(x.rational), RealPart(x.root), x.radicand);
}

Surd ImaginaryPart(const Surd& x) {
    return SurdOf(ImaginaryPart(x.rational), ImaginaryPart(x.root), x.radicand);
}

bool ReadsNegative(const ComplexFraction& z) {
    return CpxText(z).starts_with('-');
}

bool ReadsNegative(const Surd& x) {
    return SurdText(x).starts_with('-');
}

bool HasRoot(const std::string& text) {
    return text.find("√") != std::string::npos;
}

std::string CoefficientText(const Surd& magnitude) {
    if (IsPlain(magnitude)) return CoefficientText(magnitude.rational);
    const std::string text = SurdText(magnitude);
    return Compound(text) ? "(" + text + ")" : text;
}

std::string BaseText(const ComplexFraction& z) {
    const std::string text = CpxText(z);
    return IsPlainDigits(text) ? text : "(" + text + ")";
}

std::string BaseText(const Surd& x) {
    if (IsPlain(x)) return BaseText(x.rational);
    std::string text = "(";
    text += SurdText(x);
    text += ')';
    return text;
}

std::string MinusValueName(const ComplexFraction& value) {
    return MinusEigenvalueName(value);
}

std::string MinusValueName(const Surd& value) {
    if (IsPlain(value)) return MinusEigenvalueName(value.rational);
    const bool negative = ReadsNegative(value);
    const std::string magnitude = SurdText(negative ? SurdNeg(value) : value);
    std::string name = negative ? "A + (" : "A - (";
    name += magnitude;
    name += ")I";
    return name;
}

}  // namespace korvane
