#pragma once

// Orthogonal (unitary) diagonalisation of a symmetric (Hermitian) matrix.
#include <variant>
#include <vector>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/LogStyle.h"
#include "core/orthogonality/OrthogonalBasis.h"

namespace korvane {

// An orthogonal diagonalisation: for each column of P its eigenvalue and
// its vector before division by its norm.
template <EngineField F>
struct BasicOrthogonalEigenbasis {
    std::vector<typename F::Number> eigenvalues;
    BasicOrthogonalBasis<F> basis;
};

using OrthogonalEigenbasis = BasicOrthogonalEigenbasis<ComplexRationals>;
using SurdOrthogonalEigenbasis = BasicOrthogonalEigenbasis<SurdNumbers>;
// Nothing (the reason said in the log), the eigenbasis over the complex
// rationals, or over the one square root the quadratic eigenvalues need.
using FoundEigenbasis =
    std::variant<std::monostate, OrthogonalEigenbasis, SurdOrthogonalEigenbasis>;

// The eigenvalues and their eigenspaces as the eigenvector command logs
// them, an orthogonal basis of each eigenspace (Gram–Schmidt inside one of
// dimension two or more), the orthonormal columns of P, D, and the checks
// PᴴP = I and PᴴAP = D recomputed exactly. Refuses a non-square,
// non-symmetric (non-Hermitian) matrix, and one with eigenvalues that are
// only approximated or need two different square roots.
bool OrthogonalDiagonalization(const CellGrid& grid, StepLog& log, const LogStyle& style = {});

// The same on a loaded Hermitian a, its matrix already printed, up to the
// orthogonal bases of the eigenspaces.
FoundEigenbasis LoggedOrthogonalDiagonalization(const WorkMatrix& a, StepLog& log,
                                                const LogStyle& style);

}  // namespace korvane
