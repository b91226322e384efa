// LaTeX matrix bodies: rows between \\, cells between &.
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>

#include "core/formats/LatexSurroundings.h"
#include "core/formats/PasteTable.h"

namespace korvane {

namespace {

// The text without TeX comments (from an unescaped % to the line's end).
std::string WithoutComments(std::string_view text) {
    std::string clean;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] == '\\' && pos + 1 < text.size()) {
            clean += text.substr(pos, 2);
            ++pos;
        } else if (text[pos] == '%') {
            while (pos < text.size() && text[pos] != '\n' && text[pos] != '\r')
                ++pos;
            if (pos < text.size()) clean += text[pos];
        } else {
            clean += text[pos];
        }
    }
    return clean;
}

// The position after a balanced group that opens at pos with open; npos
// when it does not close.
std::size_t AfterGroup(std::string_view text, std::size_t pos, char open, char close) {
    int depth = 0;
    for (; pos < text.size(); ++pos) {
        if (text[pos] == '\\') {
            ++pos;
        } else if (text[pos] == open) {
            ++depth;
        } else if (text[pos] == close && --depth == 0) {
            return pos + 1;
        }
    }
    return std::string_view::npos;
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsAsciiBlank(text[pos]))
        ++pos;
    return pos;
}

// The inside of the first matrix environment, without its options and
// column format, once the text around it is found to leave it unchanged;
// nothing when there is none.
std::optional<std::string_view> EnvironmentBody(std::string_view text) {
    for (std::size_t begin = text.find("\\begin{"); begin != std::string_view::npos;
         begin = text.find("\\begin{", begin + 1)) {
        const std::size_t nameStart = begin + 7;
        const std::size_t nameEnd = text.find('}', nameStart);
        if (nameEnd == std::string_view::npos) ThrowUnreadable();
        const std::string_view name = text.substr(nameStart, nameEnd - nameStart);
        if (!IsMatrixEnvironment(name)) continue;
        std::size_t pos = SkipBlanks(text, nameEnd + 1);
        if (pos < text.size() && text[pos] == '[') pos = AfterGroup(text, pos, '[', ']');
        if (pos != std::string_view::npos && (name.starts_with("array") || name == "tabular")) {
            pos = SkipBlanks(text, pos);
            if (pos >= text.size() || text[pos] != '{') ThrowUnreadable();
            pos = AfterGroup(text, pos, '{', '}');
        }
        if (pos == std::string_view::npos) ThrowUnreadable();
        const std::string end = "\\end{" + std::string(name) + "}";
        const std::size_t endPos = text.find(end, pos);
        if (endPos == std::string_view::npos) ThrowUnreadable();
        CheckTextBeforeMatrix(text.substr(0, begin));
        CheckTextAfterMatrix(text.substr(endPos + end.size()));
        return text.substr(pos, endPos - pos);
    }
    return std::nullopt;
}

bool StripPrefix(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

bool StripSuffix(std::string_view& text, std::string_view suffix) {
    if (!text.ends_with(suffix)) return false;
    text.remove_suffix(suffix.size());
    return true;
}

// A bare body: math delimiters and \left( … \right) around it are dropped.
std::string_view BareBody(std::string_view text) {
    text = TrimBlanks(text);
    for (const auto& [open, close] :
         {std::pair{"$$", "$$"}, {"$", "$"}, {"\\[", "\\]"}, {"\\(", "\\)"}}) {
        if (text.size() >= 2 * std::string_view(open).size() && text.starts_with(open) &&
            text.ends_with(close)) {
            StripPrefix(text, open);
            StripSuffix(text, close);
            text = TrimBlanks(text);
            break;
        }
    }
    if (TakeSizedDelimiter(text, "\\left")) {
        const std::size_t right = text.rfind("\\right");
        if (right == std::string_view::npos) ThrowUnreadable();
        std::string_view after = text.substr(right);
        TakeSizedDelimiter(after, "\\right");
        CheckTextAfterMatrix(after);
        text = TrimBlanks(text.substr(0, right));
    }
    return text;
}

// The row text with horizontal rules taken out.
std::string WithoutRules(std::string_view row) {
    std::string kept;
    for (std::size_t pos = 0; pos < row.size(); ++pos) {
        if (row[pos] != '\\') {
            kept += row[pos];
            continue;
        }
        std::size_t end = pos + 1;
        while (end < row.size() &&
               ((row[end] >= 'a' && row[end] <= 'z') || (row[end] >= 'A' && row[end] <= 'Z')))
            ++end;
        const std::string_view name = row.substr(pos + 1, end - pos - 1);
        if (name == "hline" || name == "toprule" || name == "midrule" || name == "bottomrule" ||
            name == "hdashline") {
            pos = end - 1;
        } else if (name == "cline" || name == "cmidrule") {
            const std::size_t brace = row.find('{', end);
            const std::size_t after =
                brace == std::string_view::npos ? end : AfterGroup(row, brace, '{', '}');
            if (after == std::string_view::npos) ThrowUnreadable();
            pos = after - 1;
        } else {
            kept += row.substr(pos, std::max<std::size_t>(end, pos + 2) - pos);
            pos = std::max<std::size_t>(end, pos + 2) - 1;
        }
    }
    return kept;
}

void SplitRow(std::string_view row, TableBuilder& table) {
    const std::string kept = WithoutRules(row);
    if (TrimBlanks(kept).empty()) {
        table.EndRow();  // a blank row, such as after the last \\.
        return;
    }
    const std::string_view text = kept;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos <= text.size(); ++pos) {
        if (pos < text.size()) {
            const char c = text[pos];
            if (c == '\\') {
                ++pos;
                continue;
            }
            if (c == '{') ++depth;
            if (c == '}') --depth;
            if (c != '&' || depth != 0) continue;
        }
        table.Cell(std::string(TrimBlanks(text.substr(start, pos - start))), CellSyntax::kTex);
        start = pos + 1;
    }
    table.EndRow();
}

}  // namespace

RawTable SplitLatex(std::string_view text) {
    const std::string clean = WithoutComments(text);
    const std::optional<std::string_view> environment = EnvironmentBody(clean);
    const std::string_view body = environment ? *environment : BareBody(clean);
    TableBuilder table(PasteFormat::kLatex);
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos <= body.size(); ++pos) {
        std::size_t next = pos + 1;
        if (pos < body.size()) {
            const char c = body[pos];
            if (c == '{') ++depth;
            if (c == '}') --depth;
            const bool rowEnd = depth == 0 && c == '\\' && pos + 1 < body.size() &&
                                (body[pos + 1] == '\\' || body.substr(pos + 1, 2) == "cr");
            if (c == '\\' && !rowEnd) {
                ++pos;
                continue;
            }
            if (!rowEnd) continue;
            next = SkipBlanks(body, pos + (body[pos + 1] == '\\' ? 2 : 3));
            if (next < body.size() && body[next] == '[') {  // \\[2pt]
                next = AfterGroup(body, next, '[', ']');
                if (next == std::string_view::npos) ThrowUnreadable();
            }
        }
        SplitRow(body.substr(start, pos - start), table);
        start = next;
        pos = next - 1;
    }
    return table.Finish();
}

}  // namespace korvane
