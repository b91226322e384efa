#include "core/methods/CramersRule.h"

#include <string>

#include "core/StopSignal.h"
#include "core/engine/KernelBasis.h"
#include "core/engine/MatrixArithmetic.h"
#include "core/engine/MatrixGrid.h"
#include "core/engine/MatrixPrinting.h"
#include "core/methods/CommandFrame.h"
#include "core/methods/FormulaText.h"
#include "core/methods/Sarrus.h"

namespace korvane {

namespace {

// Up to this size a determinant is worked by Sarrus's rule.
constexpr int kLargestWorked = 3;

// The square matrix of the first n columns, with b in column replaced
// (-1 for none).
WorkMatrix WithColumn(const WorkMatrix& augmented, int replaced) {
    const int n = augmented.LastRow() + 1;
    WorkMatrix a;
    a.Resize(n, n);
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < n; ++r)
            a.Set(c, r, augmented.At(c == replaced ? n : c, r));
    }
    return a;
}

ComplexFraction LoggedDeterminant(const WorkMatrix& a, const std::string& name, StepLog& log) {
    if (a.LastRow() + 1 <= kLargestWorked) return LoggedSarrus(a, name, log);
    const ComplexFraction det = DeterminantOf(a);
    log.AppendStepLog("det " + name + " = " + CpxText(det));
    return det;
}

void LogCheck(const WorkMatrix& augmented, const ExactVector& x, StepLog& log) {
    std::vector<ExactVector> columns = ColumnsOf(augmented);
    const ExactVector b = columns.back();
    const ExactVector ax = Apply(columns, x);
    log.AppendStepLog("検算：x = " + VectorText(x) + " を代入すると、Ax = " + VectorText(ax) +
                      (ax == b ? " となり、b に一致します。" : " となり、b に一致しません。"));
}

}  // namespace

bool CramersRule(const CellGrid& grid, StepLog& log) {
    if (grid.Cols() != grid.Rows() + 1) {
        log.ClearStepLog();
        log.AppendStepLog(
            "最後の列を右辺 b とすると係数行列 A が正方行列にならないので、"
            "クラメルの公式は使えません。");
        return false;
    }
    const WorkMatrix augmented = StartOnGrid(grid, log);
    log.AppendStepLog(
        "この行列を拡大係数行列 (A | b) として、連立一次方程式 Ax = b "
        "をクラメルの公式で解きます。");
    const int n = grid.Rows();
    PrintNamed("A", WithColumn(augmented, -1), log);
    if (n > kLargestWorked) log.AppendStepLog("4行4列以上の行列式は、値だけを示します。");
    const ComplexFraction det = LoggedDeterminant(WithColumn(augmented, -1), "A", log);
    if (CpxIsZero(det)) {
        log.AppendStepLog(
            "det A = 0 なので、クラメルの公式は使えません。解があるかどうかは、"
            "連立一次方程式を解く計算（solve）で調べられます。");
        return false;
    }
    log.AppendStepLog(
        "det A ≠ 0 なので、解はただ一つで、xₖ = det Aₖ / det A です。Aₖ は、A の k "
        "列目を b で置き換えた行列です。");
    ExactVector x;
    for (int k = 0; k < n; ++k) {
        StopPoint();
        const std::string name = Subscripted("A", k + 1);
        const WorkMatrix ak = WithColumn(augmented, k);
        PrintNamed(name, ak, log);
        const ComplexFraction detK = LoggedDeterminant(ak, name, log);
        x.push_back(CpxMul(detK, CpxInv(det)));
        std::string line = Subscripted("x", k + 1);
        line += " = det " + name + " / det A = " + Factor(detK) + "/" + Factor(det) + " = " +
                CpxText(x.back());
        log.AppendStepLog(line);
    }
    log.AppendStepLog("よって、解は、");
    log.AppendStepLog("x = " + VectorText(x));
    log.AppendStepLog("です。");
    LogCheck(augmented, x, log);
    return true;
}

}  // namespace korvane
