#pragma once

// Orthogonal (unitary) diagonalisation of a symmetric (Hermitian) matrix.
#include <vector>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/LogStyle.h"
#include "core/orthogonality/OrthogonalBasis.h"

namespace korvane {

// An orthogonal diagonalisation: for each column of P its eigenvalue and
// its vector before division by its norm.
struct OrthogonalEigenbasis {
    std::vector<ComplexFraction> eigenvalues;
    OrthogonalBasis basis;
};

// The eigenvalues and their eigenspaces as the eigenvector command logs
// them, an orthogonal basis of each eigenspace (Gram–Schmidt inside one of
// dimension two or more), the orthonormal columns of P, D, and the checks
// PᴴP = I and PᴴAP = D recomputed exactly. Refuses a non-square,
// non-symmetric (non-Hermitian) matrix, and one with eigenvalues outside
// the rationals.
bool OrthogonalDiagonalization(const CellGrid& grid, StepLog& log, const LogStyle& style = {});

// The same on a loaded Hermitian a, its matrix already printed; nothing
// when an eigenvalue is not rational (said in the log).
std::optional<OrthogonalEigenbasis> LoggedOrthogonalDiagonalization(const WorkMatrix& a,
                                                                    StepLog& log,
                                                                    const LogStyle& style);

}  // namespace korvane
