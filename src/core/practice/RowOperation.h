#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/engine/RowOperation.h"
#include "core/practice/MatrixRows.h"

namespace korvane {

// A factor typed by the student into the practice panel: one number, read
// strictly, never as another number ("x" is no 1); an empty box is 0, which
// the operation then refuses. Throws Error with the reason, such as
// "「x」を数として読めません。".
ComplexFraction ReadFactor(std::string_view text);

// Why op cannot be done on a matrix with rows rows, as the sentence the log
// shows; nothing when it can. Refused: a row that is not there, a swap or an
// addition of a row with itself, a scaling by 0, an addition of 0 times a row.
std::optional<std::string> RefusalOf(const RowOperation& op, int rows);

// Does op on matrix in place; op must not be refused.
void ApplyOperation(const RowOperation& op, MatrixRows& matrix);

}  // namespace korvane
