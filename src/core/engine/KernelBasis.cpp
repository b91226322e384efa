#include "core/engine/KernelBasis.h"

#include "core/engine/ResultTexts.h"

namespace korvane {

std::vector<std::int32_t> FreeColumns(const WorkMatrix& reduced, std::int32_t cols) {
    const PivotRows pivots = FindPivotRows(reduced);
    std::vector<std::int32_t> free;
    for (std::int32_t c = 0; c < cols; ++c) {
        if (pivots[c] < 0) free.push_back(c);
    }
    return free;
}

std::vector<ExactVector> KernelBasis(const WorkMatrix& reduced, std::int32_t cols) {
    const PivotRows pivots = FindPivotRows(reduced);
    std::vector<ExactVector> basis;
    for (const std::int32_t f : FreeColumns(reduced, cols)) {
        ExactVector v;
        for (std::int32_t j = 0; j < cols; ++j) {
            if (pivots[j] < 0) {
                v.push_back(j == f ? CpxOne() : CpxZero());
            } else {
                v.push_back(CpxNeg(reduced.At(f, pivots[j])));
            }
        }
        basis.push_back(std::move(v));
    }
    return basis;
}

std::string VectorText(const ExactVector& x) {
    std::string text = "(";
    for (std::size_t k = 0; k < x.size(); ++k) {
        if (k > 0) text += ',';
        text += CpxText(x[k]);
    }
    return text + ")";
}

std::string SpanText(const std::vector<ExactVector>& basis) {
    if (basis.empty()) return "{0}";
    std::string text = "span{";
    for (std::size_t k = 0; k < basis.size(); ++k) {
        if (k > 0) text += ',';
        text += VectorText(basis[k]);
    }
    return text + "}";
}

}  // namespace korvane
