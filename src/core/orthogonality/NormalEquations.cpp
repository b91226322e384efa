#include "core/orthogonality/NormalEquations.h"

#include "core/engine/KernelBasis.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/ResultTexts.h"
#include "core/engine/RowReduction.h"
#include "core/methods/CommandFrame.h"
#include "core/methods/FormulaText.h"
#include "core/orthogonality/GridVectors.h"
#include "core/orthogonality/InnerProduct.h"

namespace korvane {

namespace {

// (M | c): M with c as one more column.
WorkMatrix Augmented(const WorkMatrix& m, const ExactVector& c) {
    WorkMatrix augmented;
    const int n = m.LastCol() + 1;
    augmented.Resize(n + 1, m.LastRow() + 1);
    for (int r = 0; r <= m.LastRow(); ++r) {
        for (int col = 0; col < n; ++col)
            augmented.Set(col, r, m.At(col, r));
        augmented.Set(n, r, c[static_cast<std::size_t>(r)]);
    }
    return augmented;
}

NormalSolution ReadSolutions(const WorkMatrix& reduced, int unknowns) {
    NormalSolution solution;
    solution.particular.assign(static_cast<std::size_t>(unknowns), CpxZero());
    const PivotRows pivots = FindPivotRows(reduced);
    for (int c = 0; c < unknowns; ++c) {
        if (pivots[static_cast<std::size_t>(c)] >= 0)
            solution.particular[static_cast<std::size_t>(c)] =
                reduced.At(unknowns, pivots[static_cast<std::size_t>(c)]);
    }
    solution.homogeneous = KernelBasis(reduced, unknowns);
    return solution;
}

}  // namespace

std::string AdjointName(bool real, const std::string& name) {
    return name + (real ? "ᵀ" : "ᴴ");
}

ExactVector Times(const WorkMatrix& a, const ExactVector& x) {
    return Apply(ColumnsOf(a), x);
}

NormalSolution LoggedNormalEquations(const WorkMatrix& a, const ExactVector& b, bool real,
                                     StepLog& log, const LogStyle& style) {
    const std::string adjoint = AdjointName(real);
    const WorkMatrix adjointA = ConjugateTransposed(a);
    const WorkMatrix gram = Product(adjointA, a);
    const ExactVector right = Times(adjointA, b);
    PrintNamed(adjoint + "A", gram, log);
    log.AppendStepLog(adjoint + "b = " + VectorText(right));
    log.AppendStepLog("(" + adjoint + "A | " + adjoint + "b) を行基本変形で簡約します。");
    WorkMatrix work = Augmented(gram, right);
    PrintWorkMatrix(work, log);
    ReductionTally tally;
    RowReduction(work, log, tally, style).RowReduce(0, 0);
    return ReadSolutions(work, a.LastCol() + 1);
}

std::string SolutionsText(const std::string& name, const NormalSolution& solution) {
    std::string text = name + " = " + VectorText(solution.particular);
    for (std::size_t k = 0; k < solution.homogeneous.size(); ++k) {
        text += " + ";
        text += VectorName("t", k);
        text += VectorText(solution.homogeneous[k]);
    }
    if (!solution.homogeneous.empty())
        text += "（" + NameList("t", solution.homogeneous.size()) + " は任意の数）";
    return text;
}

}  // namespace korvane
