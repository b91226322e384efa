#include "core/CellValue.h"

namespace korvane {

bool IsEmptyCell(std::string_view text) {
    return CpxIsBlankText(text);
}

ComplexFraction CellValue(std::string_view text) {
    return IsEmptyCell(text) ? CpxZero() : CpxParse(text);
}

}  // namespace korvane
