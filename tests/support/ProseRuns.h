#pragma once

// The Japanese prose of a log line, as a typeset form must keep it: the runs
// of Japanese characters (U+3000 on), whatever became of the formulas and
// numbers between them.
#include <string>
#include <string_view>
#include <vector>

namespace korvane::test {

inline std::vector<std::string> ProseRuns(std::string_view line) {
    std::vector<std::string> runs;
    std::string run;
    for (std::size_t pos = 0; pos < line.size();) {
        const auto lead = static_cast<unsigned char>(line[pos]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (lead >= 0xE3) {
            run += line.substr(pos, length);
        } else if (!run.empty()) {
            runs.push_back(std::move(run));
            run.clear();
        }
        pos += length;
    }
    if (!run.empty()) runs.push_back(std::move(run));
    return runs;
}

}  // namespace korvane::test
