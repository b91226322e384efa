#include "core/methods/ElementaryMatrices.h"

#include <string>

#include "core/engine/MatrixArithmetic.h"
#include "core/engine/MatrixGrid.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/RowReduction.h"
#include "core/methods/CommandFrame.h"
#include "core/methods/FormulaText.h"

namespace korvane {

namespace {

// Up to this many rows each elementary matrix is printed.
constexpr int kLargestShown = 5;

// The identity with the operation done on it.
WorkMatrix ElementaryMatrix(const RowOperation& op, int n) {
    WorkMatrix e = IdentityMatrix(n);
    switch (op.kind) {
        case RowOperation::Kind::kSwap:
            e.SwapRows(op.target, op.source);
            break;
        case RowOperation::Kind::kScale:
            e.Set(op.target, op.target, op.factor);
            break;
        case RowOperation::Kind::kAdd:
            e.Set(op.source, op.target, op.factor);
            break;
    }
    return e;
}

std::string Name(int k) {
    return Subscripted("E", k);
}

// "E₃E₂E₁" for three operations.
std::string Chain(int count) {
    std::string chain;
    for (int k = count; k >= 1; --k)
        chain += Name(k);
    return chain;
}

}  // namespace

bool ElementaryMatrices(const CellGrid& grid, StepLog& log, const LogStyle& style) {
    const WorkMatrix a = StartOnGrid(grid, log);
    const int m = grid.Rows();
    const bool shown = m <= kLargestShown;
    log.AppendStepLog(
        "上の行列 A を行階段基本形 R にします。行基本変形はどれも、左から基本行列を"
        "掛けることにあたります。k 番目の操作の基本行列を Eₖ とします。");
    WorkMatrix r = a;
    WorkMatrix p = IdentityMatrix(m);
    int count = 0;
    ReductionTally tally;
    RowReduction reduction(r, log, tally, style);
    reduction.Watch([&](const RowOperation& op) {
        const WorkMatrix e = ElementaryMatrix(op, m);
        p = Product(e, p);
        const std::string name = Name(++count);
        if (!shown) {
            log.AppendStepLog("これは、基本行列 " + name + " を左から掛けることです。");
            return;
        }
        log.AppendStepLog("これは、次の基本行列 " + name + " を左から掛けることです。");
        PrintNamed(name, e, log);
    });
    reduction.RowReduce(0, 0);
    const std::string chain = count == 0 ? "I" : Chain(count);
    log.AppendStepLog(count == 0 ? "操作はないので、R = A です。"
                                 : "以上をまとめると、" + chain + "A = R です。");
    log.AppendStepLog("P = " + chain + " は、");
    PrintWorkMatrix(p, log);
    log.AppendStepLog("で、PA = R です。");
    log.AppendStepLog("検算として PA を計算すると、");
    const WorkMatrix pa = Product(p, a);
    PrintWorkMatrix(pa, log);
    log.AppendStepLog(SameMatrix(pa, r) ? "となり、R に一致します。"
                                        : "となり、R に一致しません。");
    return true;
}

}  // namespace korvane
