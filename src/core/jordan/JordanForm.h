#pragma once

// The Jordan normal form, worked as a textbook does: the characteristic
// polynomial and the eigenvalues, for each eigenvalue the ranks of the
// powers of A − λI and the block sizes from them, the chains of generalised
// eigenvectors from the top down, then P and J with P⁻¹AP = J checked
// exactly. Over the complex rationals, or over the surds a + b√d when some
// eigenvalues are roots of quadratics.
#include <string_view>
#include <vector>

#include "core/StepLog.h"
#include "core/engine/SurdNumbers.h"
#include "core/engine/WorkMatrix.h"
#include "core/jordan/EigenvalueField.h"

namespace korvane {

template <EngineField F>
struct BasicJordanBlock {
    typename F::Number eigenvalue;
    int size = 1;
    int first = 0;  // its first column in P and J
};

template <EngineField F>
struct BasicJordanForm {
    BasicWorkMatrix<F> p;
    BasicWorkMatrix<F> j;
    BasicWorkMatrix<F> pInverse;
    std::vector<BasicJordanBlock<F>> blocks;  // along J's diagonal
};
using JordanForm = BasicJordanForm<ComplexRationals>;

// Logs the characteristic polynomial of the square matrix a and its
// eigenvalues; nothing after the refusal when goal ("ジョルダン標準形",
// "A^n の式") cannot be found in either field.
std::optional<FieldEigenvalues> LoggedEigenvalues(const WorkMatrix& a, std::string_view goal,
                                                  StepLog& log);

// The rest of the working, given the eigenvalues in F: ranks, chains, P, J
// and the check, which throws when it fails.
template <EngineField F>
BasicJordanForm<F> LoggedJordanFormOver(const BasicWorkMatrix<F>& a,
                                        const std::vector<BasicEigenvalue<F>>& eigenvalues,
                                        StepLog& log);

// The whole working for a, then work(a, form) with a and its Jordan form in
// the field the eigenvalues need; false after the refusal.
template <class Work>
bool WithJordanForm(const WorkMatrix& a, std::string_view goal, StepLog& log, Work&& work) {
    const std::optional<FieldEigenvalues> eigenvalues = LoggedEigenvalues(a, goal, log);
    if (!eigenvalues) return false;
    if (!eigenvalues->NeedsSurds()) {
        work(a, LoggedJordanFormOver(a, eigenvalues->rational, log));
        return true;
    }
    const SurdMatrix surds = AsSurdMatrix(a);
    work(surds, LoggedJordanFormOver(surds, eigenvalues->surds, log));
    return true;
}

}  // namespace korvane
