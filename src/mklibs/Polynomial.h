#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "mklibs/ComplexFraction.h"

namespace korvane {

// A polynomial in one variable with exact complex-rational coefficients, a
// value like the numbers it holds. The coefficients are kept lowest degree
// first, without zeros above the leading one, so equal polynomials compare
// equal and the zero polynomial has no coefficients at all.
class Polynomial {
  public:
    Polynomial() = default;  // zero
    // Coefficients lowest degree first; zeros at the top are dropped.
    explicit Polynomial(std::vector<ComplexFraction> coefficients);
    static Polynomial Constant(const ComplexFraction& value);
    // x − root, the monic linear polynomial with that root.
    static Polynomial XMinus(const ComplexFraction& root);

    // -1 for the zero polynomial.
    int Degree() const { return static_cast<int>(coefficients_.size()) - 1; }
    bool IsZero() const { return coefficients_.empty(); }
    // Zero beyond the degree.
    ComplexFraction Coefficient(int power) const;
    // The coefficient of the highest power; the polynomial must not be zero.
    const ComplexFraction& Leading() const { return coefficients_.back(); }
    const std::vector<ComplexFraction>& Coefficients() const { return coefficients_; }
    // Every coefficient has imaginary part zero.
    bool IsReal() const;

    friend Polynomial operator+(const Polynomial& a, const Polynomial& b);
    friend Polynomial operator-(const Polynomial& a, const Polynomial& b);
    friend Polynomial operator*(const Polynomial& a, const Polynomial& b);
    friend bool operator==(const Polynomial&, const Polynomial&) = default;

  private:
    void DropLeadingZeros();

    std::vector<ComplexFraction> coefficients_;
};

// The complex-rational helpers polynomials need beside the number layer's.
ComplexFraction CpxSum(const ComplexFraction& a, const ComplexFraction& b);
ComplexFraction CpxConjugate(const ComplexFraction& z);
ComplexFraction CpxOfInteger(std::int64_t value);

struct PolynomialDivision {
    Polynomial quotient;
    Polynomial remainder;
};
// a = quotient · b + remainder with deg remainder < deg b. Throws
// DivisionByZero when b is zero.
PolynomialDivision Divide(const Polynomial& a, const Polynomial& b);

Polynomial Scaled(const Polynomial& p, const ComplexFraction& factor);
// p divided by its leading coefficient; zero stays zero.
Polynomial Monic(const Polynomial& p);
// The monic greatest common divisor; zero only when both are zero.
Polynomial Gcd(Polynomial a, Polynomial b);
Polynomial Derivative(const Polynomial& p);
// Every coefficient replaced by its complex conjugate.
Polynomial Conjugate(const Polynomial& p);
// p(x + shift), by Horner's rule on polynomials.
Polynomial Shifted(const Polynomial& p, const ComplexFraction& shift);

// The polynomial as a student writes it, highest power first, in the given
// variable: "λ^3 - 2λ + 1", "λ^2 + (1+i)λ - i/2", "λ - (1-i)". A coefficient
// that is not a plain number in front of a power is bracketed, as is a
// constant term whose own text carries a sign inside.
std::string PolynomialText(const Polynomial& p, std::string_view variable);
// The coefficient as it stands before a variable or a bracket: nothing for
// 1, brackets around a text with a fraction bar or an inner sign.
std::string CoefficientText(const ComplexFraction& magnitude);

}  // namespace korvane
