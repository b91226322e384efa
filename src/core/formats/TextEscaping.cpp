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
    std::string escaped;
    for (const char c : CleanText(text)) {
        if (std::string_view("\\`*_[]<>$|~#&!").find(c) != std::string_view::npos) escaped += '\\';
        escaped += c;
    }
    return escaped;
}

}  // namespace korvane
