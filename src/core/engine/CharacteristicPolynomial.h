#pragma once

#include "core/StepLog.h"
#include "core/engine/WorkMatrix.h"
#include "mklibs/Polynomial.h"

namespace korvane {

// The variable of characteristic polynomials in the log.
inline constexpr std::string_view kLambda = "λ";

// det(λI − H) of an upper Hessenberg matrix H, found block by block: p_k is
// the determinant for the leading k × k block, p_0 = 1, and expanding it
// along its last column gives
//   p_k = (λ − h(k,k))·p_{k−1} − Σ_{i<k} h(i,k)·h(k,k−1)·…·h(i+1,i)·p_{i−1}.
// Logs the rule once and then one line per k with the numbers put in.
Polynomial HessenbergCharacteristicPolynomial(const WorkMatrix& hessenberg, StepLog& log);

// The whole logged computation for the square matrix, already printed:
// the similarity steps to Hessenberg form, the expansion, and the result
// lines. The matrix is left in Hessenberg form.
Polynomial LoggedCharacteristicPolynomial(WorkMatrix& matrix, StepLog& log);

}  // namespace korvane
