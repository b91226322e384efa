#include "core/methods/ExpansionQuestion.h"

#include <string>
#include <vector>

namespace korvane {

namespace {

constexpr std::string_view kCaption = "余因子展開";

}  // namespace

std::optional<ExpansionChoice> AskExpansion(const CellGrid& grid, Dialogs& dialogs) {
    const int n = grid.Rows();
    if (!grid.IsSquare() || n == 1) return ExpansionChoice{};
    std::vector<std::string> lines{"0の成分が最も多い行か列"};
    for (int k = 1; k <= n; ++k)
        lines.push_back(std::to_string(k) + "行目");
    for (int k = 1; k <= n; ++k)
        lines.push_back(std::to_string(k) + "列目");
    const std::optional<std::size_t> line =
        dialogs.ChooseOne(kCaption, "どの行か列で展開しますか？", lines);
    if (!line || *line >= lines.size()) return std::nullopt;
    ExpansionChoice choice;
    if (*line > 0) {
        const int index = static_cast<int>(*line) - 1;
        choice.line = index < n ? ExpansionChoice::Line::kRow : ExpansionChoice::Line::kColumn;
        choice.index = index % n;
    }
    // Only a 4 × 4 or 5 × 5 expansion reaches 3 × 3 minors worked by
    // expansion; beyond, the minors are found by row operations.
    if (n == 4 || n == 5) {
        const std::optional<std::size_t> minors = dialogs.ChooseOne(
            kCaption, "3行3列の小行列は、どう求めますか？", {"サラスの方法", "さらに余因子展開"});
        if (!minors || *minors > 1) return std::nullopt;
        choice.sarrusMinors = *minors == 0;
    }
    return choice;
}

}  // namespace korvane
