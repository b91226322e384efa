#include "core/engine/ResultTexts.h"

#include <string>

#include "core/CellValue.h"

namespace korvane {

namespace {

std::string WholeSpace(std::int32_t dimension) {
    return std::to_string(dimension) + "次元ベクトル空間全体";
}

void AppendResult(StepLog& log, std::string_view leadIn, const std::string& result) {
    log.AppendStepLog(leadIn);
    log.AppendStepLog(result);
    log.AppendStepLog("です。");
}

// The basis vector of the kernel that belongs to the free column: 1 there, 0
// in the other free columns, minus the free column's entry in each pivot row.
std::string KernelVector(const WorkMatrix& reduced, const PivotRows& pivots, std::int32_t free) {
    std::string vector = "(";
    for (std::int32_t j = 0; j <= reduced.LastCol(); ++j) {
        if (j > 0) vector += ',';
        if (pivots[j] < 0) {
            vector += j == free ? '1' : '0';
        } else {
            vector += CpxText(CpxNeg(reduced.At(free, pivots[j])));
        }
    }
    return vector + ")";
}

// An empty cell was read as 0, so it is shown as 0 here too.
std::string GridColumn(const CellGrid& grid, std::int32_t col, std::int32_t lastRow) {
    std::string vector = "(";
    for (std::int32_t r = 0; r <= lastRow; ++r) {
        if (r > 0) vector += ',';
        const std::string& text = grid.Cell(col, r);
        vector += IsEmptyCell(text) ? "0" : text;
    }
    return vector + ")";
}

}  // namespace

PivotRows FindPivotRows(const WorkMatrix& reduced) {
    PivotRows pivots;
    pivots.fill(-1);
    for (std::int32_t r = 0; r <= reduced.LastRow(); ++r) {
        for (std::int32_t c = 0; c <= reduced.LastCol(); ++c) {
            if (CpxIsOne(reduced.At(c, r))) {
                pivots[c] = r;
                break;
            }
        }
    }
    return pivots;
}

void KernelText(const WorkMatrix& reduced, StepLog& log, std::string_view lead) {
    const PivotRows pivots = FindPivotRows(reduced);
    const std::int32_t cols = reduced.LastCol() + 1;
    std::string result;
    std::int32_t freeCount = 0;
    for (std::int32_t f = 0; f < cols; ++f) {
        if (pivots[f] >= 0) continue;
        result += freeCount++ == 0 ? "span{" : ",";
        result += KernelVector(reduced, pivots, f);
    }
    if (freeCount == cols) {
        result = WholeSpace(cols);
    } else if (freeCount == 0) {
        result = "{0}";
    } else {
        result += '}';
    }
    AppendResult(log, lead, result);
}

void ImageText(const WorkMatrix& reduced, const CellGrid& grid, StepLog& log) {
    const PivotRows pivots = FindPivotRows(reduced);
    std::string result;
    std::int32_t pivotCount = 0;
    for (std::int32_t c = 0; c <= reduced.LastCol(); ++c) {
        if (pivots[c] < 0) continue;
        result += pivotCount++ == 0 ? "span{" : ",";
        result += GridColumn(grid, c, reduced.LastRow());
    }
    if (pivotCount == reduced.LastRow() + 1) {
        result = WholeSpace(reduced.LastRow() + 1);
    } else if (pivotCount == 0) {
        result = "{0}";
    } else {
        result += '}';
    }
    AppendResult(log, "よってこのベクトルの像は、", result);
}

ComplexFraction ParitySign(std::int32_t swaps) {
    ComplexFraction sign = CpxOne();
    sign.re.num = swaps % 2 != 0 ? -1 : 1;
    return sign;
}

}  // namespace korvane
