#pragma once

// The chains of generalised eigenvectors of one eigenvalue, chosen from the
// top down: for each block size k, from the largest, tops in ker N^k that
// are independent of ker N^(k-1) and of the longer chains' vectors at that
// height, then each chain down by N = A − λI to an eigenvector.
#include <vector>

#include "core/StepLog.h"
#include "core/engine/MatrixArithmetic.h"
#include "core/jordan/PowerRanks.h"

namespace korvane {

// One chain from the eigenvector up: N·vectors[0] = 0 and
// N·vectors[k] = vectors[k-1].
template <EngineField F>
using BasicChain = std::vector<BasicVector<F>>;

// The chains, longest first, each solve logged. firstColumn numbers the
// vectors p₁, p₂, … as P's columns.
template <EngineField F>
std::vector<BasicChain<F>> LoggedChains(const BasicWorkMatrix<F>& a, const typename F::Number& eigenvalue,
                                        const BasicPowerRanks<F>& ranks, int firstColumn, StepLog& log);

}  // namespace korvane
