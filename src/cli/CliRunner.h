#pragma once

#include <functional>
#include <iosfwd>
#include <span>
#include <string_view>

#include "cli/CliArguments.h"
#include "cli/CliOutput.h"
#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/Engine.h"
#include "core/workspace/Workspace.h"

namespace korvane {

// Exit statuses of korvane-cli.
inline constexpr int kExitRan = 0;
inline constexpr int kExitComputationError = 1;
inline constexpr int kExitBadUsage = 2;

// Runs the options' computation on the grid, logging into log. Returns
// whether it delivered its result: false when it refused its matrix (the
// inverse of a singular one, a non-square one where a square one is needed,
// a grid solve or cramer cannot use), its reason the last line logged.
bool RunCommand(const CliOptions& options, Engine& engine, CellGrid& grid, StepLog& log);

// Runs the command on the grid, streaming its log through log (in the form
// asked for, and into the PDF), and writes the result matrix (--format) and
// the output file if they were asked for and the command delivered its
// result. An error or a refusal goes to err as its message after
// "korvane-cli: " (a file the system would not write with its reason), after
// the lines logged so far; then nothing is written but the PDF of the log.
// Returns the exit status.
int RunAndReport(const CliOptions& options, CellGrid& grid, CliLog& log, std::ostream& err);

// korvane-cli eval: the expression of options over the workspace's
// matrices, reported as RunAndReport does; its result matrix is what
// --format prints and -o writes, and a number result with either is an
// error.
int RunEvalAndReport(const CliOptions& options, const Workspace& workspace, CliLog& log,
                     std::ostream& err);

// What RunAndReport and RunEvalAndReport run: changes the grid, logs, and
// says whether it delivered its result.
using Work = std::function<bool(CellGrid& grid, StepLog& log)>;
// Runs work and reports as RunAndReport describes, grid its result.
int RunWorkAndReport(const CliOptions& options, const Work& work, CellGrid& grid, CliLog& log,
                     std::ostream& err);

// The whole program: arguments (without the program name), the matrix from
// in (or a file), the log to out, explanations and errors to err. Returns the
// exit status.
int RunCli(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace korvane
