#pragma once

#include <random>
#include <string>
#include <vector>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "mklibs/mklibs.h"

namespace korvane::test {

using Lines = std::vector<std::string>;
// Row-major matrix of values, independent of the engine's own storage.
using Matrix = std::vector<std::vector<ComplexFraction>>;

// A fresh grid showing the given rows of cell texts.
CellGrid GridOf(const std::vector<Lines>& rows);
// The shown part of the grid, read cell by cell.
Matrix ValuesOf(const CellGrid& grid);
CellGrid GridOfValues(const Matrix& values);

ComplexFraction Value(const std::string& text);
ComplexFraction Add(const ComplexFraction& a, const ComplexFraction& b);
Matrix Multiply(const Matrix& a, const Matrix& b);
Matrix Identity(std::size_t n);
// Laplace expansion along the first row.
ComplexFraction CofactorDeterminant(const Matrix& m);
bool IsReducedRowEchelon(const Matrix& m);
std::size_t NonzeroRows(const Matrix& m);

// Random matrices of the kinds the properties run over.
enum class EntryKind { kSmallInteger, kFraction, kGaussianRational, kLargeInteger };
Matrix RandomMatrix(std::mt19937& rng, std::size_t rows, std::size_t cols, EntryKind kind);
// rows × cols of rank at most rank, as a product of two random factors.
Matrix RandomLowRank(std::mt19937& rng, std::size_t rows, std::size_t cols, std::size_t rank);

}  // namespace korvane::test
