#pragma once

// The logs whose pages both typesetters are held to, the window's and
// korvane-cli's, and the judge that reads the pages (pdf_pages.py): an eigen
// working, a 10 × 10 inverse of fractions (its [A | I] twice as wide as the
// line) and a parametric solution.
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

namespace korvane::test {

struct PaperLog {
    std::string_view command;  // korvane-cli's
    const char* action;        // the window's
    std::string_view matrix;   // rows of blank-separated entries
};

inline constexpr PaperLog kPaperLogs[] = {
    {"diagonalize", "Diagonalize1", "2 1 0\n1 2 i\n0 1/2 3\n"},
    {"inverse", "N13",
     "-1 -2/3 0 2i 2i 2i 1 0 1 0\n0 1 -1/3 1 0 0 2i 0 0 1\n0 0 -1 5 1 0 0 0 2i 0\n"
     "0 0 0 -1 1/2 0 1 0 0 0\n0 0 0 0 -1 5 0 0 1 0\n0 0 0 0 0 2 1/2 0 0 0\n"
     "0 0 0 0 0 0 1/2 3/4+i/2 0 2i\n0 0 0 0 0 0 0 1/2 -2/3 0\n0 0 0 0 0 0 0 0 2 5\n"
     "0 0 0 0 0 0 0 0 0 1/2\n"},
    {"solve", "Solve1", "1 2 -1 3 1/2\n2 4 1 0 -1\n"},
};

// What the judge finds wrong with the pages of pdf, whose plain log is in
// log: one line per fault ("smallest 7", "stranded 2 […]"); empty when the
// pages read, "no judge" when poppler or Python is missing.
inline std::string PageFaults(const std::string& pdf, const std::string& log) {
    if (std::system("command -v pdftohtml >/dev/null && command -v pdffonts >/dev/null") != 0)
        return "no judge";
    const std::string judged = pdf + ".judged";
    const std::string command = "/usr/bin/python3 " KORVANE_GOLDEN_DIR "/../pdf_pages.py '" +
                                pdf + "' '" + log + "' > '" + judged + "'";
    if (std::system(command.c_str()) != 0) return "the judge failed on " + pdf;
    std::ifstream in(judged);
    std::string faults;
    for (std::string line; std::getline(in, line);) {
        const bool fine = line.starts_with("pages ") ||
                          (line.starts_with("smallest ") && std::stod(line.substr(9)) >= 7.9) ||
                          line.find(" 0 []") != std::string::npos;
        if (!fine) faults += line + "\n";
    }
    return faults;
}

}  // namespace korvane::test
