#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/engine/RowOperation.h"
#include "core/practice/MatrixRows.h"

namespace korvane {

// A factor typed by the student, read as a cell is read: empty means 0.
ComplexFraction ReadFactor(std::string_view text);

// Why op cannot be done on a matrix with rows rows, as the sentence the log
// shows; nothing when it can. Refused: a row that is not there, a swap or an
// addition of a row with itself, a scaling by 0, an addition of 0 times a row.
std::optional<std::string> RefusalOf(const RowOperation& op, int rows);

// Does op on matrix in place; op must not be refused.
void ApplyOperation(const RowOperation& op, MatrixRows& matrix);

// The log sentence of op: the reduction's sentences for a swap and a
// scaling, and for an addition the one that reads naturally ("2行目に1行目の
// 3倍を足します。", or "2行目から1行目の3倍を引きます。" for −3).
std::string OperationSentence(const RowOperation& op);

}  // namespace korvane
