#pragma once

// Minors: a square matrix without one row and one column, as the cofactor
// working names and shows them.
#include <string>

#include "core/StepLog.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// The matrix without row and col (from 0); a 1 × 1 matrix has none.
WorkMatrix MinorOf(const WorkMatrix& matrix, int row, int col);
// The name of that minor: the letter and the entry's subscript, "M₁₂".
std::string MinorName(std::string_view letter, int row, int col);
// "A から1行目と2列目を取り除いた小行列 M₁₂ は、", the minor, "です。"
void LogMinor(std::string_view parent, int row, int col, const std::string& name,
              const WorkMatrix& minor, StepLog& log);

}  // namespace korvane
