#pragma once

#include "core/StepLog.h"
#include "core/parameter/CaseReduction.h"

namespace korvane {

// The matrix at one value of its parameter, which must not be a pole of an
// entry (DivisionByZero otherwise).
WorkMatrix SubstitutedMatrix(const ParameterWorkMatrix& m, const ComplexFraction& value);

// After a determinant in the parameter: the values that make it 0, those
// excluded at the start left aside; nothing for a determinant 0.
void LogDeterminantZeros(const RationalFunction& det, char letter, const ParameterRoots& excluded,
                         StepLog& log);

}  // namespace korvane
