#include "core/engine/MatrixPrinting.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace korvane {

namespace {

bool IsContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

std::size_t TextWidth(std::string_view text) {
    // Every code point has exactly one byte that is not a continuation byte.
    // Numbers are mostly ASCII: eight bytes without a high bit are skipped
    // at once.
    std::size_t continuation = 0;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + i, 8);
        if ((word & 0x8080808080808080u) == 0) continue;
        for (std::size_t k = i; k < i + 8; ++k)
            continuation += IsContinuationByte(text[k]) ? 1 : 0;
    }
    for (; i < text.size(); ++i)
        continuation += IsContinuationByte(text[i]) ? 1 : 0;
    return text.size() - continuation;
}

void PadRight(std::string& line, std::string_view text, std::size_t length) {
    line += text;
    const std::size_t width = TextWidth(text);
    if (width < length) line.append(length - width, ' ');
}

void PrintTextMatrix(const TextRows& rows, StepLog& log) {
    std::vector<std::size_t> widths;
    for (const std::vector<std::string>& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], TextWidth(row[c]));
    }
    for (const std::vector<std::string>& row : rows) {
        StopPoint();
        std::string line = "  ( ";
        for (std::size_t c = 0; c < row.size(); ++c)
            PadRight(line, row[c], widths[c] + 1);
        line += ')';
        log.AppendStepLog(line);
    }
}

}  // namespace korvane
