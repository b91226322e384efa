#include "core/orthogonality/InnerProduct.h"

#include "core/methods/FormulaText.h"

namespace korvane {

ComplexFraction Conjugate(const ComplexFraction& z) {
    return {z.re, FracSub(Fraction{}, z.im)};
}

Surd Conjugate(const Surd& z) {
    return {Conjugate(z.rational), Conjugate(z.root), z.radicand};
}

template <EngineField F>
typename F::Number InnerProduct(const BasicVector<F>& u, const BasicVector<F>& v) {
    typename F::Number sum = F::Zero();
    for (std::size_t k = 0; k < u.size(); ++k)
        sum = F::Add(sum, F::Mul(u[k], Conjugate(v[k])));
    return sum;
}

template <EngineField F>
std::string InnerProductSum(const BasicVector<F>& u, const BasicVector<F>& v) {
    std::string text;
    for (std::size_t k = 0; k < u.size(); ++k) {
        if (!text.empty()) text += " + ";
        text += Factor(u[k]);
        text += "·";
        text += Factor(Conjugate(v[k]));
    }
    return text;
}

template <EngineField F>
std::string InnerProductLine(const std::string& left, const std::string& right,
                             const BasicVector<F>& u, const BasicVector<F>& v) {
    std::string line = "⟨";
    line += left;
    line += ", ";
    line += right;
    line += "⟩ = ";
    line += InnerProductSum<F>(u, v);
    line += " = ";
    line += NumberText<F>(InnerProduct<F>(u, v));
    return line;
}

template <EngineField F>
BasicVector<F> Scaled(const typename F::Number& c, const BasicVector<F>& v) {
    BasicVector<F> result;
    for (const typename F::Number& z : v)
        result.push_back(F::Mul(c, z));
    return result;
}

template <EngineField F>
BasicVector<F> Difference(const BasicVector<F>& u, const BasicVector<F>& v) {
    BasicVector<F> result;
    for (std::size_t k = 0; k < u.size(); ++k)
        result.push_back(F::Sub(u[k], v[k]));
    return result;
}

#define KORVANE_INNER_PRODUCTS(F)                                                           \
    template F::Number InnerProduct<F>(const BasicVector<F>&, const BasicVector<F>&);       \
    template std::string InnerProductSum<F>(const BasicVector<F>&, const BasicVector<F>&);  \
    template std::string InnerProductLine<F>(const std::string&, const std::string&,        \
                                             const BasicVector<F>&, const BasicVector<F>&); \
    template BasicVector<F> Scaled<F>(const F::Number&, const BasicVector<F>&);             \
    template BasicVector<F> Difference<F>(const BasicVector<F>&, const BasicVector<F>&);
KORVANE_INNER_PRODUCTS(ComplexRationals)
KORVANE_INNER_PRODUCTS(SurdNumbers)
#undef KORVANE_INNER_PRODUCTS

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
