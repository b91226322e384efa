#pragma once

// Orthogonal vectors divided by their norms, the norms as exact roots.
#include <string>

#include "core/StepLog.h"
#include "core/orthogonality/OrthogonalBasis.h"
#include "core/engine/MatrixPrinting.h"

namespace korvane {

// Logs for each uⱼ of the basis ‖uⱼ‖ = √⟨uⱼ, uⱼ⟩ and eⱼ = uⱼ/‖uⱼ‖ (made
// and unit name u and e, numbered from offset + 1); returns the matrix with
// the eⱼ as its columns, as texts.
TextRows LoggedNormalization(const OrthogonalBasis& basis, const std::string& made,
                             const std::string& unit, std::size_t offset, StepLog& log);

// The entries of u/√n, n = ‖u‖² > 0.
std::vector<std::string> UnitVectorTexts(const ExactVector& u, const Fraction& n);
// "(√2/2,√2/2,0)".
std::string TextVector(const std::vector<std::string>& entries);

}  // namespace korvane
