#pragma once

// The normal equations AᴴAx = Aᴴb of a least-squares problem, solved by
// the logged reduction; shared by the projection and least squares.
#include <string>
#include <vector>

#include "core/StepLog.h"
#include "core/engine/LogStyle.h"
#include "core/engine/MatrixArithmetic.h"

namespace korvane {

// Every solution of the normal equations: particular + the span of
// homogeneous (a basis of the kernel of A, empty when A has independent
// columns). The equations always have a solution.
struct NormalSolution {
    ExactVector particular;
    std::vector<ExactVector> homogeneous;
};

// "Aᵀ" for a real A, "Aᴴ" (the conjugate transpose) otherwise.
std::string AdjointName(bool real, const std::string& name = "A");

// Logs AᴴA, Aᴴb and the reduction of (AᴴA | Aᴴb), and reads its solutions
// (free unknowns 0 in the particular one). Stoppable.
NormalSolution LoggedNormalEquations(const WorkMatrix& a, const ExactVector& b, bool real,
                                     StepLog& log, const LogStyle& style = {});

// "x̂ = (1,2)", or with a kernel "x̂ = (1,2,0) + t₁(-1,1,1)（t₁ は任意の数）".
std::string SolutionsText(const std::string& name, const NormalSolution& solution);

// The columns of a applied to x.
ExactVector Times(const WorkMatrix& a, const ExactVector& x);

}  // namespace korvane
