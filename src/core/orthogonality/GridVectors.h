#pragma once

// The vectors an orthogonality working takes from the grid, and the lines
// every such working starts with.
#include <string>
#include <string_view>
#include <vector>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/MatrixArithmetic.h"

namespace korvane {

// Whether the grid's columns or its rows are the vectors.
enum class VectorLines { kColumns, kRows };

// A new log on the grid: clears it, prints the matrix and returns its
// columns (or rows) as vectors.
std::vector<ExactVector> StartOnVectors(const CellGrid& grid, StepLog& log, VectorLines lines);
// The sentence naming the vectors: "列ベクトルを v₁, v₂, v₃ とします。"
void NameVectors(std::size_t count, std::string_view letter, VectorLines lines, StepLog& log);
// The inner product used: the standard one, or for complex vectors the one
// with the conjugate of the second vector.
void ConventionLine(bool real, StepLog& log);

// "v₃".
std::string VectorName(std::string_view letter, std::size_t index);
// "v₁, v₂, v₃" for the first count names.
std::string NameList(std::string_view letter, std::size_t count);
// "v₁, v₂, v₃" for up to three names, "v₁, v₂, …, v₅" for more.
std::string ShortNameList(std::string_view letter, std::size_t count);
// "u₁ = (1,2,0)".
std::string VectorLine(const std::string& name, const ExactVector& v);

}  // namespace korvane
