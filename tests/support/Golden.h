#pragma once

// Worked examples kept as files in tests/support/golden, so every layer that
// prints them (engine, window, korvane-cli) checks the same text.
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::test {

// The whole file, byte for byte; empty when it cannot be read.
inline std::string GoldenText(std::string_view name) {
    std::ifstream file(std::string(KORVANE_GOLDEN_DIR "/") + std::string(name), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The file's lines without their line ends.
inline std::vector<std::string> GoldenLines(std::string_view name) {
    std::istringstream text(GoldenText(name));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace korvane::test
