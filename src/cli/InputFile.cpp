// Named input files and standard input, read whole within the limit.
#include "cli/InputFile.h"

#include <cerrno>
#include <optional>
#include <utility>
#include <vector>

#include "cli/CliArguments.h"
#include "core/editing/FileAccess.h"

namespace korvane {

namespace {

std::string LimitText() {
    return std::to_string(kMaxInputBytes >> 20) + " MiB";
}

}  // namespace

std::string ReadInputFile(const std::string& path) {
    int error = 0;
    std::optional<FileHead> head = ReadRegularFile(path, kMaxInputBytes, &error);
    if (!head) throw UsageError("cannot read '" + path + "'" + ReasonText(error));
    if (head->truncated) throw UsageError("'" + path + "' is larger than " + LimitText());
    return std::move(head->bytes);
}

std::string ReadStandardInput(std::istream& in) {
    std::string text;
    std::vector<char> piece(1 << 16);
    errno = 0;
    while (text.size() <= kMaxInputBytes &&
           (in.read(piece.data(), static_cast<std::streamsize>(piece.size())) || in.gcount() > 0))
        text.append(piece.data(), static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        const int error = errno;
        throw UsageError("cannot read standard input" +
                         (error != 0 ? ReasonText(error) : std::string()));
    }
    if (text.size() > kMaxInputBytes)
        throw UsageError("standard input is larger than " + LimitText());
    return text;
}

}  // namespace korvane
