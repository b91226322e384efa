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

void KernelResultText(std::int32_t cols, std::size_t basisSize, const std::string& spanText,
                      StepLog& log, std::string_view lead) {
    if (basisSize == static_cast<std::size_t>(cols)) {
        AppendResult(log, lead, WholeSpace(cols));
    } else {
        AppendResult(log, lead, spanText);
    }
}

void ImageTextOfPivots(const PivotRows& pivots, std::int32_t lastRow, std::int32_t lastCol,
                       const CellGrid& grid, StepLog& log) {
    std::string result;
    std::int32_t pivotCount = 0;
    for (std::int32_t c = 0; c <= lastCol; ++c) {
        if (pivots[c] < 0) continue;
        result += pivotCount++ == 0 ? "span{" : ",";
        result += GridColumn(grid, c, lastRow);
    }
    if (pivotCount == lastRow + 1) {
        result = WholeSpace(lastRow + 1);
    } else if (pivotCount == 0) {
        result = "{0}";
    } else {
        result += '}';
    }
    AppendResult(log, "よってこのベクトルの像は、", result);
}

}  // namespace korvane
