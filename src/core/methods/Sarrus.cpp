#include "core/methods/Sarrus.h"

#include <string>
#include <vector>

#include "core/engine/MatrixPrinting.h"
#include "core/methods/CommandFrame.h"
#include "core/methods/FormulaText.h"

namespace korvane {

namespace {

// One product of the rule: its (row, column) places and its sign.
struct Diagonal {
    std::vector<std::pair<int, int>> places;
    bool negative = false;
};

std::vector<Diagonal> Diagonals(int size) {
    if (size == 1) return {{{{0, 0}}, false}};
    if (size == 2) return {{{{0, 0}, {1, 1}}, false}, {{{0, 1}, {1, 0}}, true}};
    // Down to the right from the first row's three entries, then down to the
    // left from the third, first and second, as the copied columns show them.
    std::vector<Diagonal> diagonals;
    for (int start = 0; start < 3; ++start) {
        diagonals.push_back({{{0, start}, {1, (start + 1) % 3}, {2, (start + 2) % 3}}, false});
    }
    for (const int start : {2, 0, 1}) {
        diagonals.push_back({{{0, start}, {1, (start + 2) % 3}, {2, (start + 1) % 3}}, true});
    }
    return diagonals;
}

}  // namespace

ComplexFraction LoggedSarrus(const WorkMatrix& matrix, std::string_view name, StepLog& log) {
    std::string products;
    std::string values;
    ComplexFraction det = CpxZero();
    for (const Diagonal& d : Diagonals(matrix.LastRow() + 1)) {
        std::vector<ComplexFraction> factors;
        for (const auto& [row, col] : d.places)
            factors.push_back(matrix.At(col, row));
        const ComplexFraction value = ProductOf(factors);
        AppendSigned(products, d.negative, ProductText(factors));
        // A zero product keeps its diagonal's sign: "1·1 - 2·0 = 1 - 0".
        if (CpxIsZero(value)) {
            AppendSigned(values, d.negative, "0");
        } else {
            AppendValue(values, d.negative ? CpxNeg(value) : value);
        }
        det = d.negative ? CpxSub(det, value) : Plus(det, value);
    }
    std::string line = "det ";
    line += name;
    line += " = ";
    if (matrix.LastRow() > 0) {
        line += products;
        line += " = ";
        line += values;
        line += " = ";
    }
    line += CpxText(det);
    log.AppendStepLog(line);
    return det;
}

bool SarrusDeterminant(const CellGrid& grid, StepLog& log) {
    WorkMatrix matrix;
    if (!StartOnSquare(grid, log, matrix, kNoDeterminant)) return false;
    if (grid.Rows() != 2 && grid.Rows() != 3) {
        log.AppendStepLog("サラスの方法は、2行2列と3行3列の行列の行列式にだけ使えます。");
        return false;
    }
    log.AppendStepLog("サラスの方法で行列式を求めます。");
    if (grid.Rows() == 2) {
        log.AppendStepLog("右下がりの対角線の積から、左下がりの対角線の積を引きます。");
    } else {
        WorkMatrix widened;
        widened.Resize(5, 3);
        for (int c = 0; c < 5; ++c) {
            for (int r = 0; r < 3; ++r)
                widened.Set(c, r, matrix.At(c % 3, r));
        }
        log.AppendStepLog("1列目と2列目を右に書き写すと、");
        PrintWorkMatrix(widened, log);
        log.AppendStepLog("です。");
        log.AppendStepLog(
            "右下がりの3本の対角線に沿った積を足し、左下がりの3本の対角線に沿った積を引きます。");
    }
    DeterminantResult(LoggedSarrus(matrix, "A", log), log);
    return true;
}

}  // namespace korvane
