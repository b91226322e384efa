#include "core/engine/RankText.h"

#include <string>

#include "core/engine/ResultTexts.h"

namespace korvane {

void RankTextOfPivots(const PivotRows& pivots, std::int32_t cols, StepLog& log) {
    std::string pivotColumns;
    std::int32_t rank = 0;
    for (std::int32_t c = 0; c < cols; ++c) {
        if (pivots[c] < 0) continue;
        if (rank++ > 0) pivotColumns += "、";
        pivotColumns += std::to_string(c + 1) + "列目";
    }
    if (rank == 0) {
        log.AppendStepLog("先頭の1はどこにもありません。");
    } else {
        log.AppendStepLog("先頭の1は、" + pivotColumns + "の" + std::to_string(rank) +
                          "か所にあります。");
    }
    const std::string rankText = std::to_string(rank);
    const std::string nullity = std::to_string(cols - rank);
    const std::string colsText = std::to_string(cols);
    log.AppendStepLog("よって、階数は、" + rankText + "です。");
    log.AppendStepLog("列の数は" + colsText + "なので、核の次元（退化次数）は、" + colsText +
                      " - " + rankText + " = " + nullity + "です。");
    log.AppendStepLog("次元定理のとおり、階数と退化次数の和は列の数に等しくなります（" + rankText +
                      " + " + nullity + " = " + colsText + "）。");
}

}  // namespace korvane
