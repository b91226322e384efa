#include "core/methods/Adjugate.h"

#include <string>

#include "core/StopSignal.h"
#include "core/engine/MatrixArithmetic.h"
#include "core/engine/MatrixPrinting.h"
#include "core/methods/CommandFrame.h"
#include "core/methods/FormulaText.h"
#include "core/methods/Minors.h"
#include "core/methods/Sarrus.h"

namespace korvane {

namespace {

// Up to this size every minor is shown and worked by Sarrus's rule.
constexpr int kLargestShownMinors = 4;

// C_ij, with the minor shown and worked, or only its value.
ComplexFraction Cofactor(const WorkMatrix& a, int row, int col, bool shown, StepLog& log) {
    const std::string minorName = MinorName("M", row, col);
    const WorkMatrix minor = MinorOf(a, row, col);
    ComplexFraction det;
    if (shown) {
        LogMinor("A", row, col, minorName, minor, log);
        det = LoggedSarrus(minor, minorName, log);
    } else {
        det = DeterminantOf(minor);
    }
    const ComplexFraction sign = OddPlace(row, col) ? CpxNeg(CpxOne()) : CpxOne();
    const ComplexFraction cofactor = CpxMul(sign, det);
    std::string line = MinorName("C", row, col);
    line += " = " + SignPower(row, col) + "·det " + minorName + " = " + Factor(sign) + "·" +
            Factor(det) + " = " + CpxText(cofactor);
    log.AppendStepLog(line);
    return cofactor;
}

// The matrix of cofactors, each logged.
WorkMatrix Cofactors(const WorkMatrix& a, StepLog& log) {
    const int n = a.LastRow() + 1;
    WorkMatrix cofactors;
    cofactors.Resize(n, n);
    if (n == 1) {
        log.AppendStepLog(
            "1行1列の行列では、取り除くと何も残らないので、余因子を C₁₁ = 1 とします。");
        cofactors.Set(0, 0, CpxOne());
        return cofactors;
    }
    const bool shown = n <= kLargestShownMinors;
    if (!shown) {
        log.AppendStepLog("5行5列以上なので、小行列は示さず、その行列式の値を書きます。");
    }
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            StopPoint();
            cofactors.Set(c, r, Cofactor(a, r, c, shown, log));
        }
    }
    return cofactors;
}

void LogResult(std::string_view lead, const WorkMatrix& matrix, StepLog& log) {
    log.AppendStepLog(lead);
    PrintWorkMatrix(matrix, log);
    log.AppendStepLog("です。");
}

// det A as the first row's entries times their cofactors.
ComplexFraction FirstRowExpansion(const WorkMatrix& a, const WorkMatrix& cofactors, StepLog& log) {
    std::string sum;
    ComplexFraction det = CpxZero();
    for (int c = 0; c <= a.LastCol(); ++c) {
        if (!sum.empty()) sum += " + ";
        sum += Factor(a.At(c, 0)) + "·" + Factor(cofactors.At(c, 0));
        det = Plus(det, CpxMul(a.At(c, 0), cofactors.At(c, 0)));
    }
    log.AppendStepLog("1行目の成分にその余因子を掛けて足すと（1行目での余因子展開）、");
    log.AppendStepLog("det A = " + sum + " = " + CpxText(det));
    return det;
}

}  // namespace

bool Adjugate(const CellGrid& grid, StepLog& log) {
    WorkMatrix a;
    if (!StartOnSquare(grid, log, a, "正方行列でないので、余因子行列はありません。")) return false;
    log.AppendStepLog(
        "(i,j)成分の余因子は、A から i 行目と j 列目を取り除いた小行列の行列式に (-1)^(i+j) "
        "を掛けたものです。");
    const WorkMatrix cofactors = Cofactors(a, log);
    LogResult("余因子を並べた行列 C は、", cofactors, log);
    const WorkMatrix adjugate = Transposed(cofactors);
    LogResult("C を転置した余因子行列 adj A は、", adjugate, log);
    const ComplexFraction det = FirstRowExpansion(a, cofactors, log);
    if (CpxIsZero(det)) {
        log.AppendStepLog("det A = 0 なので、この行列は非可逆です。");
        return true;
    }
    log.AppendStepLog("det A ≠ 0 なので、逆行列は adj A の各成分を det A = " + CpxText(det) +
                      " で割った行列 A^-1 = adj A / det A です。");
    const ComplexFraction inverseDet = CpxInv(det);
    WorkMatrix inverse = adjugate;
    for (int c = 0; c <= inverse.LastCol(); ++c) {
        for (int r = 0; r <= inverse.LastRow(); ++r)
            inverse.Set(c, r, CpxMul(adjugate.At(c, r), inverseDet));
    }
    LogResult("よって、逆行列は、", inverse, log);
    return true;
}

}  // namespace korvane
