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

std::string TextVector(const std::vector<std::string>& entries) {
    std::string text = "(";
    for (std::size_t k = 0; k < entries.size(); ++k) {
        if (k > 0) text += ',';
        text += entries[k];
    }
    return text + ")";
}

TextRows LoggedNormalization(const OrthogonalBasis& basis, const std::string& made,
                             const std::string& unit, std::size_t offset, StepLog& log) {
    const std::size_t rows = basis.u.empty() ? 0 : basis.u.front().size();
    TextRows matrix(rows);
    for (std::size_t j = 0; j < basis.u.size(); ++j) {
        StopPoint();
        const std::string u = VectorName(made, offset + j);
        const std::string e = VectorName(unit, offset + j);
        log.AppendStepLog("‖" + u + "‖ = √⟨" + u + ", " + u + "⟩ = " +
                          RootText(basis.squaredNorms[j]));
        const std::vector<std::string> entries =
            UnitVectorTexts(basis.u[j], basis.squaredNorms[j]);
        log.AppendStepLog(e + " = " + u + "/‖" + u + "‖ = " + TextVector(entries));
        for (std::size_t r = 0; r < rows; ++r)
            matrix[r].push_back(entries[r]);
    }
    return matrix;
}

}  // namespace korvane
