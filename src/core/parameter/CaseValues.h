#pragma once

#include "core/StepLog.h"
#include "core/engine/SurdNumbers.h"
#include "core/parameter/CaseReduction.h"

namespace korvane {

// x at one value of its parameter, which must not be a pole of x
// (DivisionByZero otherwise).
ComplexFraction ValueAt(const RationalFunction& x, const ComplexFraction& value);
Surd ValueAt(const RationalFunction& x, const Surd& value);

// The matrix at one value of its parameter, in that value's field.
template <class Value>
BasicWorkMatrix<FieldOf<Value>> SubstitutedMatrix(
    const ParameterWorkMatrix& m, const Value& value);

// After a determinant in the parameter: the values that make it 0, those
// excluded at the start left aside; nothing for a determinant 0.
void LogDeterminantZeros(const RationalFunction& det, char letter, const ParameterRoots& excluded,
                         StepLog& log);

}  // namespace korvane
