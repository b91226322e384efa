#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "mklibs/Errors.h"

namespace korvane {

// Bad command-line usage or unreadable input; what() is a one-line
// explanation for standard error.
class UsageError : public Error {
  public:
    explicit UsageError(const std::string& message) : Error(message) {}
};

enum class CliCommand {
    kRref,
    kInverse,
    kTranspose,
    kKernel,
    kImage,
    kDeterminant,
    kSolve,
    kSolveMany,
    kRank,
    kCharpoly,
    kEigenvalues,
    kEigenvectors,
    kDiagonalize,
};

struct CliOptions {
    enum class Action { kRun, kHelp, kVersion };
    Action action = Action::kRun;
    CliCommand command = CliCommand::kRref;
    std::optional<std::string> file;    // matrix file to read instead of stdin
    std::optional<std::string> output;  // matrix file to write afterwards
};

// Reads COMMAND [FILE] [-o OUT] (options may stand anywhere, "--" ends them),
// or --help / --version. Throws UsageError.
CliOptions ParseArguments(std::span<const std::string_view> args);

}  // namespace korvane
