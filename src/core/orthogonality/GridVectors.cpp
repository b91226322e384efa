#include "core/orthogonality/GridVectors.h"

#include "core/engine/KernelBasis.h"
#include "core/methods/CommandFrame.h"
#include "core/methods/FormulaText.h"

namespace korvane {

std::vector<ExactVector> StartOnVectors(const CellGrid& grid, StepLog& log, VectorLines lines) {
    const WorkMatrix matrix = StartOnGrid(grid, log);
    return ColumnsOf(lines == VectorLines::kColumns ? matrix : Transposed(matrix));
}

void NameVectors(std::size_t count, std::string_view letter, VectorLines lines, StepLog& log) {
    std::string line = lines == VectorLines::kColumns ? "列ベクトルを " : "行ベクトルを ";
    line += NameList(letter, count);
    line += " とします。";
    log.AppendStepLog(line);
}

void ConventionLine(bool real, StepLog& log) {
    log.AppendStepLog(real ? "内積は、標準内積 ⟨u, v⟩ = u₁v₁ + u₂v₂ + … + uₙvₙ です。"
                           : "成分に虚数があるので、内積は ⟨u, v⟩ = u₁·conj(v₁) + … + "
                             "uₙ·conj(vₙ) とします（右のベクトルの成分は共役をとって掛けます）。");
}

std::string VectorName(std::string_view letter, std::size_t index) {
    return Subscripted(letter, static_cast<int>(index) + 1);
}

std::string NameList(std::string_view letter, std::size_t count) {
    std::string list;
    for (std::size_t k = 0; k < count; ++k) {
        if (k > 0) list += ", ";
        list += VectorName(letter, k);
    }
    return list;
}

std::string ShortNameList(std::string_view letter, std::size_t count) {
    if (count <= 3) return NameList(letter, count);
    std::string list = NameList(letter, 2);
    list += ", …, ";
    list += VectorName(letter, count - 1);
    return list;
}

std::string VectorLine(const std::string& name, const ExactVector& v) {
    std::string line = name;
    line += " = ";
    line += VectorText(v);
    return line;
}

}  // namespace korvane
