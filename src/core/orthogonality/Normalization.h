#pragma once

// Orthogonal vectors divided by their norms, the norms as exact roots.
#include <string>

#include "core/StepLog.h"
#include "core/engine/MatrixPrinting.h"
#include "core/orthogonality/OrthogonalBasis.h"
#include "core/orthogonality/SurdUnitVector.h"

namespace korvane {

// Logs for each uⱼ of the basis ‖uⱼ‖ = √⟨uⱼ, uⱼ⟩ and eⱼ = uⱼ/‖uⱼ‖ (made
// and unit name u and e, numbered from offset + 1); returns the matrix with
// the eⱼ as its columns, as texts.
template <EngineField F = ComplexRationals>
TextRows LoggedNormalization(const BasicOrthogonalBasis<F>& basis, const std::string& made,
                             const std::string& unit, std::size_t offset, StepLog& log);

// The entries of u/√n, n = ‖u‖² > 0.
std::vector<std::string> UnitVectorTexts(const ExactVector& u, const Fraction& n);
// √n, n ≥ 0.
std::string NormText(const Fraction& n);
// An entry of a real unit vector as a sum writes it: its sign and the text
// of its size ("√2/2", "(1+√5)/√(10+2√5)", "0").
struct SignedEntry {
    bool negative = false;
    std::string size;
};
// The entries of u/√n of a real u.
std::vector<SignedEntry> SignedUnitEntries(const ExactVector& u, const Fraction& n);
std::vector<SignedEntry> SignedUnitEntries(const std::vector<Surd>& u, const Surd& n);

// "(√2/2,√2/2,0)".
std::string TextVector(const std::vector<std::string>& entries);

}  // namespace korvane
