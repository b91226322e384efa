#include "cli/CliArguments.h"

#include <array>
#include <utility>

namespace korvane {

namespace {

constexpr std::array<std::pair<std::string_view, CliCommand>, 13> kCommands{{
    {"rref", CliCommand::kRref},
    {"inverse", CliCommand::kInverse},
    {"transpose", CliCommand::kTranspose},
    {"kernel", CliCommand::kKernel},
    {"image", CliCommand::kImage},
    {"det", CliCommand::kDeterminant},
    {"solve", CliCommand::kSolve},
    {"solve-many", CliCommand::kSolveMany},
    {"rank", CliCommand::kRank},
    {"charpoly", CliCommand::kCharpoly},
    {"eigenvalues", CliCommand::kEigenvalues},
    {"eigenvectors", CliCommand::kEigenvectors},
    {"diagonalize", CliCommand::kDiagonalize},
}};

CliCommand CommandNamed(std::string_view name) {
    for (const auto& [text, command] : kCommands) {
        if (text == name) return command;
    }
    throw UsageError("unknown command '" + std::string(name) +
                     "' (see korvane-cli --help for the commands)");
}

void TakePositional(CliOptions& options, std::string_view arg, int& positionals) {
    if (positionals == 0) {
        options.command = CommandNamed(arg);
    } else if (positionals == 1) {
        options.file = std::string(arg);
    } else {
        throw UsageError("unexpected argument '" + std::string(arg) + "'");
    }
    ++positionals;
}

}  // namespace

CliOptions ParseArguments(std::span<const std::string_view> args) {
    // --help and --version win over anything else on the line.
    CliOptions options;
    for (const std::string_view arg : args) {
        if (arg == "--") break;
        if (arg == "--help" || arg == "--version") {
            options.action =
                arg == "--help" ? CliOptions::Action::kHelp : CliOptions::Action::kVersion;
            return options;
        }
    }
    int positionals = 0;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || arg == "-" || !arg.starts_with('-')) {
            TakePositional(options, arg, positionals);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "-o") {
            if (i + 1 == args.size()) throw UsageError("-o needs a file name");
            if (options.output) throw UsageError("-o given more than once");
            options.output = std::string(args[++i]);
        } else {
            throw UsageError("unknown option '" + std::string(arg) + "'");
        }
    }
    if (positionals == 0) throw UsageError("no command given");
    return options;
}

}  // namespace korvane
