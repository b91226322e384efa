#include "core/workspace/EquationWorking.h"

#include <vector>

#include "core/engine/MatrixArithmetic.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/ResultTexts.h"
#include "core/engine/RowReduction.h"
#include "core/engine/SolutionText.h"
#include "core/workspace/MatrixWorking.h"

namespace korvane {

namespace {

// (A | B): the columns of a, then those of b.
WorkMatrix SideBySide(const WorkMatrix& a, const WorkMatrix& b) {
    const int n = a.LastCol() + 1;
    WorkMatrix augmented;
    augmented.Resize(n + b.LastCol() + 1, a.LastRow() + 1);
    for (int r = 0; r <= a.LastRow(); ++r) {
        for (int c = 0; c < n; ++c)
            augmented.Set(c, r, a.At(c, r));
        for (int c = 0; c <= b.LastCol(); ++c)
            augmented.Set(n + c, r, b.At(c, r));
    }
    return augmented;
}

}  // namespace

std::optional<WorkMatrix> EquationWorking::Solve(const WorkMatrix& a, const WorkMatrix& b,
                                                 const EquationNames& names) {
    if (names.unknownOnLeft) {
        const std::string& at = names.aTransposed;
        const std::string& bt = names.bTransposed;
        log_.AppendStepLog(names.equation + " の両辺を転置すると、" + at + "X^T = " + bt +
                           " です。これを X^T についての方程式として解きます。以下、" + at +
                           " を A、" + bt + " を B、X^T を X と書きます。");
    } else if (names.a != "A" || names.b != "B") {
        log_.AppendStepLog("以下、係数行列 " + names.a + " を A、右辺 " + names.b +
                           " を B と書きます。");
    }
    const WorkMatrix coefficient = names.unknownOnLeft ? Transposed(a) : a;
    WorkMatrix augmented = SideBySide(coefficient, names.unknownOnLeft ? Transposed(b) : b);
    const std::int32_t unknowns = coefficient.LastCol() + 1;
    const std::vector<ExactVector> original = ColumnsOf(augmented);
    log_.AppendStepLog("拡大係数行列 (A | B) を作ります。");
    PrintWorkMatrix(augmented, log_);
    log_.AppendStepLog("上の行列を行階段基本形にします。");
    ReductionTally tally;
    RowReduction(augmented, log_, tally, style_).RowReduce(0, 0);
    SolutionText(original, augmented, unknowns, log_);

    // One solution exactly when every column of A holds a pivot and no
    // column of B does.
    const PivotRows pivots = FindPivotRows(augmented);
    bool unique = true, solvable = true;
    for (std::int32_t c = 0; c <= augmented.LastCol(); ++c) {
        if (c < unknowns) unique = unique && pivots[c] >= 0;
        if (c >= unknowns) solvable = solvable && pivots[c] < 0;
    }
    if (!solvable || !unique) {
        log_.AppendStepLog("よって、" + names.equation + " を満たす X は" +
                           (solvable ? "一つに決まりません。" : "ありません。"));
        return std::nullopt;
    }
    WorkMatrix x;
    x.Resize(augmented.LastCol() + 1 - unknowns, unknowns);
    for (std::int32_t c = 0; c <= x.LastCol(); ++c) {
        for (std::int32_t r = 0; r < unknowns; ++r)
            x.Set(c, r, augmented.At(unknowns + c, r));
    }
    if (!names.unknownOnLeft) return x;
    log_.AppendStepLog("元の方程式の X は、この解 X^T を転置した行列です。");
    return Transposed(x);
}

void EquationWorking::Check(const WorkMatrix& x, const WorkMatrix& a, const WorkMatrix& b,
                            const EquationNames& names) {
    const WorkMatrix product = names.unknownOnLeft ? ProductOf(x, a) : ProductOf(a, x);
    const std::string side = names.equation.substr(0, names.equation.find(" = "));
    log_.AppendStepLog("検算：" + side + " を計算すると、");
    PrintWorkMatrix(product, log_);
    log_.AppendStepLog(SameMatrix(product, b) ? "となり、" + names.b + " に一致します。"
                                              : "となり、" + names.b + " に一致しません。");
}

}  // namespace korvane
