#pragma once

#include <string>
#include <vector>

#include "core/engine/RationalFunctions.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// A polynomial in λ over the rational functions Q(i)(a): coefficients[k]
// multiplies λ^k, lowest degree first.
using LambdaPolynomial = std::vector<RationalFunction>;

// det(λI − A) of a square matrix over Q(i)(a), monic of degree n, by the
// Faddeev–LeVerrier recurrence: M₁ = I, c_{n−k} = −tr(A·M_k)/k and
// M_{k+1} = A·M_k + c_{n−k}·I. Polls the stop signal.
LambdaPolynomial ParameterCharacteristicPolynomial(const BasicWorkMatrix<RationalFunctions>& a);

// The polynomial as a student writes it, highest power first:
// "λ^2 - 2aλ + (a-1)(a+1)", "λ - (a+1)", "λ^3 + (2a/3)λ". A coefficient with
// a sign or a fraction bar outside brackets is bracketed before λ, as is a
// constant term with a sign inside.
std::string LambdaPolynomialText(const LambdaPolynomial& p);

// The entries of λI − A as texts: "λ - a", "-1", "λ - (a+1)".
std::vector<std::vector<std::string>> LambdaMinusMatrixTexts(
    const BasicWorkMatrix<RationalFunctions>& a);

}  // namespace korvane
