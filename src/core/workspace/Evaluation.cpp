#include "core/workspace/Evaluation.h"

#include <memory>
#include <set>
#include <vector>

#include "core/StopSignal.h"
#include "core/engine/MatrixGrid.h"
#include "core/workspace/EngineWorking.h"
#include "core/workspace/EquationWorking.h"
#include "core/workspace/ExpressionReader.h"
#include "core/workspace/ExpressionShapes.h"
#include "core/workspace/ExpressionText.h"
#include "core/workspace/MatrixWorking.h"
#include "core/workspace/PowerWorking.h"

namespace korvane {

namespace {

using Kind = Expression::Kind;

// A refusal already logged: it ends the working.
struct Refused {};

// A part's value: a number, or a matrix kept off the stack, as the working
// recurses as deep as the expression nests.
struct Value {
    bool isNumber = true;
    ComplexFraction number;
    std::shared_ptr<const WorkMatrix> held;

    const WorkMatrix& Matrix() const { return *held; }
};

Value NumberValue(ComplexFraction number) {
    return {true, std::move(number), nullptr};
}

Value MatrixValue(WorkMatrix matrix) {
    return {false, {}, std::make_shared<const WorkMatrix>(std::move(matrix))};
}

ComplexFraction Plus(const ComplexFraction& a, const ComplexFraction& b) {
    return CpxSub(a, CpxNeg(b));
}

ComplexFraction Conjugate(ComplexFraction z) {
    z.im.num = -z.im.num;
    return z;
}

// value^exponent by repeated squaring; exponent ≥ 0.
ComplexFraction NumberPower(ComplexFraction value, std::int64_t exponent) {
    ComplexFraction result = CpxOne();
    while (exponent > 0) {
        StopPoint();
        if ((exponent & 1) != 0) result = CpxMul(result, value);
        exponent >>= 1;
        if (exponent > 0) value = CpxMul(value, value);
    }
    return result;
}

// Works an expression out node by node, left to right and inside out.
class Evaluator {
  public:
    Evaluator(const Workspace& workspace, const ExpressionShapes& shapes, StepLog& log,
              const LogStyle& style)
        : workspace_(workspace),
          shapes_(shapes),
          log_(log),
          working_(log),
          powers_(log),
          engine_(log, style),
          equations_(log, style) {}

    // Prints every stored matrix the expression names, once, in the order
    // they first appear.
    void PrintNamed(const Expression& node) {
        if (node.kind == Kind::kName && printed_.insert(node.name).second)
            PrintNamedMatrix(std::string(1, node.name), Stored(node.name), log_);
        for (const Expression& operand : node.operands)
            PrintNamed(operand);
    }

    // The node's value; its working logged and, unless it is the whole
    // expression, its result printed under its name.
    Value Work(const Expression& node, bool whole) {
        StopPoint();
        if (IsConstant(node)) return NumberValue(Constant(node));
        Value value = WorkUnprinted(node);
        if (!whole && !value.isNumber && !shown_ && !IsLeaf(node))
            PrintNamedMatrix(ExpressionText(node), value.Matrix(), log_);
        shown_ = false;
        return value;
    }

    std::optional<WorkMatrix> Solve(const MatrixEquation& equation, const EquationNames& names) {
        const WorkMatrix a = Work(equation.coefficient, false).Matrix();
        const WorkMatrix b = Work(equation.rightSide, false).Matrix();
        std::optional<WorkMatrix> x = equations_.Solve(a, b, names);
        if (x) {
            Conclude("X", MatrixValue(*x));
            equations_.Check(*x, a, b, names);
        }
        return x;
    }

    // The closing lines: "よって、" and the value under its name.
    void Conclude(const std::string& name, const Value& value) {
        if (value.isNumber) {
            log_.AppendStepLog("よって、" + name + " = " + CpxText(value.number) + " です。");
            return;
        }
        log_.AppendStepLog("よって、");
        PrintNamedMatrix(name, value.Matrix(), log_);
        log_.AppendStepLog("です。");
    }

  private:
    static bool IsLeaf(const Expression& node) {
        return node.kind == Kind::kName || node.kind == Kind::kIdentity || node.kind == Kind::kZero;
    }

    WorkMatrix Stored(char name) const {
        WorkMatrix m;
        LoadWorkMatrix(m, *workspace_.Find(name));
        return m;
    }

    [[noreturn]] void Refuse(const std::string& line) {
        log_.AppendStepLog(line);
        throw Refused{};
    }

    void RefuseDivisionByZero(const Expression& node) {
        Refuse(ExpressionText(node) + " は 0 で割ることになるので、定義されません。");
    }

    // A number's step: "tr(A) + 1 = 5 + 1 = 6".
    Value NumberStep(const Expression& node, const std::string& worked, ComplexFraction value) {
        log_.AppendStepLog(ExpressionText(node) + " = " + worked + " = " + CpxText(value));
        return NumberValue(std::move(value));
    }

    Value WorkUnprinted(const Expression& node) { return VisitExpression(node, *this); }

  public:
    // The working of each kind of node, for VisitExpression.
    Value Name(const Expression& node) { return MatrixValue(Stored(node.name)); }
    Value Identity(const Expression& node) {
        return MatrixValue(IdentityMatrix(shapes_.Of(node).rows));
    }
    Value Zero(const Expression& node) {
        return MatrixValue(ZeroMatrix(shapes_.Of(node).rows, shapes_.Of(node).cols));
    }
    Value Number(const Expression& node) { return NumberValue(node.number); }
    Value Trace(const Expression& node) {
        const Value a = Work(node.Operand(), false);
        return NumberValue(
            working_.Trace(a.Matrix(), ExpressionText(node.Operand()), ExpressionText(node)));
    }
    Value Determinant(const Expression& node) {
        const Value a = Work(node.Operand(), false);
        return NumberValue(engine_.Determinant(a.Matrix(), ExpressionText(node)));
    }
    Value Inverse(const Expression& node) {
        return InverseOf(node, Work(node.Operand(), false).Matrix());
    }
    Value Rref(const Expression& node) {
        const Value a = Work(node.Operand(), false);
        shown_ = true;  // the reduction ends with it
        return MatrixValue(
            engine_.Rref(a.Matrix(), ExpressionText(node.Operand()), ExpressionText(node)));
    }

    Value Negation(const Expression& node) {
        const Value a = Work(node.Operand(), false);
        if (a.isNumber) {
            std::string worked(1, '-');
            worked += BaseText(CpxText(a.number));
            return NumberStep(node, worked, CpxNeg(a.number));
        }
        return MatrixValue(working_.Multiple(CpxNeg(CpxOne()), a.Matrix(),
                                             ExpressionText(node.Operand()), ExpressionText(node)));
    }

    Value Sum(const Expression& node) {
        const bool subtract = node.kind == Kind::kDifference;
        const Value a = Work(node.Left(), false);
        const Value b = Work(node.Right(), false);
        if (a.isNumber) {
            return NumberStep(node,
                              TermText(CpxText(a.number), false) + (subtract ? " - " : " + ") +
                                  TermText(CpxText(b.number), true),
                              subtract ? CpxSub(a.number, b.number) : Plus(a.number, b.number));
        }
        return MatrixValue(working_.Sum(a.Matrix(), b.Matrix(), ExpressionText(node.Left()),
                                        ExpressionText(node.Right()), ExpressionText(node),
                                        subtract));
    }

    Value Product(const Expression& node) {
        const Value a = Work(node.Left(), false);
        const Value b = Work(node.Right(), false);
        const std::string name = ExpressionText(node);
        if (a.isNumber && b.isNumber) {
            return NumberStep(node, FactorText(a.number) + "·" + FactorText(b.number),
                              CpxMul(a.number, b.number));
        }
        if (a.isNumber)
            return MatrixValue(
                working_.Multiple(a.number, b.Matrix(), ExpressionText(node.Right()), name));
        if (b.isNumber)
            return MatrixValue(
                working_.Multiple(b.number, a.Matrix(), ExpressionText(node.Left()), name));
        return MatrixValue(working_.Product(a.Matrix(), b.Matrix(), ExpressionText(node.Left()),
                                            ExpressionText(node.Right()), name));
    }

    Value Quotient(const Expression& node) {
        const Value a = Work(node.Left(), false);
        const Value b = Work(node.Right(), false);
        if (CpxIsZero(b.number)) RefuseDivisionByZero(node);
        if (a.isNumber) {
            return NumberStep(node, FactorText(a.number) + "/" + FactorText(b.number),
                              CpxMul(a.number, CpxInv(b.number)));
        }
        return MatrixValue(working_.Multiple(CpxInv(b.number), a.Matrix(),
                                             ExpressionText(node.Left()), ExpressionText(node)));
    }

    Value Power(const Expression& node) {
        const Value a = Work(node.Operand(), false);
        const std::int64_t e = node.exponent;
        if (a.isNumber) {
            if (e < 0 && CpxIsZero(a.number)) RefuseDivisionByZero(node);
            const ComplexFraction base = e < 0 ? CpxInv(a.number) : a.number;
            return NumberStep(node, BaseText(CpxText(a.number)) + "^" + std::to_string(e),
                              NumberPower(base, e < 0 ? -e : e));
        }
        const std::string name = ExpressionText(node);
        const std::string base = BaseText(node.Operand());
        if (e == 0) {
            log_.AppendStepLog(name + " は単位行列 I です。");
            return MatrixValue(IdentityMatrix(a.Matrix().LastRow() + 1));
        }
        if (e == 1) {
            log_.AppendStepLog(name + " = " + base + " です。");
            return a;
        }
        if (e > 0) return MatrixValue(powers_.Power(a.Matrix(), e, base, false));
        if (e < -1)
            log_.AppendStepLog(name + " = (" + base + "^-1)^" + std::to_string(-e) + " です。");
        const Value inverse = InverseOf(node, a.Matrix(), base + "^-1");
        if (e == -1) return inverse;
        shown_ = false;  // the power's last product is not
        return MatrixValue(powers_.Power(inverse.Matrix(), -e, base, true));
    }

    // The inverse of the operand's value a, named name (the node's own text
    // unless given).
    Value InverseOf(const Expression& node, const WorkMatrix& a, std::string name = {}) {
        if (name.empty()) name = ExpressionText(node);
        std::optional<WorkMatrix> inverse =
            engine_.Inverse(a, ExpressionText(node.Operand()), name);
        if (!inverse) throw Refused{};
        shown_ = true;  // the inverse's working ends with it
        return MatrixValue(std::move(*inverse));
    }

    Value Transpose(const Expression& node) {
        const bool adjoint = node.kind == Kind::kAdjoint;
        const Value a = Work(node.Operand(), false);
        if (a.isNumber) {
            ComplexFraction value = adjoint ? Conjugate(a.number) : a.number;
            return NumberStep(node, BaseText(CpxText(a.number)) + (adjoint ? "^H" : "^T"),
                              std::move(value));
        }
        return MatrixValue(working_.Transpose(a.Matrix(), ExpressionText(node.Operand()),
                                              ExpressionText(node), adjoint));
    }

  private:
    // A part made of numbers only, worked out without a step of its own.
    ComplexFraction Constant(const Expression& node) {
        StopPoint();
        switch (node.kind) {
            case Kind::kNumber:
                return node.number;
            case Kind::kNegation:
                return CpxNeg(Constant(node.Operand()));
            case Kind::kSum:
                return Plus(Constant(node.Left()), Constant(node.Right()));
            case Kind::kDifference:
                return CpxSub(Constant(node.Left()), Constant(node.Right()));
            case Kind::kProduct:
                return CpxMul(Constant(node.Left()), Constant(node.Right()));
            case Kind::kQuotient: {
                const ComplexFraction a = Constant(node.Left());
                const ComplexFraction b = Constant(node.Right());
                if (CpxIsZero(b)) RefuseDivisionByZero(node);
                return CpxMul(a, CpxInv(b));
            }
            case Kind::kPower: {
                const ComplexFraction a = Constant(node.Operand());
                if (node.exponent < 0 && CpxIsZero(a)) RefuseDivisionByZero(node);
                return node.exponent < 0 ? NumberPower(CpxInv(a), -node.exponent)
                                         : NumberPower(a, node.exponent);
            }
            case Kind::kTranspose:
                return Constant(node.Operand());
            case Kind::kAdjoint:
                return Conjugate(Constant(node.Operand()));
            default:
                break;
        }
        return CpxZero();
    }

    const Workspace& workspace_;
    const ExpressionShapes& shapes_;
    StepLog& log_;
    MatrixWorking working_;
    PowerWorking powers_;
    EngineWorking engine_;
    EquationWorking equations_;
    std::set<char> printed_;
    bool shown_ = false;  // the last working ended by printing its result
};

CellGrid GridOf(const WorkMatrix& m) {
    CellGrid grid;
    StoreWorkMatrix(m, grid);
    return grid;
}

// The equation's working: X found, printed and checked.
void Solve(Evaluator& evaluator, const MatrixEquation& equation, Evaluation& evaluation) {
    evaluator.PrintNamed(equation.coefficient);
    evaluator.PrintNamed(equation.rightSide);
    const EquationNames names{ExpressionText(equation.coefficient),
                              ExpressionText(equation.rightSide),
                              BaseText(equation.coefficient) + "^T",
                              BaseText(equation.rightSide) + "^T",
                              evaluation.name,
                              equation.unknownOnLeft};
    if (std::optional<WorkMatrix> x = evaluator.Solve(equation, names)) {
        evaluation.matrix = GridOf(*x);
        evaluation.delivered = true;
    }
}

// The expression's working, ending with its value.
void Work(Evaluator& evaluator, const Expression& root, Evaluation& evaluation) {
    if (root.kind != Kind::kName) evaluator.PrintNamed(root);
    const Value value = evaluator.Work(root, true);
    evaluator.Conclude(evaluation.name, value);
    if (value.isNumber) {
        evaluation.number = value.number;
    } else {
        evaluation.matrix = GridOf(value.Matrix());
    }
    evaluation.delivered = true;
}

// The sizes of what was read, checked: the refusal, if any.
std::optional<std::string> CheckShapes(const ReadExpression& read, const Workspace& workspace,
                                       ExpressionShapes& shapes) {
    return read.equation ? shapes.Check(*read.equation, workspace)
                         : shapes.Check(*read.expression, workspace);
}

}  // namespace

Evaluation EvaluateExpression(std::string_view text, const Workspace& workspace, StepLog& log,
                              const LogStyle& style) {
    const ReadExpression read = ReadExpressionText(text);
    Evaluation evaluation;
    evaluation.name =
        read.equation ? EquationText(*read.equation) : ExpressionText(*read.expression);
    ExpressionShapes shapes;
    const std::optional<std::string> refusal = CheckShapes(read, workspace, shapes);
    log.ClearStepLog();
    if (refusal) {
        log.AppendStepLog(*refusal);
        return evaluation;
    }
    log.AppendStepLog(read.equation ? "方程式 " + evaluation.name + " を解きます。"
                                    : "式 " + evaluation.name + " の値を求めます。");
    Evaluator evaluator(workspace, shapes, log, style);
    try {
        if (read.equation) {
            Solve(evaluator, *read.equation, evaluation);
        } else {
            Work(evaluator, *read.expression, evaluation);
        }
    } catch (const Refused&) {
        // Its reason is the last line logged.
    }
    return evaluation;
}

void CheckExpression(std::string_view text, const Workspace& workspace) {
    ExpressionShapes shapes;
    CheckShapes(ReadExpressionText(text), workspace, shapes);
}

}  // namespace korvane
