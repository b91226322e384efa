#pragma once

#include <vector>

#include "core/StepLog.h"
#include "core/engine/EigenvalueText.h"
#include "core/engine/LogStyle.h"
#include "core/engine/MatrixArithmetic.h"
#include "core/engine/SurdNumbers.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// An exact eigenvalue with a basis of its eigenspace; the basis's size is
// the geometric multiplicity.
struct Eigenspace {
    ExactEigenvalue eigenvalue;
    std::vector<ExactVector> basis;
};

// A quadratic eigenvalue a + b√d with a basis of its eigenspace, the
// vectors' entries in the same field.
struct SurdEigenspace {
    QuadraticEigenvalue eigenvalue;
    std::vector<std::vector<Surd>> basis;
};

// The eigenspace of the eigenvalue as the kernel of A − λI, logged as the
// kernel command logs a kernel (its row operations worded in style), then the
// geometric multiplicity. The same reduction serves both fields.
Eigenspace LoggedEigenspace(const WorkMatrix& a, const ExactEigenvalue& eigenvalue, StepLog& log,
                            const LogStyle& style);
SurdEigenspace LoggedEigenspace(const SurdMatrix& a, const QuadraticEigenvalue& eigenvalue,
                                StepLog& log, const LogStyle& style);

// Whether and how the matrix diagonalises, after its eigenspaces: P and D
// with the check P⁻¹AP = D (AP = PD column by column when the columns need
// different square roots), or why it does not over the numbers found (an
// eigenvalue whose eigenspace is too small, or eigenvalues only
// approximated; for those, whether it does over the complex numbers).
void DiagonalisationText(const WorkMatrix& a, const std::vector<Eigenspace>& spaces,
                         const std::vector<SurdEigenspace>& surdSpaces,
                         const EigenvalueFindings& findings, StepLog& log);

}  // namespace korvane
