#include "core/orthogonality/Normalization.h"

#include "core/StopSignal.h"
#include "core/orthogonality/GridVectors.h"
#include "core/orthogonality/RootTexts.h"

namespace korvane {

std::vector<std::string> UnitVectorTexts(const ExactVector& u, const Fraction& n) {
    std::vector<std::string> entries;
    for (const ComplexFraction& z : u)
        entries.push_back(UnitEntryText(z, n));
    return entries;
}

std::string NormText(const Fraction& n) {
    return RootText(n);
}

std::vector<SignedEntry> SignedUnitEntries(const ExactVector& u, const Fraction& n) {
    const Surd inverse = SurdInv(RootOf(n));
    std::vector<SignedEntry> entries;
    for (const ComplexFraction& z : u) {
        const Surd entry = SurdMul(SurdFromCpx(z), inverse);
        const bool negative = SurdSign(entry) < 0;
        entries.push_back({negative, SurdText(negative ? SurdNeg(entry) : entry)});
    }
    return entries;
}

std::vector<SignedEntry> SignedUnitEntries(const std::vector<Surd>& u, const Surd& n) {
    const SurdUnitVector unit = UnitVectorOf(u, n);
    std::vector<SignedEntry> entries;
    for (const Surd& w : unit.w) {
        const bool negative = SurdSign(w) < 0;
        entries.push_back({negative, OverNormText(unit, negative ? SurdNeg(w) : w)});
    }
    return entries;
}

std::string TextVector(const std::vector<std::string>& entries) {
    std::string text = "(";
    for (std::size_t k = 0; k < entries.size(); ++k) {
        if (k > 0) text += ',';
        text += entries[k];
    }
    return text + ")";
}

template <EngineField F>
TextRows LoggedNormalization(const BasicOrthogonalBasis<F>& basis, const std::string& made,
                             const std::string& unit, std::size_t offset, StepLog& log) {
    const std::size_t rows = basis.u.empty() ? 0 : basis.u.front().size();
    TextRows matrix(rows);
    for (std::size_t j = 0; j < basis.u.size(); ++j) {
        StopPoint();
        const std::string u = VectorName(made, offset + j);
        const std::string e = VectorName(unit, offset + j);
        log.AppendStepLog("‖" + u + "‖ = √⟨" + u + ", " + u + "⟩ = " +
                          NormText(basis.squaredNorms[j]));
        const std::vector<std::string> entries =
            UnitVectorTexts(basis.u[j], basis.squaredNorms[j]);
        log.AppendStepLog(e + " = " + u + "/‖" + u + "‖ = " + TextVector(entries));
        for (std::size_t r = 0; r < rows; ++r)
            matrix[r].push_back(entries[r]);
    }
    return matrix;
}

template TextRows LoggedNormalization<ComplexRationals>(const OrthogonalBasis&, const std::string&,
                                                        const std::string&, std::size_t, StepLog&);
template TextRows LoggedNormalization<SurdNumbers>(const SurdOrthogonalBasis&, const std::string&,
                                                   const std::string&, std::size_t, StepLog&);

}  // namespace korvane
