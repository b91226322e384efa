#include "cli/CliArguments.h"

#include <array>
#include <charconv>
#include <cstring>
#include <utility>

#include "core/CellGrid.h"
#include "core/editing/FileAccess.h"

namespace korvane {

namespace {

constexpr std::array<std::pair<std::string_view, CliCommand>, 34> kCommands{{
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
    {"inner", CliCommand::kInner},
    {"norm", CliCommand::kNorm},
    {"gram-schmidt", CliCommand::kGramSchmidt},
    {"qr", CliCommand::kQr},
    {"project", CliCommand::kProject},
    {"complement", CliCommand::kComplement},
    {"least-squares", CliCommand::kLeastSquares},
    {"orthogonal-diagonalize", CliCommand::kOrthogonalDiagonalize},
    {"quadratic-form", CliCommand::kQuadraticForm},
    {"eval", CliCommand::kEval},
    {"jordan", CliCommand::kJordan},
    {"power", CliCommand::kPower},
    {"exp", CliCommand::kExponential},
    {"recurrence", CliCommand::kRecurrence},
    {"minpoly", CliCommand::kMinimalPolynomial},
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

// --n's integer, written in decimal without blanks.
std::int64_t ExponentNamed(std::string_view value) {
    std::int64_t n = 0;
    const char* begin = value.data() + (value.starts_with('+') ? 1 : 0);
    const auto [end, error] = std::from_chars(begin, value.data() + value.size(), n);
    if (value.empty() || error != std::errc() || end != value.data() + value.size())
        throw UsageError("--n takes an integer, not '" + std::string(value) + "'");
    return n;
}

// The options that take a value, as "--name value" or "--name=value".
bool TakeValueOption(CliOptions& options, std::span<const std::string_view> args, std::size_t& i,
                     bool& expanded) {
    const std::string_view arg = args[i];
    const std::size_t equals = arg.find('=');
    const std::string_view name = arg.substr(0, equals);
    if (name != "--format" && name != "--log-format" && name != "--pdf" && name != "--expand" &&
        name != "--minors" && name != "--n" && name != "--x0" && name != "--form")
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
    } else if (name == "--form") {
        if (options.form) throw UsageError("--form given more than once");
        options.form = std::string(value);
    } else if (name == "--n") {
        options.power = ExponentNamed(value);
    } else if (name == "--x0") {
        if (value.empty()) throw UsageError("--x0 needs a file name");
        options.initialValue = std::string(value);
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
    if (arg == "--rows") {
        options.rowVectors = true;
        return true;
    }
    return false;
}

void CheckCombination(const CliOptions& options, bool expanded) {
    if (options.expansion && !expanded) throw UsageError("--minors goes with det --expand");
    if (options.expansion && options.command != CliCommand::kDeterminant)
        throw UsageError("--expand is an option of det");
    if (options.rowVectors && options.command != CliCommand::kInner &&
        options.command != CliCommand::kNorm)
        throw UsageError("--rows is an option of inner and norm");
    if (options.form && options.command != CliCommand::kQuadraticForm)
        throw UsageError("--form is an option of quadratic-form");
    if (options.form && options.file)
        throw UsageError("quadratic-form takes either --form or a matrix FILE, not both");
    if (options.power && options.command != CliCommand::kPower)
        throw UsageError("--n is an option of power");
    if (options.initialValue && options.command != CliCommand::kExponential)
        throw UsageError("--x0 is an option of exp");
    if (options.initialValue && options.file && *options.initialValue == "-" && *options.file == "-")
        throw UsageError("standard input can be read only once");
    // The PDF would overwrite the matrix file written, or one read.
    if (options.pdf && options.output && SameWriteTarget(*options.pdf, *options.output))
        throw UsageError("--pdf and -o name the same file '" + *options.output + "'");
    if (options.pdf && options.file && SameWriteTarget(*options.pdf, *options.file))
        throw UsageError("--pdf names the matrix file read, '" + *options.file + "'");
    for (const NamedInput& input : options.inputs) {
        if (options.pdf && input.file != "-" && SameWriteTarget(*options.pdf, input.file))
            throw UsageError("--pdf names the matrix file read, '" + input.file + "'");
        if (input.file == "-" && options.file == "-")
            throw UsageError("standard input can be read only once");
    }
    if (!options.matrixFormat) return;
    if (options.logFormat != LogFormat::kText)
        throw UsageError("--format writes the result matrix instead of the log; no --log-format");
    if (options.command != CliCommand::kRref && options.command != CliCommand::kInverse &&
        options.command != CliCommand::kTranspose && options.command != CliCommand::kEval)
        throw UsageError("--format writes a result matrix: rref, inverse, transpose or eval");
}

// NAME=FILE: a letter and '=' first.
bool IsNamedInput(std::string_view arg) {
    const char c = arg.size() >= 2 ? arg[0] : '\0';
    return arg.size() >= 2 && arg[1] == '=' && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
}

void TakeNamedInput(CliOptions& options, std::string_view arg) {
    const char name = arg[0];
    if (name < 'A' || name > 'Z' || name == 'I' || name == 'O')
        throw UsageError("'" + std::string(arg) +
                         "': a matrix is named by one capital letter other than I and O");
    NamedInput input{name, std::string(arg.substr(2))};
    for (const NamedInput& other : options.inputs) {
        if (other.name == name) throw UsageError(std::string(1, name) + " given more than once");
        if (other.file == "-" && input.file == "-")
            throw UsageError("standard input can be read only once");
    }
    options.inputs.push_back(std::move(input));
}

void TakePositional(CliOptions& options, std::string_view arg, int& positionals) {
    const bool eval = positionals > 0 && options.command == CliCommand::kEval;
    if (positionals == 0) {
        options.command = CommandNamed(arg);
    } else if (positionals == 1 && options.command == CliCommand::kRecurrence) {
        options.recurrence = std::string(arg);
    } else if (eval && positionals == 1) {
        options.expression = std::string(arg);
    } else if (eval && IsNamedInput(arg)) {
        TakeNamedInput(options, arg);
    } else if (!options.file) {
        options.file = std::string(arg);
    } else {
        throw UsageError("unexpected argument '" + std::string(arg) + "'");
    }
    ++positionals;
}

// An expression of eval may start with a sign: -A + B; so may a
// recurrence's text.
bool TakesExpression(const CliOptions& options, std::string_view arg, int positionals) {
    return positionals == 1 &&
           (options.command == CliCommand::kEval || options.command == CliCommand::kRecurrence) &&
           !arg.starts_with("--") && arg != "-o";
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
        if (optionsEnded || arg == "-" || !arg.starts_with('-') ||
            TakesExpression(options, arg, positionals)) {
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
    if (options.command == CliCommand::kEval && positionals == 1)
        throw UsageError("eval needs an expression");
    if (options.command == CliCommand::kRecurrence && positionals == 1)
        throw UsageError("recurrence needs its text, such as 'a(n+2)=a(n+1)+a(n); a(0)=0; a(1)=1'");
    if (options.command == CliCommand::kRecurrence && options.output)
        throw UsageError("recurrence has no result matrix for -o");
    if (options.command == CliCommand::kRecurrence && options.file)
        throw UsageError("unexpected argument '" + *options.file + "'");
    CheckCombination(options, expanded);
    return options;
}

std::string_view CommandName(CliCommand command) {
    for (const auto& [text, named] : kCommands) {
        if (named == command) return text;
    }
    return "the command";
}

bool CommandTakesParameter(CliCommand command) {
    switch (command) {
        case CliCommand::kDeterminant:
        case CliCommand::kRank:
        case CliCommand::kSolve:
        case CliCommand::kSolveMany:
        case CliCommand::kInverse:
        case CliCommand::kKernel:
        case CliCommand::kImage:
        case CliCommand::kEigenvalues:
            return true;
        default:
            return false;
    }
}

}  // namespace korvane
