#include "core/engine/MatrixPrinting.h"

namespace korvane {

std::size_t TextWidth(std::string_view text) {
    // Every code point has exactly one byte that is not a continuation byte.
    std::size_t width = 0;
    for (const char byte : text)
        width += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    return width;
}

void PadRight(std::string& line, std::string_view text, std::size_t length) {
    line += text;
    const std::size_t width = TextWidth(text);
    if (width < length) line.append(length - width, ' ');
}

}  // namespace korvane
