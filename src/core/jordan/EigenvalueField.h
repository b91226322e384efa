#pragma once

// Where the eigenvalues of the Jordan workings lie. The complex rationals
// serve when the characteristic polynomial splits over them; the surds
// a + b√d when every other irreducible factor is a quadratic whose roots
// need one square root, the same one for all of them. An irreducible factor
// of degree three or more, or two different roots, is refused.
#include <optional>
#include <string_view>
#include <vector>

#include "core/StepLog.h"
#include "core/engine/EigenvalueText.h"
#include "core/engine/SurdNumbers.h"

namespace korvane {

struct FieldEigenvalues {
    // Every eigenvalue, when all are complex rationals.
    std::vector<BasicEigenvalue<ComplexRationals>> rational;
    // Every eigenvalue as a surd when some are not: the complex rationals
    // in their order, then the two roots of each quadratic factor.
    std::vector<BasicEigenvalue<SurdNumbers>> surds;

    bool NeedsSurds() const { return !surds.empty(); }
};

// The eigenvalues in the field they need, the roots of each quadratic factor
// logged by the quadratic formula; nothing after logging why goal cannot be
// found.
std::optional<FieldEigenvalues> EigenvaluesInField(const EigenvalueFindings& findings,
                                                   std::string_view goal, StepLog& log);

}  // namespace korvane
