#pragma once

// How row operations change a determinant, kept as det A = f·det B with B
// the matrix after the operations so far, and the sentences that say so.
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/RowOperation.h"

namespace korvane {

// The f of det A = f·det B: a sign and the factors put in front, in the
// order they came.
struct FrontFactor {
    bool negative = false;
    std::vector<ComplexFraction> factors;

    // Takes in a factor that the determinant of B is divided by from now
    // on: -1 turns the sign, 1 changes nothing.
    void Take(const ComplexFraction& factor);
    ComplexFraction Value() const;
    // "-2·3·det B", "det B", "(1/6)·det B" for the matrix named.
    std::string Times(std::string_view determinant) const;
};

// The factor an operation puts in front: -1 for an exchange, 1/c for a
// scaling by c, 1 for an addition (det before = factor · det after).
ComplexFraction FrontFactorOf(const RowOperation& operation);

// After the operation: why the determinant changed, and det name = f·det B
// with the factor as it now stands; for an addition, that it did not.
std::string RelationSentence(const RowOperation& operation, const FrontFactor& front,
                             std::string_view name);
// "det A = -2·3·det B です。" for the front factor as it stands.
std::string RelationEquation(const FrontFactor& front, std::string_view name);

}  // namespace korvane
