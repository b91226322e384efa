#include "core/orthogonality/FormText.h"

#include "core/methods/FormulaText.h"

namespace korvane {

VariableNames IndexedNames(std::string_view letter, int n) {
    VariableNames names;
    for (int k = 1; k <= n; ++k)
        names.push_back(Subscripted(letter, k));
    return names;
}

void AppendTerm(std::string& sum, const ComplexFraction& c, const std::string& monomial) {
    const bool negative = CpxText(c).starts_with('-');
    const ComplexFraction size = negative ? CpxNeg(c) : c;
    std::string term = CpxIsOne(size) ? "" : Factor(size);
    term += monomial;
    AppendSigned(sum, negative, term);
}

void AppendTerm(std::string& sum, const Surd& c, const std::string& monomial) {
    if (CpxIsZero(c.root)) {
        AppendTerm(sum, c.rational, monomial);
        return;
    }
    const bool negative = WrittenNegative(c);
    // Appended piece by piece: GCC 12's Release build warns falsely
    // (-Wrestrict) on a literal + std::string.
    std::string term = "(";
    AppendSurdText(term, negative ? SurdNeg(c) : c);
    term += ')';
    term += monomial;
    AppendSigned(sum, negative, term);
}

std::string QuadraticFormText(const WorkMatrix& b, const VariableNames& names,
                              const std::vector<bool>& active) {
    std::string sum;
    const ComplexFraction two{Fraction{2}, Fraction{}};
    const int n = static_cast<int>(names.size());
    for (int i = 0; i < n; ++i) {
        if (!active[static_cast<std::size_t>(i)]) continue;
        for (int j = i; j < n; ++j) {
            if (!active[static_cast<std::size_t>(j)] || CpxIsZero(b.At(j, i))) continue;
            const std::size_t si = static_cast<std::size_t>(i);
            const std::size_t sj = static_cast<std::size_t>(j);
            if (i == j) {
                AppendTerm(sum, b.At(i, i), names[si] + "²");
            } else {
                AppendTerm(sum, CpxMul(two, b.At(j, i)), names[si] + names[sj]);
            }
        }
    }
    return sum.empty() ? "0" : sum;
}

std::string LinearFormText(const ExactVector& c, const VariableNames& names) {
    std::string sum;
    for (std::size_t k = 0; k < c.size(); ++k) {
        if (!CpxIsZero(c[k])) AppendTerm(sum, c[k], names[k]);
    }
    return sum.empty() ? "0" : sum;
}

}  // namespace korvane
