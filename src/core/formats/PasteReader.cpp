#include "core/formats/PasteReader.h"

#include <cstdio>

#include "core/CellGrid.h"
#include "core/CellValue.h"
#include "core/ParameterCell.h"
#include "core/formats/CellExpression.h"
#include "core/formats/PasteTable.h"
#include "core/formats/ProgramRoots.h"
#include "core/formats/StrictNumber.h"
#include "core/formats/TexRoots.h"
#include "mklibs/NumberTextFolding.h"
#include "mklibs/SurdReading.h"
#include "mklibs/mklibs.h"

namespace korvane {

namespace {

// Which family the text belongs to, judged from its shape.
RawTable Split(std::string_view text) {
    if (std::optional<RawTable> labelled = SplitUnderLabel(text)) return std::move(*labelled);
    if (std::optional<RawTable> pretty = SplitSympyPretty(text)) return std::move(*pretty);
    if (text.starts_with('|')) return SplitMarkdownTable(text);
    if (text.find('\\') != std::string_view::npos || text.find('&') != std::string_view::npos ||
        text.starts_with('$'))
        return SplitLatex(text);
    if (text.find_first_of("[{") != std::string_view::npos) return SplitBrackets(text);
    return SplitDelimited(text);
}

bool IsControl(unsigned char c, bool lineBreaksAllowed) {
    if (c == '\t') return false;
    if (lineBreaksAllowed && (c == '\n' || c == '\r')) return false;
    return c < 0x20 || c == 0x7F;
}

PasteError::Kind KindOf(NumberFault fault) {
    switch (fault) {
        case NumberFault::kDivisionByZero:
            return PasteError::Kind::kDivisionByZero;
        case NumberFault::kExponentTooLarge:
            return PasteError::Kind::kExponentTooLarge;
        case NumberFault::kNotANumber:
            break;
    }
    return PasteError::Kind::kBadCell;
}

NumberReading ReadNumber(std::string_view text, CellSyntax syntax) {
    switch (syntax) {
        case CellSyntax::kTyped:
            return ReadStrictNumber(text);
        case CellSyntax::kTex:
            return ReadCellExpression(text, ExpressionSyntax::kTex);
        case CellSyntax::kProgram:
            return ReadCellExpression(text, ExpressionSyntax::kProgram);
        case CellSyntax::kRefused:
            break;
    }
    return {};
}

void RefuseControlCharacters(const RawCell& cell, int row, int col) {
    for (const char c : cell.text) {
        const auto byte = static_cast<unsigned char>(c);
        if (!IsControl(byte, cell.syntax != CellSyntax::kTyped)) continue;
        char code[8];
        std::snprintf(code, sizeof code, "0x%02X", byte);
        throw PasteError::AtCell(PasteError::Kind::kControlCharacter, row + 1, col + 1, code);
    }
}

// The text ReadSurd is to read for a cell written with a square root, in the
// cell's syntax; nothing for a cell without one.
std::optional<std::string> RootText(std::string_view text, CellSyntax syntax) {
    const bool mathematica =
        syntax == CellSyntax::kProgram && text.find("Sqrt[") != std::string_view::npos;
    if (!WrittenWithRoot(text) && !mathematica) return std::nullopt;
    switch (syntax) {
        case CellSyntax::kTyped:
            return std::string(text);
        case CellSyntax::kProgram:
            return ProgramRootText(text);
        case CellSyntax::kTex:
            return TexRootText(text);
        case CellSyntax::kRefused:
            break;
    }
    return std::nullopt;
}

// A cell written with a square root, read whole by ReadSurd or refused with
// its sentence (row, col from 0).
Surd ReadRootCell(std::string_view text, const std::string& rootText, int row, int col) {
    SurdReading reading = ReadSurd(rootText);
    if (!reading.value)
        throw PasteError::RootRefused(row + 1, col + 1, ShortenedText(text), reading.error);
    return std::move(*reading.value);
}

// One cell read: a number, possibly with a square root, or an expression in
// a parameter letter, which is kept as written (its text tells where it
// means nothing, as (a^2-1)/(a-1) at a = 1, which its value a+1 would not).
struct ReadCellValue {
    Surd value;
    char letter = '\0';
};

// The value of one cell; throws PasteError naming it (row, col from 0).
ReadCellValue ReadCell(const RawCell& cell, int row, int col) {
    RefuseControlCharacters(cell, row, col);
    const std::string_view text = TrimBlanks(cell.text);
    const bool blankIsZero = cell.syntax == CellSyntax::kTyped || cell.syntax == CellSyntax::kTex;
    if (text.empty() && blankIsZero) return {SurdZero()};
    const NumberReading reading = ReadNumber(text, cell.syntax);
    if (reading.value) return {SurdFromCpx(*reading.value)};
    if (reading.fault == NumberFault::kNotANumber) {
        if (const std::optional<std::string> root = RootText(text, cell.syntax))
            return {ReadRootCell(text, *root, row, col)};
        if (cell.syntax != CellSyntax::kRefused) {
            if (const char letter = CellParameterLetter(text)) return {SurdZero(), letter};
        }
    }
    throw PasteError::AtCell(KindOf(reading.fault), row + 1, col + 1, ShortenedText(text));
}

// The one square root a matrix may hold: the first cell's that needs one;
// a later cell with another is refused with SurdFieldClash's sentence.
class MatrixRoot {
  public:
    void Admit(const Surd& value, const RawCell& cell, int row, int col) {
        if (value.radicand.IsZero()) return;
        if (radicand_.IsZero()) {
            radicand_ = value.radicand;
        } else if (!(radicand_ == value.radicand)) {
            throw PasteError::RootRefused(row + 1, col + 1, ShortenedText(TrimBlanks(cell.text)),
                                          SurdFieldClash(radicand_, value.radicand).what());
        }
    }

  private:
    Integer radicand_;
};

// The field as typed where the grid reads it as the same value and it has
// no blank inside; otherwise the canonical text (1e5 is shown as 100000,
// which the grid's own reading takes as it stands).
std::string TypedText(const RawCell& cell, const std::string& canonical, const Surd& surd) {
    const std::string_view field = TrimBlanks(cell.text);
    if (!surd.radicand.IsZero()) return canonical;
    const ComplexFraction& value = surd.rational;
    if (cell.syntax != CellSyntax::kTyped || field.empty() ||
        FoldNumberText(field).find_first_of(" \t") != std::string::npos ||
        !(CpxParse(field) == value))
        return canonical;
    return std::string(field);
}

// The parameter letter met so far; a cell in another one is refused.
void KeepOneLetter(char& letter, const ReadCellValue& read, const RawCell& cell, int row, int col) {
    if (read.letter == '\0') return;
    if (letter != '\0' && letter != read.letter)
        throw PasteError::TwoLetters(row + 1, col + 1, ShortenedText(TrimBlanks(cell.text)), letter,
                                     read.letter);
    letter = read.letter;
}

}  // namespace

CellGrid GridOfTypedCells(const PastedMatrix& matrix) {
    CellGrid grid;
    grid.SetRows(matrix.rows);
    grid.SetCols(matrix.cols);
    for (int r = 0; r < matrix.rows; ++r) {
        for (int c = 0; c < matrix.cols; ++c)
            grid.SetCell(c, r, matrix.Typed(c, r));
    }
    return grid;
}

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
        case PasteFormat::kJulia:
            return "Julia の行列";
        case PasteFormat::kSympyPretty:
            return "SymPy の行列";
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
    bool written = false;  // some cell holds more than blanks
    MatrixRoot root;
    char letter = '\0';
    for (int r = 0; r < table.rows; ++r) {
        for (int c = 0; c < table.cols; ++c) {
            const RawCell& cell = table.cells[r][c];
            const ReadCellValue read = ReadCell(cell, r, c);
            KeepOneLetter(letter, read, cell, r, c);
            if (read.letter != '\0') {
                matrix.texts.emplace_back(TrimBlanks(cell.text));
                matrix.typed.push_back(matrix.texts.back());
            } else {
                root.Admit(read.value, cell, r, c);
                matrix.texts.push_back(SurdText(read.value));
                matrix.typed.push_back(TypedText(cell, matrix.texts.back(), read.value));
            }
            written = written || !TrimBlanks(cell.text).empty();
        }
    }
    // "| |" or a lone "&" holds cells, but no number to read as 0.
    if (!written) throw PasteError::Of(PasteError::Kind::kUnreadable);
    return matrix;
}

}  // namespace korvane
