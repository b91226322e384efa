#include "core/formats/PasteReader.h"

#include <cstdio>

#include "core/CellGrid.h"
#include "core/formats/CellExpression.h"
#include "core/formats/PasteTable.h"
#include "mklibs/mklibs.h"

namespace korvane {

namespace {

// Which family the text belongs to, judged from its shape.
RawTable Split(std::string_view text) {
    if (text.starts_with('|')) return SplitMarkdownTable(text);
    if (text.find('\\') != std::string_view::npos || text.find('&') != std::string_view::npos ||
        text.starts_with('$'))
        return SplitLatex(text);
    const std::size_t bracket = text.find_first_of("[{");
    if (bracket != std::string_view::npos &&
        text.find_first_not_of(" \t\r\n=:(_.abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                               "0123456789") == bracket)
        return SplitBrackets(text);
    return SplitDelimited(text);
}

bool IsControl(unsigned char c, bool lineBreaksAllowed) {
    if (c == '\t') return false;
    if (lineBreaksAllowed && (c == '\n' || c == '\r')) return false;
    return c < 0x20 || c == 0x7F;
}

// A cell's text for a message: at most about 40 bytes, cut between
// characters, blanks and control characters shown as spaces.
std::string Shortened(std::string_view text) {
    constexpr std::size_t kMax = 40;
    std::string shown;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const unsigned char c = text[pos];
        if (shown.size() >= kMax && (c & 0xC0) != 0x80) return shown + "…";
        shown += (c < 0x20 || c == 0x7F) ? ' ' : static_cast<char>(c);
    }
    return shown;
}

// The value of one cell; throws PasteError naming it (row, col from 0).
ComplexFraction ReadCell(const RawCell& cell, int row, int col) {
    for (const char c : cell.text) {
        const auto byte = static_cast<unsigned char>(c);
        if (!IsControl(byte, !cell.typed)) continue;
        char code[8];
        std::snprintf(code, sizeof code, "0x%02X", byte);
        throw PasteError::AtCell(PasteError::Kind::kControlCharacter, row + 1, col + 1, code);
    }
    const std::string_view text = TrimBlanks(cell.text);
    if (text.empty()) return CpxParse("0");
    if (cell.typed) return CpxParse(text);
    const CellReading reading = ReadCellExpression(text);
    if (reading.value) return *reading.value;
    throw PasteError::AtCell(
        reading.divisionByZero ? PasteError::Kind::kDivisionByZero : PasteError::Kind::kBadCell,
        row + 1, col + 1, Shortened(text));
}

}  // namespace

std::string PasteFormatName(PasteFormat format) {
    switch (format) {
        case PasteFormat::kTabSeparated:
            return "表計算の表";
        case PasteFormat::kCommaSeparated:
        case PasteFormat::kSemicolonSeparated:
            return "CSV";
        case PasteFormat::kBlankSeparated:
            return "空白で区切った行";
        case PasteFormat::kMatlab:
            return "MATLAB の行列";
        case PasteFormat::kNestedLists:
            return "Python のリスト";
        case PasteFormat::kMathematica:
            return "Mathematica のリスト";
        case PasteFormat::kLatex:
            return "LaTeX の行列";
        case PasteFormat::kMarkdownTable:
            return "Markdown の表";
    }
    return "行列";
}

PastedMatrix ReadPastedMatrix(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte-order mark
    text = TrimBlanks(text);
    if (text.empty()) throw PasteError::Of(PasteError::Kind::kEmpty);
    const RawTable table = Split(text);
    if (table.rows > CellGrid::kMaxSize || table.cols > CellGrid::kMaxSize)
        throw PasteError::TooLarge(table.rows, table.cols);

    PastedMatrix matrix{table.format, table.rows, table.cols, {}, {}};
    const bool typedFields = table.format == PasteFormat::kTabSeparated ||
                             table.format == PasteFormat::kCommaSeparated ||
                             table.format == PasteFormat::kSemicolonSeparated ||
                             table.format == PasteFormat::kBlankSeparated;
    for (int r = 0; r < table.rows; ++r) {
        for (int c = 0; c < table.cols; ++c) {
            const RawCell& cell = table.cells[r][c];
            matrix.texts.push_back(CpxText(ReadCell(cell, r, c)));
            const std::string_view field = TrimBlanks(cell.text);
            matrix.typed.push_back(typedFields && !field.empty() ? std::string(field)
                                                                 : matrix.texts.back());
        }
    }
    return matrix;
}

}  // namespace korvane
