#include "core/engine/MatrixArithmetic.h"

#include <algorithm>

#include "core/StopSignal.h"
#include "core/engine/FieldMatrixArithmetic.h"

namespace korvane {

namespace {

// sum += a·b, written as the number layer's in-place sum −= a·(−b).
void AddProduct(ComplexFraction& sum, const ComplexFraction& a, const ComplexFraction& b) {
    if (!CpxIsZero(a) && !CpxIsZero(b)) CpxSubMul(sum, a, CpxNeg(b));
}

}  // namespace

WorkMatrix IdentityMatrix(int n) {
    WorkMatrix identity;
    identity.Resize(n, n);
    for (int i = 0; i < n; ++i)
        identity.Set(i, i, CpxOne());
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

WorkMatrix Product(const WorkMatrix& a, const WorkMatrix& b) {
    return FieldProduct(a, b);
}

std::vector<ExactVector> ColumnsOf(const WorkMatrix& matrix) {
    std::vector<ExactVector> columns(static_cast<std::size_t>(matrix.LastCol() + 1));
    for (int c = 0; c <= matrix.LastCol(); ++c) {
        for (int r = 0; r <= matrix.LastRow(); ++r)
            columns[static_cast<std::size_t>(c)].push_back(matrix.At(c, r));
    }
    return columns;
}

ExactVector Apply(const std::vector<ExactVector>& columns, const ExactVector& x) {
    ExactVector result(columns.front().size(), CpxZero());
    for (std::size_t k = 0; k < x.size(); ++k) {
        for (std::size_t r = 0; r < result.size(); ++r)
            AddProduct(result[r], columns[k][r], x[k]);
    }
    return result;
}

WorkMatrix MinusScalarIdentity(const WorkMatrix& square, const ComplexFraction& value) {
    return FieldMinusScalarIdentity(square, value);
}

std::optional<WorkMatrix> InverseOf(const WorkMatrix& square) {
    return FieldInverse(square);
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

bool IsZeroVector(const ExactVector& x) {
    return std::all_of(x.begin(), x.end(), [](const ComplexFraction& v) { return CpxIsZero(v); });
}

bool SameMatrix(const WorkMatrix& a, const WorkMatrix& b) {
    return FieldSameMatrix(a, b);
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

}  // namespace korvane
