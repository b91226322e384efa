#pragma once

// How row operations change a determinant, kept as det A = f·det B with B
// the matrix after the operations so far, and the sentences that say so.
#include <string>
#include <string_view>
#include <vector>

#include "core/StepLog.h"
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

// What the operation does to a determinant: "行を入れ換えると、行列式の符号が
// 変わります。", "行を2倍すると、行列式も2倍になります。", or for an addition
// that it stays.
std::string RuleSentence(const RowOperation& operation);
// After the operation: its rule, and det name = f·det B with the factor as
// it now stands; for an addition, the rule alone.
std::string RelationSentence(const RowOperation& operation, const FrontFactor& front,
                             std::string_view name);
// "det A = -2·3·det B です。" for the front factor as it stands.
std::string RelationEquation(const FrontFactor& front, std::string_view name);

// The end of a working on an upper triangular B: that its determinant is
// the product of the diagonal, "det B = 1·2·(-5) = -10"; returns det B.
ComplexFraction LogDiagonalProduct(const std::vector<ComplexFraction>& diagonal, StepLog& log);
// "det A = -2·det B = -2·(-10) = 20" ("det A = det B = …" with nothing in
// front); returns det name.
ComplexFraction LogFrontTimes(const FrontFactor& front, const ComplexFraction& detB,
                              std::string_view name, StepLog& log);

}  // namespace korvane
