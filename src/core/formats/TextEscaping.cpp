#include "core/formats/TextEscaping.h"

namespace korvane {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The length of the valid UTF-8 sequence at text[pos], 0 when there is none.
std::size_t SequenceLength(std::string_view text, std::size_t pos) {
    const unsigned char lead = text[pos];
    std::size_t length = 0;
    unsigned min = 0;
    unsigned code = 0;
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, min = 0x80, code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, min = 0x800, code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, min = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (pos + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = text[pos + k];
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < min || code > 0x10FFFF || surrogate || code == 0xFFFE || code == 0xFFFF) return 0;
    return length;
}

// Where a paragraph opens like a list item or a heading's underline, which
// Markdown would not read as prose ("- 3", "+ 2", "=", "1. ", "2) "): the
// character to escape; npos for none.
std::size_t BlockMarkerAt(std::string_view text) {
    if (text.empty()) return std::string_view::npos;
    if (std::string_view("-+=").find(text.front()) != std::string_view::npos) return 0;
    const std::size_t digits = text.find_first_not_of("0123456789");
    if (digits == 0 || digits == std::string_view::npos) return std::string_view::npos;
    return text[digits] == '.' || text[digits] == ')' ? digits : std::string_view::npos;
}

}  // namespace

std::string CleanText(std::string_view text) {
    std::string clean;
    clean.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = SequenceLength(text, pos);
        const unsigned char c = text[pos];
        if (length == 0 || (length == 1 && ((c < 0x20 && c != '\t') || c == 0x7F))) {
            clean += kReplacement;
            ++pos;
        } else {
            clean += text.substr(pos, length);
            pos += length;
        }
    }
    return clean;
}

std::string XmlText(std::string_view text) {
    std::string escaped;
    for (const char c : CleanText(text)) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string LatexText(std::string_view text) {
    // A long number in a sentence may break after a sign, a slash, a comma
    // or every few digits, rather than run into the margin.
    constexpr int kDigitsUnbroken = 8;
    std::string escaped;
    int digits = 0;
    for (const char c : CleanText(text)) {
        digits = c >= '0' && c <= '9' ? digits + 1 : 0;
        if (digits > kDigitsUnbroken) {
            escaped += "\\allowbreak{}";
            digits = 1;
        }
        switch (c) {
            case '\\':
                escaped += "\\textbackslash{}";
                break;
            case '^':
                escaped += "\\textasciicircum{}";
                break;
            case '~':
                escaped += "\\textasciitilde{}";
                break;
            case '{':
            case '}':
            case '$':
            case '&':
            case '#':
            case '_':
            case '%':
                escaped += '\\';
                escaped += c;
                break;
            case '\t':
                escaped += ' ';
                break;
            case '+':
            case '-':
            case '/':
            case ',':
                escaped += c;
                escaped += "\\allowbreak{}";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string MarkdownText(std::string_view text) {
    // Inline markup anywhere; ^ is pandoc's superscript, and a doubled
    // hyphen its en dash.
    constexpr std::string_view kMarkup = "\\`*_[]<>$|~#&!^";
    const std::string clean = CleanText(text);
    const std::size_t marker = BlockMarkerAt(clean);
    std::string escaped;
    for (std::size_t pos = 0; pos < clean.size(); ++pos) {
        const char c = clean[pos];
        const bool doubledHyphen = c == '-' && pos + 1 < clean.size() && clean[pos + 1] == '-';
        if (pos == marker || doubledHyphen || kMarkup.find(c) != std::string_view::npos)
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

}  // namespace korvane
