// Spreadsheet (tab), CSV (comma or semicolon) and blank-separated text.
#include <optional>

#include "core/formats/PasteTable.h"

namespace korvane {

namespace {

bool IsAsciiBlank(char c) {
    return c == ' ' || c == '\t';
}

// The length of the blank at text[pos] when splitting on blanks: ASCII
// space and tab, the no-break space U+00A0 and the ideographic space U+3000
// (which Japanese input methods type); 0 for anything else.
std::size_t BlankAt(std::string_view text, std::size_t pos) {
    if (IsAsciiBlank(text[pos])) return 1;
    if (text.substr(pos, 2) == "\xC2\xA0") return 2;
    if (text.substr(pos, 3) == "\xE3\x80\x80") return 3;
    return 0;
}

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

RawTable SplitBlanks(std::string_view text) {
    TableBuilder table(PasteFormat::kBlankSeparated);
    ForEachLine(text, [&](std::string_view line) {
        std::size_t pos = 0;
        while (pos < line.size()) {
            if (const std::size_t blank = BlankAt(line, pos)) {
                pos += blank;
                continue;
            }
            const std::size_t start = pos;
            while (pos < line.size() && BlankAt(line, pos) == 0)
                ++pos;
            table.Cell(std::string(line.substr(start, pos - start)), CellSyntax::kTyped);
        }
        table.EndRow();
    });
    return table.Finish();
}

// "1,5" → "1.5": in semicolon-separated text the comma is a decimal sign.
std::string DecimalCommas(std::string text) {
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == ',' && text[i - 1] >= '0' && text[i - 1] <= '9' && text[i + 1] >= '0' &&
            text[i + 1] <= '9')
            text[i] = '.';
    }
    return text;
}

// Fields between separators, as spreadsheets and RFC 4180 write them: a
// field may be quoted ("…", with "" for a quote) and then hold separators
// and line breaks. A line of blanks alone is a blank line.
RawTable SplitFields(std::string_view text, char separator, PasteFormat format) {
    TableBuilder table(format);
    std::string field;
    bool quoted = false;    // the field began with a quote
    bool inQuotes = false;  // inside the quotes now
    bool lineHasContent = false;
    const auto endField = [&] {
        std::string cell = quoted ? field : std::string(TrimSpaces(field));
        if (separator == ';') cell = DecimalCommas(std::move(cell));
        table.Cell(std::move(cell), CellSyntax::kTyped);
        field.clear();
        quoted = false;
    };
    for (std::size_t pos = 0; pos <= text.size(); ++pos) {
        if (pos == text.size()) inQuotes = false;  // an unclosed quote ends with the text
        const char c = pos < text.size() ? text[pos] : '\n';
        if (inQuotes) {
            if (c != '"') {
                field += c;
            } else if (pos + 1 < text.size() && text[pos + 1] == '"') {
                field += '"';
                ++pos;
            } else {
                inQuotes = false;
            }
        } else if (c == '"' && TrimSpaces(field).empty() && !quoted) {
            field.clear();
            quoted = inQuotes = lineHasContent = true;
        } else if (c == separator) {
            endField();
            lineHasContent = true;
        } else if (c == '\n' || c == '\r') {
            if (lineHasContent || !TrimSpaces(field).empty()) endField();
            table.EndRow();
            lineHasContent = false;
            if (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ++pos;
        } else if (!quoted) {
            field += c;
        }
    }
    return table.Finish();
}

// Whether a semicolon-separated text is rather a MATLAB body without its
// brackets, "1 2; 3 4": some part between semicolons holds two blank-
// separated numbers.
bool LooksLikeMatlabBody(std::string_view text) {
    if (text.find('"') != std::string_view::npos) return false;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos <= text.size(); ++pos) {
        if (pos < text.size() && text[pos] != ';' && text[pos] != '\n' && text[pos] != '\r')
            continue;
        const std::string_view part = TrimSpaces(text.substr(start, pos - start));
        for (std::size_t i = 1; i + 1 < part.size(); ++i) {
            if (part[i] == ' ' && part[i - 1] >= '0' && part[i - 1] <= '9' && part[i + 1] != ' ' &&
                part[i + 1] != '+' && part[i + 1] != '*' && part[i + 1] != '/')
                return true;
        }
        start = pos + 1;
    }
    return false;
}

}  // namespace

RawTable SplitDelimited(std::string_view text) {
    if (text.find('\t') != std::string_view::npos) {
        // A spreadsheet's tabs, unless the text only reads as a rectangle
        // with its tabs taken as blanks (typed rows lined up with tabs).
        try {
            return SplitFields(text, '\t', PasteFormat::kTabSeparated);
        } catch (const PasteError& tabs) {
            if (tabs.details().kind != PasteError::Kind::kRagged) throw;
            try {
                return SplitBlanks(text);
            } catch (const PasteError&) {
                throw tabs;
            }
        }
    }
    if (text.find(';') != std::string_view::npos) {
        if (LooksLikeMatlabBody(text)) {
            TableBuilder table(PasteFormat::kMatlab);
            SplitMatlabBody(text, table);
            return table.Finish();
        }
        return SplitFields(text, ';', PasteFormat::kSemicolonSeparated);
    }
    if (text.find(',') != std::string_view::npos)
        return SplitFields(text, ',', PasteFormat::kCommaSeparated);
    return SplitBlanks(text);
}

}  // namespace korvane
