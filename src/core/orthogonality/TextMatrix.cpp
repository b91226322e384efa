#include "core/orthogonality/TextMatrix.h"

#include <algorithm>

#include "core/StopSignal.h"

namespace korvane {

namespace {

// Characters of UTF-8 text: the bytes that do not continue one.
std::size_t Characters(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

void PrintTextMatrix(const TextRows& rows, StepLog& log) {
    std::vector<std::size_t> widths;
    for (const std::vector<std::string>& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], Characters(row[c]));
    }
    for (const std::vector<std::string>& row : rows) {
        StopPoint();
        std::string line = "  ( ";
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            line.append(widths[c] + 1 - Characters(row[c]), ' ');
        }
        line += ')';
        log.AppendStepLog(line);
    }
}

}  // namespace korvane
