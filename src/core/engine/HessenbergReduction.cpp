#include "core/engine/HessenbergReduction.h"

#include <string>
#include <utility>

#include "core/engine/MatrixPrinting.h"

namespace korvane {

namespace {

std::string Row(std::int32_t r) {
    return std::to_string(r + 1) + "行目";
}

std::string Col(std::int32_t c) {
    return std::to_string(c + 1) + "列目";
}

// The pair worded as a student reads it: a factor whose text starts with a
// minus sign is added to the row as its opposite, and the column operation
// turns with it.
std::string EliminationSentence(std::int32_t target, std::int32_t source,
                                const ComplexFraction& factor) {
    const std::string text = CpxText(factor);
    if (text.starts_with('-')) {
        const std::string opposite = CpxText(CpxNeg(factor));
        return Row(target) + "に" + Row(source) + "の" + opposite + "倍を足し、" + Col(source) +
               "から" + Col(target) + "の" + opposite + "倍を引きます。";
    }
    return Row(target) + "から" + Row(source) + "の" + text + "倍を引き、" + Col(source) + "に" +
           Col(target) + "の" + text + "倍を足します。";
}

}  // namespace

bool HessenbergReduction::Reduce() {
    const std::int32_t last = matrix_.LastRow();
    bool stepped = false;
    for (std::int32_t col = 0; col + 2 <= last; ++col) {
        const std::int32_t pivotRow = col + 1;
        if (CpxIsZero(matrix_.At(col, pivotRow))) {
            std::int32_t below = pivotRow + 1;
            while (below <= last && CpxIsZero(matrix_.At(col, below)))
                ++below;
            if (below > last) continue;  // the column is done already
            SwapRowsAndColumns(pivotRow, below);
            stepped = true;
        }
        const ComplexFraction inversePivot = CpxInv(matrix_.At(col, pivotRow));
        for (std::int32_t r = pivotRow + 1; r <= last; ++r) {
            if (CpxIsZero(matrix_.At(col, r))) continue;
            EliminateWithColumn(r, pivotRow, CpxMul(matrix_.At(col, r), inversePivot));
            stepped = true;
        }
    }
    return stepped;
}

void HessenbergReduction::SwapRowsAndColumns(std::int32_t a, std::int32_t b) {
    matrix_.SwapRows(a, b);
    for (std::int32_t r = 0; r <= matrix_.LastRow(); ++r) {
        ComplexFraction first = matrix_.At(a, r);
        matrix_.Set(a, r, matrix_.At(b, r));
        matrix_.Set(b, r, std::move(first));
    }
    log_.AppendStepLog(Row(a) + "と" + Row(b) + "を入れ換え、" + Col(a) + "と" + Col(b) +
                       "も入れ換えます。");
    PrintWorkMatrix(matrix_, log_);
}

void HessenbergReduction::EliminateWithColumn(std::int32_t target, std::int32_t source,
                                              ComplexFraction factor) {
    for (std::int32_t c = 0; c <= matrix_.LastCol(); ++c) {
        if (!CpxIsZero(matrix_.At(c, source)))
            CpxSubMul(matrix_.Edit(c, target), matrix_.At(c, source), factor);
    }
    // Column source += factor × column target, as −= (−factor) × column target.
    const ComplexFraction negated = CpxNeg(factor);
    for (std::int32_t r = 0; r <= matrix_.LastRow(); ++r) {
        if (!CpxIsZero(matrix_.At(target, r)))
            CpxSubMul(matrix_.Edit(source, r), matrix_.At(target, r), negated);
    }
    log_.AppendStepLog(EliminationSentence(target, source, factor));
    PrintWorkMatrix(matrix_, log_);
}

}  // namespace korvane
