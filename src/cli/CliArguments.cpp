#include "cli/CliArguments.h"

#include <array>
#include <charconv>
#include <cstring>
#include <utility>

#include "core/CellGrid.h"
#include "core/editing/FileAccess.h"

namespace korvane {

namespace {

constexpr std::array<std::pair<std::string_view, CliCommand>, 19> kCommands{{
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
    {"sarrus", CliCommand::kSarrus},
    {"integer-det", CliCommand::kIntegerDeterminant},
    {"adjugate", CliCommand::kAdjugate},
    {"cramer", CliCommand::kCramer},
    {"lu", CliCommand::kLu},
    {"elementary", CliCommand::kElementary},
}};

CliCommand CommandNamed(std::string_view name) {
    for (const auto& [text, command] : kCommands) {
        if (text == name) return command;
    }
    throw UsageError("unknown command '" + std::string(name) +
                     "' (see korvane-cli --help for the commands)");
}

constexpr std::array<std::pair<std::string_view, CopyFormat>, 6> kMatrixFormats{{
    {"tsv", CopyFormat::kTabSeparated},
    {"latex", CopyFormat::kLatex},
    {"matlab", CopyFormat::kMatlab},
    {"python", CopyFormat::kPython},
    {"mathematica", CopyFormat::kMathematica},
    {"markdown", CopyFormat::kMarkdown},
}};

constexpr std::array<std::pair<std::string_view, LogFormat>, 5> kLogFormats{{
    {"text", LogFormat::kText},
    {"markdown", LogFormat::kMarkdown},
    {"latex", LogFormat::kLatex},
    {"latex-body", LogFormat::kLatexFragment},
    {"html", LogFormat::kHtml},
}};

template <typename Value, std::size_t N>
Value Named(const std::array<std::pair<std::string_view, Value>, N>& names, std::string_view option,
            std::string_view name) {
    std::string known;
    for (const auto& [text, value] : names) {
        if (text == name) return value;
        known += (known.empty() ? "" : ", ") + std::string(text);
    }
    if (option == "--log-format" && name == "pdf")
        throw UsageError("the log as PDF is written with --pdf FILE");
    throw UsageError("unknown " + std::string(option) + " '" + std::string(name) + "' (" + known +
                     ")");
}

// "auto", "row:N" or "col:N" with N from 1 to 10.
ExpansionChoice ExpansionNamed(std::string_view value) {
    ExpansionChoice choice;
    if (value == "auto") return choice;
    const std::size_t colon = value.find(':');
    const std::string_view line = value.substr(0, colon);
    const std::string_view number = colon == std::string_view::npos ? "" : value.substr(colon + 1);
    int index = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), index);
    if ((line != "row" && line != "col") || error != std::errc() ||
        end != number.data() + number.size() || index < 1 || index > CellGrid::kMaxSize)
        throw UsageError("unknown --expand '" + std::string(value) + "' (auto, row:N, col:N)");
    choice.line = line == "row" ? ExpansionChoice::Line::kRow : ExpansionChoice::Line::kColumn;
    choice.index = index - 1;
    return choice;
}

void TakeExpansionOption(CliOptions& options, std::string_view name, std::string_view value) {
    ExpansionChoice choice = options.expansion.value_or(ExpansionChoice{});
    if (name == "--minors") {
        if (value != "sarrus" && value != "expand")
            throw UsageError("unknown --minors '" + std::string(value) + "' (sarrus, expand)");
        choice.sarrusMinors = value == "sarrus";
    } else {
        const bool sarrusMinors = choice.sarrusMinors;
        choice = ExpansionNamed(value);
        choice.sarrusMinors = sarrusMinors;
    }
    options.expansion = choice;
}

// The options that take a value, as "--name value" or "--name=value".
bool TakeValueOption(CliOptions& options, std::span<const std::string_view> args, std::size_t& i,
                     bool& expanded) {
    const std::string_view arg = args[i];
    const std::size_t equals = arg.find('=');
    const std::string_view name = arg.substr(0, equals);
    if (name != "--format" && name != "--log-format" && name != "--pdf" && name != "--expand" &&
        name != "--minors")
        return false;
    std::string_view value;
    if (equals != std::string_view::npos) {
        value = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
        value = args[++i];
    } else {
        throw UsageError(std::string(name) + " needs a value");
    }
    if (name == "--expand" || name == "--minors") {
        TakeExpansionOption(options, name, value);
        expanded = expanded || name == "--expand";
    } else if (name == "--format") {
        options.matrixFormat = Named(kMatrixFormats, name, value);
    } else if (name == "--log-format") {
        options.logFormat = Named(kLogFormats, name, value);
    } else {
        if (value.empty()) throw UsageError("--pdf needs a file name");
        options.pdf = std::string(value);
    }
    return true;
}

bool TakeFlag(CliOptions& options, std::string_view arg) {
    if (arg == "--notation" || arg == "--no-notation") {
        const bool on = arg == "--notation";
        if (options.notation && *options.notation != on)
            throw UsageError("--notation and --no-notation exclude each other");
        options.notation = on;
        return true;
    }
    if (arg == "--addition-wording") {
        options.additionWording = true;
        return true;
    }
    return false;
}

void CheckCombination(const CliOptions& options, bool expanded) {
    if (options.expansion && !expanded) throw UsageError("--minors goes with det --expand");
    if (options.expansion && options.command != CliCommand::kDeterminant)
        throw UsageError("--expand is an option of det");
    // The PDF would overwrite the matrix file written, or the one read.
    if (options.pdf && options.output && SameWriteTarget(*options.pdf, *options.output))
        throw UsageError("--pdf and -o name the same file '" + *options.output + "'");
    if (options.pdf && options.file && SameWriteTarget(*options.pdf, *options.file))
        throw UsageError("--pdf names the matrix file read, '" + *options.file + "'");
    if (!options.matrixFormat) return;
    if (options.logFormat != LogFormat::kText)
        throw UsageError("--format writes the result matrix instead of the log; no --log-format");
    if (options.command != CliCommand::kRref && options.command != CliCommand::kInverse &&
        options.command != CliCommand::kTranspose)
        throw UsageError("--format writes a result matrix: rref, inverse or transpose");
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

std::string ReasonText(int error) {
    std::string text = " (";
    text += error != 0 ? std::strerror(error) : "not a regular file";
    text += ')';
    return text;
}

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
    bool expanded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || arg == "-" || !arg.starts_with('-')) {
            TakePositional(options, arg, positionals);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (TakeValueOption(options, args, i, expanded) || TakeFlag(options, arg)) {
            continue;
        } else if (arg == "-o") {
            if (i + 1 == args.size() || args[i + 1].empty())
                throw UsageError("-o needs a file name");
            if (options.output) throw UsageError("-o given more than once");
            options.output = std::string(args[++i]);
        } else {
            throw UsageError("unknown option '" + std::string(arg) + "'");
        }
    }
    if (positionals == 0) throw UsageError("no command given");
    CheckCombination(options, expanded);
    return options;
}

}  // namespace korvane
