#pragma once

// Exact matrix arithmetic over any engine field, for the checks of a
// working; none of it logs. MatrixArithmetic.h names the same operations on
// Q(i) matrices.
#include <optional>
#include <utility>
#include <vector>

#include "core/StopSignal.h"
#include "core/engine/EngineField.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// a · b; a has as many columns as b has rows.
template <EngineField F>
BasicWorkMatrix<F> FieldProduct(const BasicWorkMatrix<F>& a, const BasicWorkMatrix<F>& b) {
    BasicWorkMatrix<F> product;
    product.Resize(b.LastCol() + 1, a.LastRow() + 1);
    for (int c = 0; c <= b.LastCol(); ++c) {
        for (int r = 0; r <= a.LastRow(); ++r) {
            typename F::Number sum = F::Zero();
            // sum += a·b as the in-place sum −= a·(−b).
            for (int k = 0; k <= a.LastCol(); ++k) {
                if (!F::IsZero(a.At(k, r)) && !F::IsZero(b.At(c, k)))
                    F::SubMul(sum, a.At(k, r), F::Neg(b.At(c, k)));
            }
            product.Set(c, r, std::move(sum));
        }
    }
    return product;
}

// The square matrix minus value times the identity.
template <EngineField F>
BasicWorkMatrix<F> FieldMinusScalarIdentity(const BasicWorkMatrix<F>& square,
                                            const typename F::Number& value) {
    BasicWorkMatrix<F> result;
    result.Resize(square.LastCol() + 1, square.LastRow() + 1);
    for (int c = 0; c <= square.LastCol(); ++c) {
        for (int r = 0; r <= square.LastRow(); ++r)
            result.Set(c, r, c == r ? F::Sub(square.At(c, r), value) : square.At(c, r));
    }
    return result;
}

// The inverse of a square matrix by Gauss–Jordan elimination, or nothing
// when it is singular.
template <EngineField F>
std::optional<BasicWorkMatrix<F>> FieldInverse(const BasicWorkMatrix<F>& square) {
    using Number = typename F::Number;
    const int n = square.LastRow() + 1;
    // Row-major copies of the matrix and of the identity beside it.
    std::vector<std::vector<Number>> left(n), right(n);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            left[r].push_back(square.At(c, r));
            right[r].push_back(c == r ? F::One() : F::Zero());
        }
    }
    for (int col = 0; col < n; ++col) {
        StopPoint();
        int pivot = col;
        while (pivot < n && F::IsZero(left[pivot][col]))
            ++pivot;
        if (pivot == n) return std::nullopt;
        std::swap(left[pivot], left[col]);
        std::swap(right[pivot], right[col]);
        const Number scale = F::Inv(left[col][col]);
        for (int c = 0; c < n; ++c) {
            left[col][c] = F::Mul(left[col][c], scale);
            right[col][c] = F::Mul(right[col][c], scale);
        }
        for (int r = 0; r < n; ++r) {
            if (r == col || F::IsZero(left[r][col])) continue;
            const Number factor = left[r][col];
            for (int c = 0; c < n; ++c) {
                F::SubMul(left[r][c], left[col][c], factor);
                F::SubMul(right[r][c], right[col][c], factor);
            }
        }
    }
    BasicWorkMatrix<F> inverse;
    inverse.Resize(n, n);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c)
            inverse.Set(c, r, right[r][c]);
    }
    return inverse;
}

// The same shape and the same entries.
template <EngineField F>
bool FieldSameMatrix(const BasicWorkMatrix<F>& a, const BasicWorkMatrix<F>& b) {
    if (a.LastCol() != b.LastCol() || a.LastRow() != b.LastRow()) return false;
    for (int c = 0; c <= a.LastCol(); ++c) {
        for (int r = 0; r <= a.LastRow(); ++r) {
            if (!(a.At(c, r) == b.At(c, r))) return false;
        }
    }
    return true;
}

// The matrix with each entry taken into the field G by convert.
template <EngineField G, EngineField F, class Convert>
BasicWorkMatrix<G> ConvertedMatrix(const BasicWorkMatrix<F>& m, Convert convert) {
    BasicWorkMatrix<G> result;
    result.Resize(m.LastCol() + 1, m.LastRow() + 1);
    for (int c = 0; c <= m.LastCol(); ++c) {
        for (int r = 0; r <= m.LastRow(); ++r)
            result.Set(c, r, convert(m.At(c, r)));
    }
    return result;
}

}  // namespace korvane
