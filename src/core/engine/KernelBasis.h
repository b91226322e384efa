#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/engine/ComplexRationals.h"
#include "core/engine/EngineField.h"
#include "core/engine/MatrixArithmetic.h"
#include "core/engine/PivotRows.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// The kernel's basis as values, and vectors in the notation the kernel
// command's result uses: "(1,-2,0)", "span{(1,0),(0,1)}".

// The free columns among the leading `cols` columns, from 0.
template <EngineField F>
std::vector<std::int32_t> FreeColumns(const BasicWorkMatrix<F>& reduced, std::int32_t cols) {
    const PivotRows pivots = FindPivotRows(reduced);
    std::vector<std::int32_t> free;
    for (std::int32_t c = 0; c < cols; ++c) {
        if (pivots[c] < 0) free.push_back(c);
    }
    return free;
}

// One basis vector of the kernel of the leading `cols` columns of a reduced
// matrix for each of their free columns, in increasing order: 1 in its free
// column, 0 in the other free ones, minus the free column's entry in each
// pivot row.
template <EngineField F>
std::vector<std::vector<typename F::Number>> KernelBasis(const BasicWorkMatrix<F>& reduced,
                                                         std::int32_t cols) {
    const PivotRows pivots = FindPivotRows(reduced);
    std::vector<std::vector<typename F::Number>> basis;
    for (const std::int32_t f : FreeColumns(reduced, cols)) {
        std::vector<typename F::Number> v;
        for (std::int32_t j = 0; j < cols; ++j) {
            if (pivots[j] < 0) {
                v.push_back(j == f ? F::One() : F::Zero());
            } else {
                v.push_back(F::Neg(reduced.At(f, pivots[j])));
            }
        }
        basis.push_back(std::move(v));
    }
    return basis;
}

template <EngineField F = ComplexRationals>
std::string VectorText(const std::vector<typename F::Number>& x) {
    std::string text = "(";
    for (std::size_t k = 0; k < x.size(); ++k) {
        if (k > 0) text += ',';
        F::AppendText(text, x[k]);
    }
    return text + ")";
}

// "span{v1,v2}"; an empty list gives "{0}".
template <EngineField F = ComplexRationals>
std::string SpanText(const std::vector<std::vector<typename F::Number>>& basis) {
    if (basis.empty()) return "{0}";
    std::string text = "span{";
    for (std::size_t k = 0; k < basis.size(); ++k) {
        if (k > 0) text += ',';
        text += VectorText<F>(basis[k]);
    }
    return text + "}";
}

}  // namespace korvane
