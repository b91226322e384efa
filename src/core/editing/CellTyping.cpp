#include "core/editing/CellTyping.h"

#include "core/CellValue.h"
#include "core/ParameterCell.h"
#include "core/formats/CellExpression.h"
#include "mklibs/SurdReading.h"

namespace korvane {

namespace {

bool InTable(int col, int row) {
    return col >= 0 && col < CellGrid::kMaxSize && row >= 0 && row < CellGrid::kMaxSize;
}

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// A typed text for the status bar: long ones cut between characters.
std::string Shown(std::string_view text) {
    constexpr std::size_t kMaxBytes = 30;
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (shown.size() >= kMaxBytes && (byte & 0xC0) != 0x80) return shown + "…";
        shown += byte < 0x20 ? ' ' : c;
    }
    return shown;
}

// The cell reader forgives much, so that nothing typed is refused. The
// stricter reading of a pasted matrix entry tells whether the text was read
// as a reader of it would read it; where it cannot read the text, or reads
// another number, the user is told what the cell now holds.
bool ReadAsItLooks(std::string_view typed, const ComplexFraction& value) {
    if (IsEmptyCell(typed)) return true;
    const CellReading strict = ReadCellExpression(Trimmed(typed));
    return strict.value && CpxText(*strict.value) == CpxText(value);
}

// The canonical text of a cell written with a square root that reads as one
// (2√3, sqrt(1/2) as √2/2); nothing for any other text.
std::optional<std::string> RootCanonical(std::string_view typed) {
    if (!WrittenWithRoot(typed)) return std::nullopt;
    const SurdReading reading = ReadSurd(typed);
    if (!reading.value) return std::nullopt;
    return SurdText(*reading.value);
}

// A text in a parameter letter is kept as typed, so that the grid shows
// "2a/3" as the user wrote it; the note names the letter taken.
TypedCell TypeParameterCell(CellGrid& grid, int col, int row, std::string_view typed, char letter) {
    std::string text(Trimmed(typed));
    TypedCell outcome;
    outcome.note = "「" + Shown(text) + "」の ";
    outcome.note += letter;
    outcome.note += " をパラメータとして読みました";
    outcome.changed = grid.Cell(col, row) != text;
    if (outcome.changed) grid.SetCell(col, row, std::move(text));
    return outcome;
}

}  // namespace

TypedCell TypeIntoCell(CellGrid& grid, int col, int row, std::string_view typed) {
    if (!InTable(col, row) || typed == grid.Cell(col, row)) return {};
    if (const char letter = CellParameterLetter(typed); letter && !WrittenWithRoot(typed))
        return TypeParameterCell(grid, col, row, typed, letter);
    std::optional<std::string> root = RootCanonical(typed);
    const ComplexFraction value = CellValue(typed);
    std::string canonical = root ? std::move(*root) : CpxText(value);
    TypedCell outcome;
    if (!root && !ReadAsItLooks(typed, value))
        outcome.note = "「" + Shown(Trimmed(typed)) + "」を " + canonical + " と読みました";
    outcome.changed = grid.Cell(col, row) != canonical;
    if (outcome.changed) grid.SetCell(col, row, std::move(canonical));
    return outcome;
}

bool ClearCells(CellGrid& grid, const CellRect& cells) {
    bool changed = false;
    for (int col = cells.col; col < cells.col + cells.cols; ++col) {
        for (int row = cells.row; row < cells.row + cells.rows; ++row) {
            if (!InTable(col, row) || grid.Cell(col, row) == "0") continue;
            grid.SetCell(col, row, "0");
            changed = true;
        }
    }
    return changed;
}

}  // namespace korvane
