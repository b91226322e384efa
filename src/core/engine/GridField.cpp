#include "core/engine/GridField.h"

#include <string>

#include "core/CellValue.h"
#include "mklibs/Surd.h"

namespace korvane {

namespace {

// "2行1列の「√3」で、" before the clash's own sentence.
std::string ClashAt(int col, int row, const std::string& text, const SurdFieldClash& clash) {
    std::string message = std::to_string(row + 1);
    message += "行";
    message += std::to_string(col + 1);
    message += "列の「";
    message += text;
    message += "」で、";
    message += clash.what();
    return message;
}

}  // namespace

bool CellNeedsRoot(std::string_view text) {
    return WrittenWithRoot(text) && !CellSurd(text).radicand.IsZero();
}

FieldKind FieldOfGrid(const CellGrid& grid) {
    Integer radicand;
    for (int r = 0; r < grid.Rows(); ++r) {
        for (int c = 0; c < grid.Cols(); ++c) {
            const std::string& text = grid.Cell(c, r);
            if (!WrittenWithRoot(text)) continue;
            const Surd value = CellSurd(text);
            if (value.radicand.IsZero()) continue;
            if (radicand.IsZero()) {
                radicand = value.radicand;
            } else if (!(radicand == value.radicand)) {
                throw Error(ClashAt(c, r, text, SurdFieldClash(radicand, value.radicand)));
            }
        }
    }
    return radicand.IsZero() ? FieldKind::kComplexRationals : FieldKind::kSurds;
}

}  // namespace korvane
