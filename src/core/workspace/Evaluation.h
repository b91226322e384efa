#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/LogStyle.h"
#include "core/workspace/Workspace.h"
#include "mklibs/mklibs.h"

namespace korvane {

// What an expression came to.
struct Evaluation {
    bool delivered = false;                 // false: refused, its reason the last line logged
    std::string name;                       // the expression as the log names it: "AB - 2C"
    std::optional<CellGrid> matrix;         // a matrix result, canonical texts
    std::optional<ComplexFraction> number;  // a number result (tr, det, …)
};

// Reads text (an expression or an equation AX = B / XA = B, see
// ReadExpressionText), checks every size against the workspace's matrices,
// and only then clears the log and works the expression out in the order a
// student would, each part's working logged and its result printed under
// its name, ending with "よって、" and the value. A size that does not fit, a
// singular matrix to invert, a division by zero or an equation without
// exactly one solution is a refusal: logged, not delivered. Throws
// ExpressionError, the log untouched, for a text that cannot be read or
// names a matrix the workspace does not hold.
Evaluation EvaluateExpression(std::string_view text, const Workspace& workspace, StepLog& log,
                              const LogStyle& style = {});

// Reads text and checks its names as EvaluateExpression does, computing
// nothing: throws the same ExpressionError.
void CheckExpression(std::string_view text, const Workspace& workspace);

}  // namespace korvane
