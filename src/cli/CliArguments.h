#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/formats/CopyFormats.h"
#include "core/formats/LogExport.h"
#include "core/methods/CofactorExpansion.h"
#include "mklibs/Errors.h"

namespace korvane {

// Bad command-line usage or unreadable input; what() is a one-line
// explanation for standard error.
class UsageError : public Error {
  public:
    explicit UsageError(const std::string& message) : Error(message) {}
};

// Why the operating system refused, to end a message: its text for the
// error number in parentheses after a space, " (not a regular file)" for 0
// (a pipe, a device).
std::string ReasonText(int error);

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
    kSarrus,
    kIntegerDeterminant,
    kAdjugate,
    kCramer,
    kLu,
    kElementary,
    kInner,
    kNorm,
    kGramSchmidt,
    kQr,
    kProject,
    kComplement,
    kLeastSquares,
    kOrthogonalDiagonalize,
    kQuadraticForm,
    kEval,
    kJordan,
    kPower,
    kExponential,
    kRecurrence,
    kMinimalPolynomial,
};

// The command's name as typed: "rref".
std::string_view CommandName(CliCommand command);
// Whether the command takes a matrix with a parameter letter (det, rank,
// solve, solve-many, inverse, kernel, image, eigenvalues); the others take
// numbers only.
bool CommandTakesParameter(CliCommand command);

// NAME=FILE of eval: the matrix in FILE ("-": standard input) under NAME.
struct NamedInput {
    char name = 'A';
    std::string file;
};

struct CliOptions {
    enum class Action { kRun, kHelp, kVersion };
    Action action = Action::kRun;
    CliCommand command = CliCommand::kRref;
    std::optional<std::string> file;    // matrix file to read instead of stdin;
                                        // for eval, the workspace file
    std::string expression;             // eval: the expression or equation
    std::vector<NamedInput> inputs;     // eval: NAME=FILE, in order
    std::optional<std::string> output;  // matrix file to write afterwards
    // --format: the result matrix in this form on standard output, instead
    // of the log (rref, inverse and transpose only).
    std::optional<CopyFormat> matrixFormat;
    LogFormat logFormat = LogFormat::kText;  // --log-format
    std::optional<std::string> pdf;          // --pdf FILE: the log typeset by lualatex
    // --notation adds the row operations' notation to the plain log too;
    // --no-notation leaves it out of the marked-up forms.
    std::optional<bool> notation;
    bool additionWording = false;  // --addition-wording
    // det --expand auto|row:N|col:N, with --minors sarrus|expand: the
    // determinant by cofactor expansion instead of the reduction.
    std::optional<ExpansionChoice> expansion;
    // inner and norm --rows: the rows are the vectors, not the columns.
    bool rowVectors = false;
    // quadratic-form --form TEXT: the form typed, instead of a matrix read.
    std::optional<std::string> form;
    // power --n N: Aⁿ for that integer instead of the closed form in n.
    std::optional<std::int64_t> power;
    // exp --x0 FILE: the initial value of x' = Ax, a row or a column.
    std::optional<std::string> initialValue;
    std::string recurrence;  // recurrence: the text typed
};

// Reads COMMAND [FILE] [-o OUT] [--format F] [--log-format F] [--pdf FILE]
// [--notation | --no-notation] [--addition-wording] [--expand E [--minors M]]
// [--rows] [--form TEXT]
// (options may stand anywhere, "--" ends them, a value may also follow "="),
// [--n N] [--x0 FILE] or --help / --version; for recurrence, its text
// in place of FILE; for eval, EXPRESSION then NAME=FILE ... and at most
// one workspace FILE, the expression taken as such even when it starts with
// a sign. Throws UsageError, also when --pdf names the file of -o or a file
// read, a name is bound twice or standard input more than once, and for
// --expand with a command other than det, --n with one other than power,
// --x0 with one other than exp, --rows with one other than inner and norm,
// and --form with one other than quadratic-form or beside FILE.
CliOptions ParseArguments(std::span<const std::string_view> args);

}  // namespace korvane
