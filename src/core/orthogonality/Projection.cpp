#include "core/orthogonality/Projection.h"

#include <optional>

#include "core/engine/KernelBasis.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/RowReduction.h"
#include "core/methods/CommandFrame.h"
#include "core/orthogonality/GridVectors.h"
#include "core/orthogonality/InnerProduct.h"
#include "core/orthogonality/NormalEquations.h"
#include "core/orthogonality/RootTexts.h"

namespace korvane {

namespace {

// A and b of a grid (A | b), after the grid is printed.
struct Split {
    WorkMatrix a;
    std::vector<ExactVector> columns;
    ExactVector b;
    bool real = true;
};

std::optional<Split> StartOnSplit(const CellGrid& grid, StepLog& log, const char* refusal) {
    if (grid.Cols() < 2) {
        log.ClearStepLog();
        log.AppendStepLog(refusal);
        return std::nullopt;
    }
    Split split;
    split.columns = StartOnVectors(grid, log, VectorLines::kColumns);
    split.real = AllReal(split.columns);
    split.b = split.columns.back();
    split.columns.pop_back();
    split.a = MatrixOfColumns(split.columns);
    return split;
}

// Whether r is orthogonal to every column, said as the check.
void LogOrthogonalToColumns(const ExactVector& r, const std::string& name,
                            const std::vector<ExactVector>& columns, StepLog& log) {
    bool orthogonal = true;
    for (const ExactVector& a : columns)
        orthogonal = orthogonal && CpxIsZero(InnerProduct(r, a));
    log.AppendStepLog("検算：" + name + " と " + ShortNameList("a", columns.size()) +
                      (orthogonal ? " の内積はすべて0で、" + name + " は W に直交します。"
                                  : " の内積に0でないものがあり、" + name +
                                        " は W に直交しません。"));
}

}  // namespace

bool Projection(const CellGrid& grid, StepLog& log, const LogStyle& style) {
    const std::optional<Split> split =
        StartOnSplit(grid, log, "最後の列を b とすると残る列がないので、射影する先の部分空間がありません。");
    if (!split) return false;
    const std::size_t n = split->columns.size();
    log.AppendStepLog("最後の列を b、残りの列を " + ShortNameList("a", n) + " とし、b を W = span{" +
                      ShortNameList("a", n) + "} へ正射影します。" + ShortNameList("a", n) +
                      " を列とする行列を A とします。");
    ConventionLine(split->real, log);
    const std::string adjoint = AdjointName(split->real);
    log.AppendStepLog("正射影は p = Ax̂ で、x̂ は正規方程式 " + adjoint + "Ax̂ = " + adjoint +
                      "b の解です。");
    const NormalSolution solution = LoggedNormalEquations(split->a, split->b, split->real, log, style);
    log.AppendStepLog(SolutionsText("x̂", solution));
    if (!solution.homogeneous.empty())
        log.AppendStepLog("A の列が一次独立でないので x̂ は一つに決まりませんが、Ax̂ はどの x̂ でも同じです。");
    const ExactVector p = Times(split->a, solution.particular);
    log.AppendStepLog("p = Ax̂ = " + VectorText(p));
    const ExactVector r = Difference(split->b, p);
    log.AppendStepLog("b - p = " + VectorText(r));
    LogOrthogonalToColumns(r, "b - p", split->columns, log);
    if (IsZeroVector(r)) log.AppendStepLog("b - p = 0 なので、b は W に含まれ、p = b です。");
    log.AppendStepLog("よって、b の W への正射影は、");
    log.AppendStepLog("p = " + VectorText(p));
    log.AppendStepLog("です。");
    const Fraction squared = InnerProduct(r, r).re;
    log.AppendStepLog("b と W の距離は、‖b - p‖ = √⟨b - p, b - p⟩ = " + RootText(squared) +
                      " です。");
    return true;
}

bool LeastSquares(const CellGrid& grid, StepLog& log, const LogStyle& style) {
    const std::optional<Split> split =
        StartOnSplit(grid, log, "最後の列を b とすると係数行列 A の列が残らないので、最小二乗法は使えません。");
    if (!split) return false;
    log.AppendStepLog(
        "この行列を (A | b) として、‖Ax - b‖ を最も小さくする x̂（Ax = b の最小二乗解）を求めます。");
    ConventionLine(split->real, log);
    const std::string adjoint = AdjointName(split->real);
    log.AppendStepLog("x̂ は、正規方程式 " + adjoint + "Ax̂ = " + adjoint + "b の解です。");
    const NormalSolution solution = LoggedNormalEquations(split->a, split->b, split->real, log, style);
    log.AppendStepLog("よって、最小二乗解は、");
    log.AppendStepLog(SolutionsText("x̂", solution));
    log.AppendStepLog("です。");
    if (!solution.homogeneous.empty())
        log.AppendStepLog("A の列が一次独立でないので最小二乗解は一つに決まりませんが、Ax̂ と残差はどの x̂ でも同じです。");
    const ExactVector ax = Times(split->a, solution.particular);
    log.AppendStepLog("Ax̂ = " + VectorText(ax));
    const ExactVector r = Difference(split->b, ax);
    log.AppendStepLog("残差は、b - Ax̂ = " + VectorText(r));
    const Fraction squared = InnerProduct(r, r).re;
    log.AppendStepLog("‖b - Ax̂‖² = " + InnerProductSum(r, r) + " = " + FracText(squared));
    log.AppendStepLog("‖b - Ax̂‖ = " + RootText(squared));
    const bool normal = IsZeroVector(Times(ConjugateTransposed(split->a), r));
    log.AppendStepLog("検算：" + adjoint + "(b - Ax̂) = 0 " + (normal ? "です。" : "ではありません。"));
    if (IsZeroVector(r))
        log.AppendStepLog("残差が0なので、Ax = b はもともと解をもち、x̂ はその解です。");
    return true;
}

bool OrthogonalComplement(const CellGrid& grid, StepLog& log, const LogStyle& style) {
    const std::vector<ExactVector> columns = StartOnVectors(grid, log, VectorLines::kColumns);
    const bool real = AllReal(columns);
    const std::size_t n = columns.size();
    const std::string adjoint = AdjointName(real);
    log.AppendStepLog("列ベクトル " + ShortNameList("a", n) + " の張る空間を W とし、その直交補空間 W⊥ を求めます。");
    ConventionLine(real, log);
    log.AppendStepLog("w が W⊥ に属するのは、⟨w, aⱼ⟩ = 0 がすべての j で成り立つときで、これは " +
                      adjoint + "w = 0 と同じです。よって、W⊥ は " + adjoint + " の核です。");
    WorkMatrix work = ConjugateTransposed(MatrixOfColumns(columns));
    PrintNamed(adjoint, work, log);
    ReductionTally tally;
    RowReduction(work, log, tally, style).RowReduce(0, 0);
    const int m = work.LastCol() + 1;
    const std::vector<ExactVector> basis = KernelBasis(work, m);
    const int dimension = static_cast<int>(basis.size());
    log.AppendStepLog("よって、直交補空間は、");
    log.AppendStepLog("W⊥ = " + SpanText(basis));
    log.AppendStepLog("です。");
    log.AppendStepLog("dim W + dim W⊥ = " + std::to_string(m - dimension) + " + " +
                      std::to_string(dimension) + " = " + std::to_string(m) + " です。");
    bool orthogonal = true;
    for (const ExactVector& w : basis) {
        for (const ExactVector& a : columns)
            orthogonal = orthogonal && CpxIsZero(InnerProduct(w, a));
    }
    if (!basis.empty())
        log.AppendStepLog(orthogonal ? "検算：W⊥ の基底のどのベクトルも、" + ShortNameList("a", n) +
                                           " のすべてと内積が0です。"
                                     : "検算：W⊥ の基底に、列と内積が0でないベクトルがあります。");
    return true;
}

}  // namespace korvane
