#include "core/workspace/ExpressionShapes.h"

#include <vector>

#include "core/workspace/ExpressionText.h"
#include "core/workspace/ExpressionTokens.h"

namespace korvane {

namespace {

using Kind = Expression::Kind;

// A part's size while it is being found: each count a variable that may be
// bound to a number or still free (the sizes of I and O).
struct Pending {
    bool number = true;
    int rows = -1;  // variables
    int cols = -1;
};

// A sum, product or function that is not defined; what() the refusal.
struct Undefined {
    std::string refusal;
};

// Sizes as variables joined by union–find: I and O take their sizes from
// the parts around them.
class SizeVariables {
  public:
    int Known(int value) {
        parent_.push_back(static_cast<int>(parent_.size()));
        value_.push_back(value);
        return parent_.back();
    }
    int Free() { return Known(-1); }
    // The bound value, or -1.
    int Value(int v) { return value_[Root(v)]; }
    // Joins two variables; false when both are bound to different values.
    bool Join(int a, int b) {
        a = Root(a);
        b = Root(b);
        if (a == b) return true;
        if (value_[a] >= 0 && value_[b] >= 0 && value_[a] != value_[b]) return false;
        parent_[b] = a;
        if (value_[a] < 0) value_[a] = value_[b];
        return true;
    }

  private:
    int Root(int v) {
        while (parent_[v] != v)
            v = parent_[v] = parent_[parent_[v]];
        return v;
    }
    std::vector<int> parent_;
    std::vector<int> value_;
};

class ShapeFinder {
  public:
    explicit ShapeFinder(const Workspace& workspace) : workspace_(workspace) {}

    Pending Find(const Expression& node) {
        Pending shape = FindUnrecorded(node);
        pending_.emplace_back(&node, shape);
        return shape;
    }

    Pending Matrix(int rows, int cols) { return {false, sizes_.Known(rows), sizes_.Known(cols)}; }
    SizeVariables& Sizes() { return sizes_; }

    // "A は 2×3 行列" or "2 は数", with a free size written n.
    std::string Describe(const Expression& node, const Pending& shape) {
        if (shape.number) return ExpressionText(node) + " は数";
        return ExpressionText(node) + " は " + Count(shape.rows) + "×" + Count(shape.cols) +
               " 行列";
    }

    // Every node's shape, once all sizes are bound; the refusal for an I or
    // O whose size stays free.
    std::optional<std::string> Resolve(std::unordered_map<const Expression*, ValueShape>& shapes) {
        for (const auto& [node, shape] : pending_) {
            const ValueShape resolved{shape.number, shape.number ? 0 : sizes_.Value(shape.rows),
                                      shape.number ? 0 : sizes_.Value(shape.cols)};
            if (!resolved.number && (resolved.rows < 0 || resolved.cols < 0))
                return PlaceText(node->place) + " " + ExpressionText(*node) +
                       " の大きさが式から決まりません。";
            shapes[node] = resolved;
        }
        return std::nullopt;
    }

    // The shapes of each kind of node, for VisitExpression.
    Pending Name(const Expression& node) {
        const CellGrid* stored = workspace_.Find(node.name);
        if (stored == nullptr)
            throw ExpressionError(PlaceText(node.place) + " " + std::string(1, node.name) +
                                  " という名前の行列はありません。");
        return Matrix(stored->Rows(), stored->Cols());
    }
    Pending Identity(const Expression&) {
        const int n = sizes_.Free();
        return {false, n, n};
    }
    Pending Zero(const Expression&) { return {false, sizes_.Free(), sizes_.Free()}; }
    Pending Number(const Expression&) { return {}; }
    Pending Negation(const Expression& node) { return Find(node.Operand()); }
    Pending Transpose(const Expression& node) {
        const Pending a = Find(node.Operand());
        return {a.number, a.cols, a.rows};
    }
    Pending Trace(const Expression& node) {
        Square(node, "は定義されません。");
        return {};
    }
    Pending Determinant(const Expression& node) { return Trace(node); }
    Pending Inverse(const Expression& node) { return Square(node, "はありません。"); }
    Pending Rref(const Expression& node) { return MatrixOperand(node, "は定義されません。"); }

    Pending Sum(const Expression& node) {
        const Pending a = Find(node.Left());
        const Pending b = Find(node.Right());
        const bool fits =
            a.number == b.number &&
            (a.number || (sizes_.Join(a.rows, b.rows) && sizes_.Join(a.cols, b.cols)));
        if (!fits) Refuse(node, node.kind == Kind::kSum ? "和 " : "差 ", a, b);
        return a;
    }

    Pending Product(const Expression& node) {
        const Pending a = Find(node.Left());
        const Pending b = Find(node.Right());
        if (a.number) return b;
        if (b.number) return a;
        if (!sizes_.Join(a.cols, b.rows)) Refuse(node, "積 ", a, b);
        return {false, a.rows, b.cols};
    }

    Pending Quotient(const Expression& node) {
        const Pending a = Find(node.Left());
        const Pending b = Find(node.Right());
        if (!b.number)
            throw Undefined{Describe(node.Right(), b) + "なので、" + ExpressionText(node) +
                            " は定義されません。行列で割ることはできません。"};
        return a;
    }

    Pending Power(const Expression& node) {
        const Pending a = Find(node.Operand());
        if (!a.number) Square(node, a, "は定義されません。");
        return a;
    }

  private:
    std::string Count(int variable) {
        const int value = sizes_.Value(variable);
        return value < 0 ? "n" : std::to_string(value);
    }

    Pending FindUnrecorded(const Expression& node) { return VisitExpression(node, *this); }

    // The operand of a function that takes a matrix; refuses a number.
    Pending MatrixOperand(const Expression& node, std::string_view ending) {
        const Pending a = Find(node.Operand());
        if (a.number)
            throw Undefined{Describe(node.Operand(), a) + "なので、" + ExpressionText(node) + " " +
                            std::string(ending)};
        return a;
    }

    // A function of a square matrix: refuses a number or a matrix that is
    // not square.
    Pending Square(const Expression& node, std::string_view ending) {
        return Square(node, MatrixOperand(node, ending), ending);
    }
    Pending Square(const Expression& node, const Pending& a, std::string_view ending) {
        if (!sizes_.Join(a.rows, a.cols)) {
            const std::string inverse = node.kind == Kind::kInverse ? "逆行列 " : "";
            throw Undefined{Describe(node.Operand(), a) + "で、正方行列でないので、" + inverse +
                            ExpressionText(node) + " " + std::string(ending)};
        }
        return a;
    }

    [[noreturn]] void Refuse(const Expression& node, std::string_view what, const Pending& a,
                             const Pending& b) {
        throw Undefined{Describe(node.Left(), a) + "、" + Describe(node.Right(), b) + "なので、" +
                        std::string(what) + ExpressionText(node) + " は定義されません。"};
    }

    const Workspace& workspace_;
    SizeVariables sizes_;
    std::vector<std::pair<const Expression*, Pending>> pending_;
};

}  // namespace

std::optional<std::string> ExpressionShapes::Check(const Expression& root,
                                                   const Workspace& workspace) {
    shapes_.clear();
    ShapeFinder finder(workspace);
    try {
        finder.Find(root);
    } catch (const Undefined& undefined) {
        return undefined.refusal;
    }
    return finder.Resolve(shapes_);
}

std::optional<std::string> ExpressionShapes::Check(const MatrixEquation& equation,
                                                   const Workspace& workspace) {
    shapes_.clear();
    ShapeFinder finder(workspace);
    try {
        const Pending a = finder.Find(equation.coefficient);
        const Pending b = finder.Find(equation.rightSide);
        const std::string name = EquationText(equation);
        if (a.number || b.number) {
            const Expression& number = a.number ? equation.coefficient : equation.rightSide;
            return finder.Describe(number, a.number ? a : b) + "なので、方程式 " + name +
                   " は行列の方程式ではありません。";
        }
        // AX = B: A and B have as many rows; XA = B: as many columns.
        const bool fits = equation.unknownOnLeft ? finder.Sizes().Join(a.cols, b.cols)
                                                 : finder.Sizes().Join(a.rows, b.rows);
        if (!fits)
            return finder.Describe(equation.coefficient, a) + "、" +
                   finder.Describe(equation.rightSide, b) + "なので、" + name + " の両辺の" +
                   (equation.unknownOnLeft ? "列" : "行") + "の数が合いません。";
    } catch (const Undefined& undefined) {
        return undefined.refusal;
    }
    return finder.Resolve(shapes_);
}

}  // namespace korvane
