#pragma once

#include <algorithm>
#include <vector>

#include "core/engine/EngineField.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// Column vectors over the field F, entries from the top, for checking a
// result against the matrix it came from; none of it logs.
template <EngineField F>
using FieldVector = std::vector<typename F::Number>;

// The matrix's columns, each as a vector.
template <EngineField F>
std::vector<FieldVector<F>> FieldColumnsOf(const BasicWorkMatrix<F>& matrix) {
    std::vector<FieldVector<F>> columns(static_cast<std::size_t>(matrix.LastCol() + 1));
    for (int c = 0; c <= matrix.LastCol(); ++c) {
        for (int r = 0; r <= matrix.LastRow(); ++r)
            columns[static_cast<std::size_t>(c)].push_back(matrix.At(c, r));
    }
    return columns;
}

// The matrix with these columns (its leading x.size() ones) applied to x.
template <EngineField F>
FieldVector<F> FieldApply(const std::vector<FieldVector<F>>& columns, const FieldVector<F>& x) {
    FieldVector<F> result(columns.front().size(), F::Zero());
    for (std::size_t k = 0; k < x.size(); ++k) {
        if (F::IsZero(x[k])) continue;
        const typename F::Number minusX = F::Neg(x[k]);
        for (std::size_t r = 0; r < result.size(); ++r)
            F::SubMul(result[r], columns[k][r], minusX);
    }
    return result;
}

template <EngineField F>
bool FieldIsZeroVector(const FieldVector<F>& x) {
    return std::all_of(x.begin(), x.end(), [](const typename F::Number& v) { return F::IsZero(v); });
}

}  // namespace korvane
