#include "core/methods/LuDecomposition.h"

#include <string>
#include <vector>

#include "core/StopSignal.h"
#include "core/engine/MatrixArithmetic.h"
#include "core/engine/MatrixGrid.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/RowReduction.h"
#include "core/methods/CommandFrame.h"

namespace korvane {

namespace {

// The elimination: U, the multiples written below L's diagonal, and the
// exchanges, applied to the identity, as P.
class Elimination {
  public:
    Elimination(const WorkMatrix& a, StepLog& log, const LogStyle& style)
        : u_(a), log_(log), reduction_(u_, log_, tally_, style) {
        const int m = a.LastRow() + 1;
        multiples_.Resize(m, m);
        p_ = IdentityMatrix(m);
        reduction_.Watch([this](const RowOperation& op) { Record(op); });
    }

    // Square matrices go down the diagonal, a column without a pivot
    // leaving a zero on it; others go to row echelon form.
    void Run(bool square) {
        int col = 0;
        int row = 0;
        while (col <= u_.LastCol() && row <= u_.LastRow()) {
            StopPoint();
            if (CpxIsZero(u_.At(col, row))) {
                const int below = reduction_.FindNonzeroBelow(col, row);
                if (below == 0) {
                    ++col;
                    if (square) ++row;
                    continue;
                }
                reduction_.SwapRows(row, below);
            }
            const ComplexFraction inverse = CpxInv(u_.At(col, row));
            for (int r = row + 1; r <= u_.LastRow(); ++r) {
                if (!CpxIsZero(u_.At(col, r)))
                    reduction_.SubtractRowMultiple(r, row, CpxMul(u_.At(col, r), inverse));
            }
            ++col;
            ++row;
        }
    }

    const WorkMatrix& U() const { return u_; }
    const WorkMatrix& P() const { return p_; }
    int Exchanges() const { return tally_.swapCount; }
    WorkMatrix L() const {
        WorkMatrix l = multiples_;
        for (int i = 0; i <= l.LastRow(); ++i)
            l.Set(i, i, CpxOne());
        return l;
    }

  private:
    void Record(const RowOperation& op) {
        if (op.kind == RowOperation::Kind::kSwap) {
            const bool written = !RowIsZero(op.target) || !RowIsZero(op.source);
            p_.SwapRows(op.target, op.source);
            multiples_.SwapRows(op.target, op.source);
            log_.AppendStepLog(
                written ? "この入れ換えを P に記録し、L にすでに書いた倍数も入れ換えます。"
                        : "この入れ換えを P に記録します。");
            return;
        }
        const ComplexFraction multiple = CpxNeg(op.factor);
        log_.AppendStepLog("L の(" + std::to_string(op.target + 1) + "," +
                           std::to_string(op.source + 1) + ")成分に、引いた倍数" +
                           CpxText(multiple) + "を書きます。");
        multiples_.Set(op.source, op.target, multiple);
    }

    bool RowIsZero(int row) const {
        for (int c = 0; c <= multiples_.LastCol(); ++c) {
            if (!CpxIsZero(multiples_.At(c, row))) return false;
        }
        return true;
    }

    WorkMatrix u_;
    StepLog& log_;
    ReductionTally tally_;
    RowReduction reduction_;
    WorkMatrix multiples_;
    WorkMatrix p_;
};

void LogCheck(const WorkMatrix& lu, const WorkMatrix& expected, bool exchanged, StepLog& log) {
    log.AppendStepLog("検算として LU を計算すると、");
    PrintWorkMatrix(lu, log);
    std::string verdict = "となり、";
    verdict += exchanged ? "PA" : "A";
    verdict += SameMatrix(lu, expected) ? " に一致します。" : " に一致しません。";
    log.AppendStepLog(verdict);
}

}  // namespace

bool LuDecomposition(const CellGrid& grid, StepLog& log, const LogStyle& style) {
    const WorkMatrix a = StartOnGrid(grid, log);
    const bool square = grid.IsSquare();
    log.AppendStepLog(std::string("上の行列 A を、対角成分が1の下三角行列 L と、") +
                      (square ? "上三角行列" : "行階段形の行列") +
                      " U の積に分解します。A を行基本変形で U にしながら、引いた倍数を L "
                      "の同じ位置に書きます。");
    Elimination elimination(a, log, style);
    elimination.Run(square);
    log.AppendStepLog(square ? "これで、U は上三角行列になりました。"
                             : "これで、U は行階段形になりました。");
    const bool exchanged = elimination.Exchanges() > 0;
    if (exchanged) {
        log.AppendStepLog(
            "この消去では行の入れ換えが必要だったので、単位行列に同じ入れ換えを"
            "した置換行列 P を使うと、PA = LU で、");
        PrintNamed("P", elimination.P(), log);
    } else {
        log.AppendStepLog("行を入れ換えずにすんだので、A = LU で、");
    }
    const WorkMatrix l = elimination.L();
    PrintNamed("L", l, log);
    PrintNamed("U", elimination.U(), log);
    log.AppendStepLog("です。");
    LogCheck(Product(l, elimination.U()), exchanged ? Product(elimination.P(), a) : a, exchanged,
             log);
    return true;
}

}  // namespace korvane
