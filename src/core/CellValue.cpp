#include "core/CellValue.h"

#include "core/ParameterCell.h"

namespace korvane {

bool IsEmptyCell(std::string_view text) {
    return CpxIsBlankText(text);
}

ComplexFraction CellValue(std::string_view text) {
    if (IsEmptyCell(text)) return CpxZero();
    if (const char letter = CellParameterLetter(text)) throw ParameterNotTaken(letter);
    return CpxParse(text);
}

}  // namespace korvane
