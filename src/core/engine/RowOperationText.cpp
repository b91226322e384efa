#include "core/engine/RowOperationText.h"

namespace korvane {

namespace {

std::string RowNumber(std::int32_t row) {
    return std::to_string(row + 1);
}

}  // namespace

std::string SwapSentence(std::int32_t a, std::int32_t b) {
    return RowNumber(a) + "行目と" + RowNumber(b) + "行目を入れ換えます。";
}

std::string ScaleSentence(std::int32_t row, const ComplexFraction& factor) {
    return RowNumber(row) + "行目を" + CpxText(factor) + "倍します。";
}

std::string SubtractSentence(std::int32_t target, std::int32_t source,
                             const ComplexFraction& factor) {
    return RowNumber(target) + "行目から" + RowNumber(source) + "行目の" + CpxText(factor) +
           "倍を引きます。";
}

std::string AddSentence(std::int32_t target, std::int32_t source, const ComplexFraction& factor) {
    return RowNumber(target) + "行目に" + RowNumber(source) + "行目の" + CpxText(factor) +
           "倍を足します。";
}

std::string RowAdditionSentence(std::int32_t target, std::int32_t source,
                                const ComplexFraction& added) {
    const std::string text = CpxText(added);
    if (text.starts_with('-')) return SubtractSentence(target, source, CpxNeg(added));
    return AddSentence(target, source, added);
}

}  // namespace korvane
