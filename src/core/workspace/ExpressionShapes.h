#pragma once

#include <optional>
#include <string>
#include <unordered_map>

#include "core/workspace/Expression.h"
#include "core/workspace/Workspace.h"

namespace korvane {

// What a part of an expression stands for: a number, or a matrix of a size.
struct ValueShape {
    bool number = true;
    int rows = 0;
    int cols = 0;
};

// The shape of every part of an expression, I and O given the size their
// place needs, found before anything is computed.
class ExpressionShapes {
  public:
    // Checks that every sum, product, power and function of the expression
    // is defined for the sizes of the stored matrices. Throws ExpressionError
    // for a name that holds no matrix. Returns the refusal, a sentence that
    // names the parts and their sizes ("A は 2×3 行列、B は 2×2 行列なので、
    // 積 AB は定義されません。"), when one is not.
    std::optional<std::string> Check(const Expression& root, const Workspace& workspace);
    // The same for an equation; X takes the size that solves it.
    std::optional<std::string> Check(const MatrixEquation& equation, const Workspace& workspace);

    // After a Check without a refusal: the shape of a node of the checked
    // tree (which must not have moved since).
    const ValueShape& Of(const Expression& node) const { return shapes_.at(&node); }

  private:
    std::unordered_map<const Expression*, ValueShape> shapes_;
};

}  // namespace korvane
