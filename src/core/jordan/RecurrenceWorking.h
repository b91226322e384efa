#pragma once

// The general term of a linear recurrence through its companion matrix:
// x_n = (a(n), …, a(n+k-1)) gives x_(n+1) = Ax_n, so x_n = Aⁿx_0 and a(n)
// is the first entry of Aⁿx_0, with Aⁿ from the Jordan form.
#include "core/StepLog.h"
#include "core/jordan/RecurrenceReader.h"

namespace korvane {

// How many terms the working lists to check the general term against.
inline constexpr int kCheckedTerms = 10;

// Starts a new log; false after the refusal when the companion matrix has
// eigenvalues outside the complex rationals.
bool LinearRecurrence(const Recurrence& recurrence, StepLog& log);

}  // namespace korvane
