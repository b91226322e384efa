#include "core/parameter/CaseValues.h"

#include <string>

#include "core/StopSignal.h"

namespace korvane {

WorkMatrix SubstitutedMatrix(const ParameterWorkMatrix& m, const ComplexFraction& value) {
    WorkMatrix q;
    q.Resize(m.LastCol() + 1, m.LastRow() + 1);
    for (std::int32_t c = 0; c <= m.LastCol(); ++c) {
        for (std::int32_t r = 0; r <= m.LastRow(); ++r) {
            StopPoint();
            q.Set(c, r, RfAt(m.At(c, r), value));
        }
    }
    return q;
}

void LogDeterminantZeros(const RationalFunction& det, char letter, const ParameterRoots& excluded,
                         StepLog& log) {
    if (RfIsZero(det)) return;
    const Polynomial zeros = NewZeros(det.Numerator(), excluded);
    if (zeros.Degree() <= 0) {
        std::string line = "行列式は、どの ";
        line += letter;
        line += " でも0になりません。";
        log.AppendStepLog(line);
        return;
    }
    std::string line = "行列式が0になるのは、";
    line += ZeroConditionText(letter, SplitRoots(zeros));
    line += " のときです。";
    log.AppendStepLog(line);
}

}  // namespace korvane
