#include "core/parameter/CaseValues.h"

#include <string>

#include "core/StopSignal.h"

namespace korvane {

namespace {

// p(value) by Horner's rule.
Surd PolynomialAtSurd(const Polynomial& p, const Surd& value) {
    Surd sum = SurdZero();
    for (int k = p.Degree(); k >= 0; --k)
        sum = SurdAdd(SurdMul(sum, value), SurdFromCpx(p.Coefficient(k)));
    return sum;
}

}  // namespace

ComplexFraction ValueAt(const RationalFunction& x, const ComplexFraction& value) {
    return RfAt(x, value);
}

Surd ValueAt(const RationalFunction& x, const Surd& value) {
    return SurdMul(PolynomialAtSurd(x.Numerator(), value),
                   SurdInv(PolynomialAtSurd(x.Denominator(), value)));
}

template <class Value>
BasicWorkMatrix<FieldOf<Value>> SubstitutedMatrix(
    const ParameterWorkMatrix& m, const Value& value) {
    BasicWorkMatrix<FieldOf<Value>> q;
    q.Resize(m.LastCol() + 1, m.LastRow() + 1);
    for (std::int32_t c = 0; c <= m.LastCol(); ++c) {
        for (std::int32_t r = 0; r <= m.LastRow(); ++r) {
            StopPoint();
            q.Set(c, r, ValueAt(m.At(c, r), value));
        }
    }
    return q;
}

template WorkMatrix SubstitutedMatrix(const ParameterWorkMatrix&, const ComplexFraction&);
template SurdMatrix SubstitutedMatrix(const ParameterWorkMatrix&, const Surd&);

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
