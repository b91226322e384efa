#include "core/editing/LogFileNames.h"

#include <algorithm>
#include <string>

namespace korvane {

namespace {

// The file name's extension in lower case, without the dot; empty when the
// name has none (a name starting with its only dot has none).
std::string Extension(std::string_view path) {
    const std::string_view name = path.substr(path.find_last_of('/') + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    std::string extension(name.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return extension;
}

}  // namespace

LogFileType LogFileTypeFor(std::string_view path, LogFileType chosen) {
    const std::string extension = Extension(path);
    if (extension == "txt") return LogFileType::kText;
    if (extension == "md" || extension == "markdown") return LogFileType::kMarkdown;
    if (extension == "tex")
        return chosen == LogFileType::kLatexFragment ? chosen : LogFileType::kLatex;
    if (extension == "html" || extension == "htm") return LogFileType::kHtml;
    if (extension == "pdf") return LogFileType::kPdf;
    return chosen;
}

}  // namespace korvane
