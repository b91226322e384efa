#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/StepLog.h"
#include "core/engine/EngineField.h"
#include "core/engine/LogStyle.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/MatrixShapes.h"
#include "core/engine/RowReduction.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// The inverse and the determinant read off a logged reduction, with the
// sentences that close their logs; over any field.

inline constexpr std::string_view kReductionIntroduction = "上の行列を行階段基本形にします。";

// +1 for an even count of row exchanges, −1 for an odd one.
template <EngineField F>
typename F::Number ParitySignOf(std::int32_t swaps) {
    return swaps % 2 != 0 ? F::Neg(F::One()) : F::One();
}

// Reduces [A | I] in matrix with its whole log, the matrix printed first.
// For an invertible A it leaves A⁻¹ in matrix, logs it and returns true;
// otherwise it says A is singular and returns false.
template <EngineField F>
bool InvertAugmented(BasicWorkMatrix<F>& matrix, StepLog& log, BasicReductionTally<F>& tally,
                     const LogStyle& style) {
    PrintWorkMatrix(matrix, log);
    log.AppendStepLog(kReductionIntroduction);
    BasicRowReduction<F>(matrix, log, tally, style).RowReduce(0, 0);
    if (!IsIdentity(matrix)) {
        log.AppendStepLog("よって、この行列は非可逆です。");
        return false;
    }
    KeepRightHalf(matrix);
    log.AppendStepLog("よって、逆行列は、");
    PrintWorkMatrix(matrix, log);
    log.AppendStepLog("です。");
    return true;
}

// The determinant of the square matrix a reduction brought to reduced form,
// from its tally: 0 for a singular matrix, otherwise the inverse of the
// scaling product, negated for an odd count of exchanges. Logs how.
template <EngineField F>
typename F::Number DeterminantFromReduction(const BasicWorkMatrix<F>& reduced,
                                            const BasicReductionTally<F>& tally, StepLog& log,
                                            const LogStyle& style) {
    if (!IsIdentity(reduced)) {
        log.AppendStepLog("これは可逆行列でなかったため、行列式は0です。");
        return F::Zero();
    }
    std::string tallied = "以上の操作の中で、行を";
    tallied += std::to_string(tally.swapCount);
    tallied += "回入れ換え、合計";
    F::AppendText(tallied, tally.detFactor);
    tallied += "倍しました。";
    log.AppendStepLog(tallied);
    if (style.additionWording)
        log.AppendStepLog("行列式は、この合計の逆数に、行を入れ換えた回数だけ-1を掛けたものです。");
    typename F::Number det = F::Mul(F::Inv(tally.detFactor), ParitySignOf<F>(tally.swapCount));
    std::string closing = "よって、行列式は、";
    F::AppendText(closing, det);
    closing += "です。";
    log.AppendStepLog(closing);
    return det;
}

}  // namespace korvane
