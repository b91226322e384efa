#include "core/CellValue.h"

#include "core/ParameterCell.h"
#include "mklibs/SurdReading.h"

namespace korvane {

namespace {

// The value of a text written with a root, when it reads as one.
std::optional<Surd> RootValue(std::string_view text) {
    if (!WrittenWithRoot(text)) return std::nullopt;
    return ReadSurd(text).value;
}

}  // namespace

bool IsEmptyCell(std::string_view text) {
    return CpxIsBlankText(text);
}

bool WrittenWithRoot(std::string_view text) {
    return text.find("\u221A") != std::string_view::npos ||
           text.find("sqrt") != std::string_view::npos;
}

ComplexFraction CellValue(std::string_view text) {
    if (IsEmptyCell(text)) return CpxZero();
    if (const std::optional<Surd> root = RootValue(text); root && root->radicand.IsZero())
        return root->rational;
    if (const char letter = CellParameterLetter(text)) throw ParameterNotTaken(letter);
    return CpxParse(text);
}

Surd CellSurd(std::string_view text) {
    if (const std::optional<Surd> root = RootValue(text)) return *root;
    return SurdFromCpx(CellValue(text));
}

}  // namespace korvane
