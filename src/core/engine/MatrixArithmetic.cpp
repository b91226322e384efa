#include "core/engine/MatrixArithmetic.h"

#include <algorithm>

#include "core/StopSignal.h"
#include "core/engine/RationalFunctions.h"
#include "core/engine/SurdNumbers.h"

namespace korvane {

namespace {

// sum += a·b, written as the number layer's in-place sum −= a·(−b).
template <EngineField F>
void AddProduct(typename F::Number& sum, const typename F::Number& a, const typename F::Number& b) {
    if (!F::IsZero(a) && !F::IsZero(b)) F::SubMul(sum, a, F::Neg(b));
}

}  // namespace

template <EngineField F>
BasicWorkMatrix<F> IdentityMatrix(int n) {
    BasicWorkMatrix<F> identity;
    identity.Resize(n, n);
    for (int i = 0; i < n; ++i)
        identity.Set(i, i, F::One());
    return identity;
}

WorkMatrix Transposed(const WorkMatrix& m) {
    WorkMatrix t;
    t.Resize(m.LastRow() + 1, m.LastCol() + 1);
    for (int c = 0; c <= m.LastCol(); ++c) {
        for (int r = 0; r <= m.LastRow(); ++r)
            t.Set(r, c, m.At(c, r));
    }
    return t;
}

template <EngineField F>
BasicWorkMatrix<F> Product(const BasicWorkMatrix<F>& a, const BasicWorkMatrix<F>& b) {
    BasicWorkMatrix<F> product;
    product.Resize(b.LastCol() + 1, a.LastRow() + 1);
    for (int c = 0; c <= b.LastCol(); ++c) {
        for (int r = 0; r <= a.LastRow(); ++r) {
            typename F::Number sum = F::Zero();
            for (int k = 0; k <= a.LastCol(); ++k)
                AddProduct<F>(sum, a.At(k, r), b.At(c, k));
            product.Set(c, r, std::move(sum));
        }
    }
    return product;
}

template <EngineField F>
std::vector<BasicVector<F>> ColumnsOf(const BasicWorkMatrix<F>& matrix) {
    std::vector<BasicVector<F>> columns(static_cast<std::size_t>(matrix.LastCol() + 1));
    for (int c = 0; c <= matrix.LastCol(); ++c) {
        for (int r = 0; r <= matrix.LastRow(); ++r)
            columns[static_cast<std::size_t>(c)].push_back(matrix.At(c, r));
    }
    return columns;
}

template <EngineField F>
BasicVector<F> Apply(const std::vector<BasicVector<F>>& columns, const BasicVector<F>& x) {
    BasicVector<F> result(columns.front().size(), F::Zero());
    for (std::size_t k = 0; k < x.size(); ++k) {
        for (std::size_t r = 0; r < result.size(); ++r)
            AddProduct<F>(result[r], columns[k][r], x[k]);
    }
    return result;
}

template <EngineField F>
BasicWorkMatrix<F> MinusScalarIdentity(const BasicWorkMatrix<F>& square,
                                       const typename F::Number& value) {
    BasicWorkMatrix<F> result;
    result.Resize(square.LastCol() + 1, square.LastRow() + 1);
    for (int c = 0; c <= square.LastCol(); ++c) {
        for (int r = 0; r <= square.LastRow(); ++r)
            result.Set(c, r, c == r ? F::Sub(square.At(c, r), value) : square.At(c, r));
    }
    return result;
}

template <EngineField F>
std::optional<BasicWorkMatrix<F>> InverseOf(const BasicWorkMatrix<F>& square) {
    const int n = square.LastRow() + 1;
    // Row-major copies of the matrix and of the identity beside it.
    std::vector<BasicVector<F>> left(n), right(n);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            left[r].push_back(square.At(c, r));
            right[r].push_back(c == r ? F::One() : F::Zero());
        }
    }
    for (int col = 0; col < n; ++col) {
        int pivot = col;
        while (pivot < n && F::IsZero(left[pivot][col]))
            ++pivot;
        if (pivot == n) return std::nullopt;
        std::swap(left[pivot], left[col]);
        std::swap(right[pivot], right[col]);
        const typename F::Number scale = F::Inv(left[col][col]);
        for (int c = 0; c < n; ++c) {
            left[col][c] = F::Mul(left[col][c], scale);
            right[col][c] = F::Mul(right[col][c], scale);
        }
        for (int r = 0; r < n; ++r) {
            if (r == col || F::IsZero(left[r][col])) continue;
            const typename F::Number factor = left[r][col];
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

ComplexFraction DeterminantOf(const WorkMatrix& square) {
    const int n = square.LastRow() + 1;
    std::vector<std::vector<ComplexFraction>> rows(n);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c)
            rows[r].push_back(square.At(c, r));
    }
    // The product of the pivots, negated once per exchange.
    ComplexFraction det = CpxOne();
    for (int col = 0; col < n; ++col) {
        StopPoint();
        int pivot = col;
        while (pivot < n && CpxIsZero(rows[pivot][col]))
            ++pivot;
        if (pivot == n) return CpxZero();
        if (pivot != col) {
            std::swap(rows[pivot], rows[col]);
            det = CpxNeg(det);
        }
        det = CpxMul(det, rows[col][col]);
        const ComplexFraction inverse = CpxInv(rows[col][col]);
        for (int r = col + 1; r < n; ++r) {
            if (CpxIsZero(rows[r][col])) continue;
            const ComplexFraction factor = CpxMul(rows[r][col], inverse);
            for (int c = col; c < n; ++c)
                CpxSubMul(rows[r][c], rows[col][c], factor);
        }
    }
    return det;
}

template <EngineField F>
bool IsZeroVector(const BasicVector<F>& x) {
    return std::all_of(x.begin(), x.end(), [](const typename F::Number& v) { return F::IsZero(v); });
}

template <EngineField F>
bool SameMatrix(const BasicWorkMatrix<F>& a, const BasicWorkMatrix<F>& b) {
    if (a.LastCol() != b.LastCol() || a.LastRow() != b.LastRow()) return false;
    for (int c = 0; c <= a.LastCol(); ++c) {
        for (int r = 0; r <= a.LastRow(); ++r) {
            if (!(a.At(c, r) == b.At(c, r))) return false;
        }
    }
    return true;
}

WorkMatrix PolynomialAt(const Polynomial& p, const WorkMatrix& a) {
    WorkMatrix value;
    value.Resize(a.LastCol() + 1, a.LastRow() + 1);
    for (int k = p.Degree(); k >= 0; --k) {
        value = Product(value, a);
        for (int d = 0; d <= a.LastRow(); ++d)
            value.Set(d, d, CpxSum(value.At(d, d), p.Coefficient(k)));
    }
    return value;
}

#define KORVANE_MATRIX_ARITHMETIC(F)                                                        \
    template BasicWorkMatrix<F> IdentityMatrix<F>(int);                                     \
    template BasicWorkMatrix<F> Product<F>(const BasicWorkMatrix<F>&, const BasicWorkMatrix<F>&); \
    template std::vector<BasicVector<F>> ColumnsOf<F>(const BasicWorkMatrix<F>&);           \
    template BasicVector<F> Apply<F>(const std::vector<BasicVector<F>>&, const BasicVector<F>&); \
    template BasicWorkMatrix<F> MinusScalarIdentity<F>(const BasicWorkMatrix<F>&,            \
                                                       const typename F::Number&);          \
    template std::optional<BasicWorkMatrix<F>> InverseOf<F>(const BasicWorkMatrix<F>&);     \
    template bool IsZeroVector<F>(const BasicVector<F>&);                                   \
    template bool SameMatrix<F>(const BasicWorkMatrix<F>&, const BasicWorkMatrix<F>&);

KORVANE_MATRIX_ARITHMETIC(ComplexRationals)
KORVANE_MATRIX_ARITHMETIC(SurdNumbers)
KORVANE_MATRIX_ARITHMETIC(RationalFunctions)

#undef KORVANE_MATRIX_ARITHMETIC

}  // namespace korvane
