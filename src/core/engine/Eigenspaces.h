#pragma once

#include <vector>

#include "core/StepLog.h"
#include "core/engine/EigenvalueText.h"
#include "core/engine/LogStyle.h"
#include "core/engine/MatrixArithmetic.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// An exact eigenvalue with a basis of its eigenspace; the basis's size is
// the geometric multiplicity.
struct Eigenspace {
    ExactEigenvalue eigenvalue;
    std::vector<ExactVector> basis;
};

// The eigenspace of the eigenvalue as the kernel of A − λI, logged as the
// kernel command logs a kernel (its row operations worded in style), then the
// geometric multiplicity.
Eigenspace LoggedEigenspace(const WorkMatrix& a, const ExactEigenvalue& eigenvalue, StepLog& log,
                            const LogStyle& style);

// Whether and how the matrix diagonalises, after its eigenspaces: P and D
// with the check P⁻¹AP = D, or why it does not over the complex rationals
// (an eigenvalue whose eigenspace is too small, or eigenvalues outside them;
// for those, whether it does over the complex numbers).
void DiagonalisationText(const WorkMatrix& a, const std::vector<Eigenspace>& spaces,
                         const EigenvalueFindings& findings, StepLog& log);

}  // namespace korvane
