#pragma once

// Quadratic and linear forms written as a textbook writes them:
// "x₁² + 4x₁x₂ - x₂²", "x₁ + (1/2)x₂ - x₃".
#include <string>
#include <vector>

#include "core/engine/MatrixArithmetic.h"
#include "mklibs/Surd.h"

namespace korvane {

// The variables' names, in the order of the matrix's rows.
using VariableNames = std::vector<std::string>;

// x₁, …, xₙ.
VariableNames IndexedNames(std::string_view letter, int n);

// xᵀBx over the variables whose flag in active is set: the square terms'
// coefficients B(k,k), the cross terms' 2B(i,j), zero terms left out; "0"
// when every term is zero.
std::string QuadraticFormText(const WorkMatrix& b, const VariableNames& names,
                              const std::vector<bool>& active);
// Σ c(k)·names(k), zero terms left out; "0" when all are zero.
std::string LinearFormText(const ExactVector& c, const VariableNames& names);
// Appends a coefficient's term to sum with its sign: "+ 2x₁", "- x₂", "- (1/2)x₃".
void AppendTerm(std::string& sum, const ComplexFraction& c, const std::string& monomial);
// The same for a surd, its root always in parentheses: "+ (√5)y₁²",
// "- (2√3)y₂²", "+ ((1-√5)/2)y₂²" (a value of two terms keeps its own signs).
void AppendTerm(std::string& sum, const Surd& c, const std::string& monomial);

}  // namespace korvane
