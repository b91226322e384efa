#include "cli/CliRunner.h"

#include <exception>
#include <istream>
#include <optional>
#include <ostream>

#include "cli/MatrixInput.h"
#include "cli/StreamStepLog.h"
#include "core/editing/MatrixFile.h"

#ifndef KORVANE_VERSION
#error "KORVANE_VERSION must be defined by the build"
#endif

namespace korvane {

namespace {

constexpr std::string_view kUsage =
    "Usage: korvane-cli COMMAND [FILE] [-o OUT]\n"
    "       korvane-cli practice FILE [SCRIPT]   (see korvane-cli practice --help)\n"
    "Runs one matrix computation and prints its step log.\n"
    "\n"
    "  COMMAND   rref | inverse | transpose | kernel | image | det |\n"
    "            solve | solve-many | rank |\n"
    "            charpoly | eigenvalues | eigenvectors | diagonalize\n"
    "            solve takes the last column as the right-hand side b of Ax = b;\n"
    "            solve-many takes A square and every column after it as B of AX = B\n"
    "  FILE      a matrix file (.kvm); without it the matrix is read from standard\n"
    "            input: rows of cells separated by spaces or tabs, a spreadsheet's\n"
    "            tab-separated cells, CSV, MATLAB [1 2; 3 4], Python [[1, 2], [3, 4]],\n"
    "            Mathematica {{1, 2}, {3, 4}}, a LaTeX matrix or a Markdown table\n"
    "  -o OUT    after the command, write the grid to OUT as a matrix file\n"
    "  --log-format text|markdown|latex|latex-body|html\n"
    "            the log in that form (default: text, as the window's log pane)\n"
    "  --format tsv|latex|matlab|python|mathematica|markdown\n"
    "            print the result matrix in that form instead of the log\n"
    "            (rref, inverse, transpose)\n"
    "  --pdf FILE  also typeset the log as PDF into FILE (needs lualatex)\n"
    "  --notation  write each row operation's notation (R2 -> R2 - 3R1) in the\n"
    "            text log too; --no-notation leaves it out of the other forms\n"
    "  --addition-wording  word subtracting a negative multiple as adding, and\n"
    "            say how the determinant follows from the scalings\n"
    "  --help    show this help\n"
    "  --version show the version\n"
    "\n"
    "Exit status: 0 the command ran, 1 the computation failed or refused (its\n"
    "reason on standard error, OUT left alone) or an output could not be\n"
    "written, 2 bad usage or unreadable input.\n";

// Prints what the log buffered before an error ended the computation; a
// failure here only adds its own message.
void FlushAfterError(CliLog& log, std::ostream& err) {
    try {
        log.Finish();
    } catch (const OutputError& e) {
        err << "korvane-cli: " << e.what() << '\n';
    }
}

}  // namespace

bool RunCommand(CliCommand command, Engine& engine, CellGrid& grid, StepLog& log) {
    switch (command) {
        case CliCommand::kRref:
            return engine.ReducedRowEchelonForm(grid, log);
        case CliCommand::kInverse:
            return engine.Inverse(grid, log);
        case CliCommand::kTranspose:
            return engine.Transpose(grid, log);
        case CliCommand::kKernel:
            engine.Kernel(grid, log);
            return true;
        case CliCommand::kImage:
            engine.Image(grid, log);
            return true;
        case CliCommand::kDeterminant:
            engine.Determinant(grid, log);
            return true;
        case CliCommand::kSolve:
            engine.Solve(grid, log, RightHandSides::kOne);
            return true;
        case CliCommand::kSolveMany:
            engine.Solve(grid, log, RightHandSides::kSeveral);
            return true;
        case CliCommand::kRank:
            engine.Rank(grid, log);
            return true;
        case CliCommand::kCharpoly:
            engine.CharacteristicPolynomial(grid, log);
            return true;
        case CliCommand::kEigenvalues:
            engine.Eigenvalues(grid, log);
            return true;
        case CliCommand::kEigenvectors:
            engine.Eigenvectors(grid, log);
            return true;
        case CliCommand::kDiagonalize:
            engine.Diagonalize(grid, log);
            return true;
    }
    return true;
}

int RunCli(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
           std::ostream& err) {
    CliOptions options;
    CellGrid grid;
    try {
        options = ParseArguments(args);
        if (options.action != CliOptions::Action::kRun) {
            StreamStepLog text(out);
            text.AppendStepLog(options.action == CliOptions::Action::kHelp
                                   ? kUsage.substr(0, kUsage.size() - 1)
                                   : "korvane-cli " KORVANE_VERSION);
            text.Flush();
            return kExitRan;
        }
        grid = options.file ? ReadMatrixFromFile(*options.file) : ReadMatrixText(in);
    } catch (const UsageError& e) {
        err << "korvane-cli: " << e.what() << '\n';
        return kExitBadUsage;
    } catch (const OutputError& e) {
        err << "korvane-cli: " << e.what() << '\n';
        return kExitComputationError;
    }

    if (options.output) {
        if (const std::optional<std::string> problem = OutputFileProblem(*options.output)) {
            err << "korvane-cli: " << *problem << '\n';
            return kExitComputationError;
        }
    }
    try {
        CliLog log(options, grid, out);
        return RunAndReport(options, grid, log, err);
    } catch (const UsageError& e) {
        err << "korvane-cli: " << e.what() << '\n';
        return kExitBadUsage;
    }
}

int RunAndReport(const CliOptions& options, CellGrid& grid, CliLog& log, std::ostream& err) {
    Engine engine(LogStyleFor(options));
    bool delivered = false;
    try {
        delivered = RunCommand(options.command, engine, grid, log);
        log.Finish();
    } catch (const OutputError& e) {
        err << "korvane-cli: " << e.what() << '\n';
        return kExitComputationError;
    } catch (const std::exception& e) {
        // The lines logged so far show how far the computation got.
        FlushAfterError(log, err);
        err << e.what() << '\n';
        return kExitComputationError;
    }
    try {
        // The PDF holds the whole log, a refusal's too.
        log.WritePdf();
        if (!delivered) {
            // A refusal, such as a singular matrix for the inverse: the grid
            // is no result, so nothing is written.
            err << log.LastLine() << '\n';
            return kExitComputationError;
        }
        log.PrintMatrix(grid);
        if (options.output) WriteMatrixFile(*options.output, grid);
    } catch (const OutputError& e) {
        err << "korvane-cli: " << e.what() << '\n';
        return kExitComputationError;
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        return kExitComputationError;
    }
    return kExitRan;
}

}  // namespace korvane
