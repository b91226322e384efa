#include "core/orthogonality/InnerProduct.h"

#include "core/methods/FormulaText.h"

namespace korvane {

ComplexFraction Conjugate(const ComplexFraction& z) {
    return {z.re, FracSub(Fraction{}, z.im)};
}

ComplexFraction InnerProduct(const ExactVector& u, const ExactVector& v) {
    ComplexFraction sum = CpxZero();
    for (std::size_t k = 0; k < u.size(); ++k)
        sum = Plus(sum, CpxMul(u[k], Conjugate(v[k])));
    return sum;
}

std::string InnerProductSum(const ExactVector& u, const ExactVector& v) {
    std::string text;
    for (std::size_t k = 0; k < u.size(); ++k) {
        if (!text.empty()) text += " + ";
        text += ProductText({u[k], Conjugate(v[k])});
    }
    return text;
}

std::string InnerProductLine(const std::string& left, const std::string& right,
                             const ExactVector& u, const ExactVector& v) {
    std::string line = "⟨";
    line += left;
    line += ", ";
    line += right;
    line += "⟩ = ";
    line += InnerProductSum(u, v);
    line += " = ";
    line += CpxText(InnerProduct(u, v));
    return line;
}

ExactVector Scaled(const ComplexFraction& c, const ExactVector& v) {
    ExactVector result;
    for (const ComplexFraction& z : v)
        result.push_back(CpxMul(c, z));
    return result;
}

ExactVector Difference(const ExactVector& u, const ExactVector& v) {
    ExactVector result;
    for (std::size_t k = 0; k < u.size(); ++k)
        result.push_back(CpxSub(u[k], v[k]));
    return result;
}

ExactVector Sum(const ExactVector& u, const ExactVector& v) {
    ExactVector result;
    for (std::size_t k = 0; k < u.size(); ++k)
        result.push_back(Plus(u[k], v[k]));
    return result;
}

bool IsReal(const ComplexFraction& z) {
    return z.im.num.IsZero();
}

bool AllReal(const std::vector<ExactVector>& vectors) {
    for (const ExactVector& v : vectors) {
        for (const ComplexFraction& z : v) {
            if (!IsReal(z)) return false;
        }
    }
    return true;
}

WorkMatrix ConjugateTransposed(const WorkMatrix& m) {
    WorkMatrix t;
    t.Resize(m.LastRow() + 1, m.LastCol() + 1);
    for (int c = 0; c <= m.LastCol(); ++c) {
        for (int r = 0; r <= m.LastRow(); ++r)
            t.Set(r, c, Conjugate(m.At(c, r)));
    }
    return t;
}

WorkMatrix MatrixOfColumns(const std::vector<ExactVector>& columns) {
    WorkMatrix m;
    m.Resize(static_cast<int>(columns.size()), static_cast<int>(columns.front().size()));
    for (std::size_t c = 0; c < columns.size(); ++c) {
        for (std::size_t r = 0; r < columns[c].size(); ++r)
            m.Set(static_cast<int>(c), static_cast<int>(r), columns[c][r]);
    }
    return m;
}

}  // namespace korvane
