// Matrices as programs print them to a console: SymPy's pretty print, and
// the rows under Octave's, MATLAB's and Julia's label lines.
#include <array>

#include "core/formats/PasteTable.h"

namespace korvane {

namespace {

// The brackets of one pretty-printed line: top, middle, bottom, and the
// plain ones of the ASCII form.
struct LineBrackets {
    std::string_view open;
    std::string_view close;
};
constexpr std::array<LineBrackets, 4> kPrettyBrackets{{
    {"\u23A1", "\u23A4"},  // ⎡ ⎤
    {"\u23A2", "\u23A5"},  // ⎢ ⎥
    {"\u23A3", "\u23A6"},  // ⎣ ⎦
    {"[", "]"},
}};
constexpr std::size_t kTop = 0, kBottom = 2, kAscii = 3;

// Which brackets stand around line, and what is between them.
std::optional<std::size_t> BracketsOf(std::string_view line, std::string_view& inside) {
    for (std::size_t k = 0; k < kPrettyBrackets.size(); ++k) {
        const LineBrackets& brackets = kPrettyBrackets[k];
        if (line.size() >= brackets.open.size() + brackets.close.size() &&
            line.starts_with(brackets.open) && line.ends_with(brackets.close)) {
            inside = line.substr(brackets.open.size(),
                                 line.size() - brackets.open.size() - brackets.close.size());
            return k;
        }
    }
    return std::nullopt;
}

// Whether the text is SymPy's pretty print: it starts with ⎡, or every line
// is in plain brackets with a spacer line ("[    ]") among them and no comma
// or semicolon, as SymPy prints without Unicode.
bool LooksPrettyPrinted(std::string_view text) {
    if (text.starts_with(kPrettyBrackets[kTop].open)) return true;
    if (text.find_first_of(",;") != std::string_view::npos) return false;
    bool spacer = false, bracketed = true;
    ForEachLine(text, [&](std::string_view line) {
        line = TrimBlanks(line);
        std::string_view inside;
        if (line.empty()) return;
        if (BracketsOf(line, inside) != kAscii) bracketed = false;
        if (TrimBlanks(inside).empty()) spacer = true;
    });
    return bracketed && spacer;
}

bool IsIdentifier(std::string_view word) {
    if (word.empty() || (word.front() >= '0' && word.front() <= '9')) return false;
    for (const char c : word) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
              c == '_'))
            return false;
    }
    return true;
}

bool IsNumber(std::string_view word) {
    return !word.empty() && word.find_first_not_of("0123456789") == std::string_view::npos;
}

// Octave's and MATLAB's "A =" alone on its line.
bool IsOctaveLabel(std::string_view line) {
    line = TrimBlanks(line);
    return line.ends_with('=') && IsIdentifier(TrimBlanks(line.substr(0, line.size() - 1)));
}

// Julia's "2×2 Matrix{Int64}:" or "3-element Vector{Rational{Int64}}:".
bool IsJuliaHeader(std::string_view line) {
    line = TrimBlanks(line);
    if (!line.ends_with(':')) return false;
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) return false;
    const std::string_view size = line.substr(0, space);
    if (size.ends_with("-element")) return IsNumber(size.substr(0, size.size() - 8));
    const std::size_t times = size.find("\u00D7");
    return times != std::string_view::npos && IsNumber(size.substr(0, times)) &&
           IsNumber(size.substr(times + 2));
}

}  // namespace

std::optional<RawTable> SplitSympyPretty(std::string_view text) {
    if (!LooksPrettyPrinted(text)) return std::nullopt;
    TableBuilder table(PasteFormat::kSympyPretty);
    bool ended = false;  // a bottom line has closed the matrix
    ForEachLine(text, [&](std::string_view line) {
        line = TrimBlanks(line);
        if (line.empty()) return;
        std::string_view inside;
        const std::optional<std::size_t> brackets = BracketsOf(line, inside);
        if (!brackets) ThrowUnreadable();
        if (ended) throw PasteError::Of(PasteError::Kind::kTwoMatrices);
        ended = *brackets == kBottom;
        if (TrimBlanks(inside).empty()) return;  // a spacer between rows
        SplitMatlabRow(inside, table);
        table.EndRow();
    });
    return table.Finish();
}

std::optional<RawTable> SplitUnderLabel(std::string_view text) {
    const std::size_t lineEnd = text.find_first_of("\r\n");
    if (lineEnd == std::string_view::npos) return std::nullopt;
    const std::string_view label = text.substr(0, lineEnd);
    const bool julia = IsJuliaHeader(label);
    if (!julia && !IsOctaveLabel(label)) return std::nullopt;
    const std::string_view rows = text.substr(lineEnd);
    // "A =" above a list in brackets is a label the list's reader takes.
    if (!julia && TrimBlanks(rows).find_first_of("[{") == 0) return std::nullopt;
    ForEachLine(rows, [](std::string_view line) {
        if (IsOctaveLabel(line) || IsJuliaHeader(line))
            throw PasteError::Of(PasteError::Kind::kTwoMatrices);
    });
    TableBuilder table(julia ? PasteFormat::kJulia : PasteFormat::kMatlab);
    SplitMatlabBody(rows, table);
    return table.Finish();
}

}  // namespace korvane
