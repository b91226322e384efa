#pragma once

// The Gram–Schmidt process with every projection written out: the part
// that needs no square roots, shared by the Gram–Schmidt command, the QR
// decomposition and the eigenspaces of an orthogonal diagonalisation.
#include <string>
#include <vector>

#include "core/StepLog.h"
#include "core/engine/MatrixArithmetic.h"
#include "core/orthogonality/InnerProduct.h"

namespace korvane {

// Over the complex rationals, or over one square root for the eigenspaces
// of quadratic eigenvalues.
template <EngineField F>
struct BasicOrthogonalBasis {
    // The orthogonal vectors u₁, u₂, …, none zero.
    std::vector<BasicVector<F>> u;
    // ⟨uⱼ, uⱼ⟩ = ‖uⱼ‖², positive: a rational, or a + b√d.
    std::vector<SquaredNorm<F>> squaredNorms;
    // For each vector given, its index in u, or -1 when it was skipped as
    // a combination of the ones before it.
    std::vector<int> kept;
    // coefficients[k][j] = ⟨vₖ, uⱼ⟩/⟨uⱼ, uⱼ⟩ for the uⱼ made before vₖ was
    // taken: vₖ = uₖ + Σ coefficients[k][j]·uⱼ.
    std::vector<std::vector<typename F::Number>> coefficients;
};

using OrthogonalBasis = BasicOrthogonalBasis<ComplexRationals>;
using SurdOrthogonalBasis = BasicOrthogonalBasis<SurdNumbers>;

// Names of the vectors given and made: "v" and "u" give v₁ and u₁.
struct GramSchmidtNames {
    std::string given = "v";
    std::string made = "u";
    // The number of the first vector, less one, in both names.
    std::size_t offset = 0;
};

// uₖ = vₖ − Σ (⟨vₖ, uⱼ⟩/⟨uⱼ, uⱼ⟩)uⱼ for each vector in turn, each inner
// product and each difference logged; a vector that leaves 0 is named as a
// combination of the ones before it and skipped. Stoppable.
template <EngineField F = ComplexRationals>
BasicOrthogonalBasis<F> LoggedGramSchmidt(const std::vector<BasicVector<F>>& v, StepLog& log,
                                          const GramSchmidtNames& names = {});

// Logs whether the vectors are pairwise orthogonal (⟨uᵢ, uⱼ⟩ = 0), which the
// process promises: the check of the working.
template <EngineField F = ComplexRationals>
void LogOrthogonalityCheck(const std::vector<BasicVector<F>>& u, const std::string& letter,
                           StepLog& log);

}  // namespace korvane
