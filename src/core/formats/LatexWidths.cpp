#include "core/formats/LatexWidths.h"

#include <algorithm>

#include "core/formats/NumberParts.h"
#include "mklibs/mklibs.h"

namespace korvane {

namespace {

constexpr double kDigit = 5.0;         // a digit at 10 pt
constexpr double kScriptDigit = 4.25;  // at 8 pt, in a fraction
constexpr double kSign = 12.3;         // a binary + or − with its spaces
constexpr double kMinus = 7.8;         // a leading −
constexpr double kI = 3.5;             // the italic i
constexpr double kFractionSides = 2.4;
constexpr double kColumnSeparation = 10;  // \arraycolsep on both sides
constexpr double kTextCharacter = 5.6;    // an entry that is no number, as text
constexpr double kRow = 11.0;             // R with a one-digit subscript
constexpr double kRelation = 15.6;        // \to or \leftrightarrow with its spaces
constexpr double kArrowEnds = 16;         // the arrow beyond its notation, and its spaces

double Magnitude(const NumberParts::Part& part, bool imaginary) {
    const double i = imaginary ? kI : 0;
    const std::size_t numerator = std::max<std::size_t>(part.numerator.size(), 1);
    if (part.denominator.empty())
        return (part.numerator.empty() ? 0 : kDigit * static_cast<double>(numerator)) + i;
    const std::size_t longer = std::max(numerator, part.denominator.size());
    return kScriptDigit * static_cast<double>(longer) + kFractionSides + i;
}

double EntryWidth(const std::string& entry) {
    const std::optional<NumberParts> parts = SplitNumberText(entry);
    if (!parts) return kTextCharacter * static_cast<double>(entry.size());
    double width = 0;
    if (parts->re.present) width += (parts->re.negative ? kMinus : 0) + Magnitude(parts->re, false);
    if (parts->im.present) {
        const double sign = parts->re.present ? kSign : (parts->im.negative ? kMinus : 0);
        width += sign + Magnitude(parts->im, true);
    }
    return width;
}

double RowWidth(int row) {
    return row + 1 >= 10 ? kRow + kScriptDigit : kRow;
}

}  // namespace

double LatexColumnWidth(const std::string& entry) {
    return EntryWidth(entry) + kColumnSeparation;
}

double LatexArrowWidth(const RowOperation& operation) {
    double width = kArrowEnds + RowWidth(operation.target) + kRelation;
    if (operation.kind == RowOperation::Kind::kSwap) return width + RowWidth(operation.source);
    // The multiplier, in brackets when it has two terms.
    const std::string factor = CpxText(operation.factor);
    const double multiplier = factor == "1" || factor == "-1" ? 0 : EntryWidth(factor) + 8;
    width += RowWidth(operation.target) + multiplier + kSign;
    if (operation.kind == RowOperation::Kind::kAdd) width += RowWidth(operation.source);
    return width;
}

std::vector<ColumnBlock> PaperBlocks(const LogMatrix& matrix, bool arrow) {
    std::vector<double> widths(matrix.rows.front().size(), 0.0);
    for (const std::vector<std::string>& row : matrix.rows) {
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], LatexColumnWidth(row[c]));
    }
    const double room = kLatexLineWidth - kLatexBracketsWidth -
                        (arrow && matrix.reachedBy ? LatexArrowWidth(*matrix.reachedBy) : 0);
    return SplitColumns(widths, room, static_cast<std::size_t>(std::max(matrix.barAfter, 0)));
}

}  // namespace korvane
