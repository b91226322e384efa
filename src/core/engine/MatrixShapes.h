#pragma once

#include <algorithm>
#include <cstdint>

#include "core/engine/EngineField.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// The shapes a reduction is read for, and the reshaping around an inverse.

// The leading square (up to the smaller last index) has ones on its diagonal
// and nowhere else; meant for a reduced matrix, where this means identity.
template <EngineField F>
bool IsIdentity(const BasicWorkMatrix<F>& matrix) {
    const std::int32_t k = std::min(matrix.LastCol(), matrix.LastRow());
    for (int i = 0; i <= k; ++i) {
        for (int j = 0; j <= k; ++j) {
            if (F::IsOne(matrix.At(i, j)) != (i == j)) return false;
        }
    }
    return true;
}

template <EngineField F>
bool IsZeroMatrix(const BasicWorkMatrix<F>& matrix) {
    for (int c = 0; c <= matrix.LastCol(); ++c) {
        for (int r = 0; r <= matrix.LastRow(); ++r) {
            if (!F::IsZero(matrix.At(c, r))) return false;
        }
    }
    return true;
}

// [A | I]: the n × n matrix square with the identity beside it.
template <EngineField F>
void LoadAugmented(BasicWorkMatrix<F>& augmented, const BasicWorkMatrix<F>& square) {
    const int n = square.LastCol() + 1;
    augmented.Resize(2 * n, square.LastRow() + 1);
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r <= square.LastRow(); ++r)
            augmented.Set(c, r, square.At(c, r));
    }
    // Resize left every entry zero: only the diagonal of the right half is set.
    for (int i = 0; i < n && i <= square.LastRow(); ++i)
        augmented.Set(n + i, i, F::One());
}

// After an inversion: the right half of the augmented matrix replaces it.
template <EngineField F>
void KeepRightHalf(BasicWorkMatrix<F>& matrix) {
    matrix.KeepColumnsFrom((matrix.LastCol() + 1) / 2);
}

}  // namespace korvane
