#pragma once

// Where the eigenvalues of the Jordan workings have to lie. For now that is
// the complex rationals: an irreducible factor of degree two or more of the
// characteristic polynomial is refused here. Exact quadratic eigenvalues
// (a + b√d) enter at this point once numbers with square roots exist.
#include <string_view>

#include "core/StepLog.h"
#include "core/engine/EigenvalueText.h"

namespace korvane {

// Logs why goal cannot be found and returns false when some eigenvalue is
// not a complex rational; true otherwise.
bool EigenvaluesInField(const EigenvalueFindings& findings, std::string_view goal, StepLog& log);

}  // namespace korvane
