#pragma once

// The Jordan normal form over the complex rationals, worked as a textbook
// does: the characteristic polynomial and the eigenvalues, for each
// eigenvalue the ranks of the powers of A − λI and the block sizes from
// them, the chains of generalised eigenvectors from the top down, then P and
// J with P⁻¹AP = J checked exactly.
#include <optional>
#include <string_view>
#include <vector>

#include "core/StepLog.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

struct JordanBlock {
    ComplexFraction eigenvalue;
    int size = 1;
    int first = 0;  // its first column in P and J
};

struct JordanForm {
    WorkMatrix p;
    WorkMatrix j;
    WorkMatrix pInverse;
    std::vector<JordanBlock> blocks;  // along J's diagonal
};

// The whole working for the square matrix a, printed first. goal names what
// the form is wanted for in the refusal when an eigenvalue lies outside the
// complex rationals ("ジョルダン標準形", "Aⁿ の式"); then nothing comes back.
std::optional<JordanForm> LoggedJordanForm(const WorkMatrix& a, std::string_view goal,
                                           StepLog& log);

}  // namespace korvane
