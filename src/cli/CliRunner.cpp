#include "cli/CliRunner.h"

#include <exception>
#include <istream>
#include <ostream>

#include "cli/CliOutput.h"
#include "cli/MatrixInput.h"
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
    "  --addition-wording  write subtracting a negative multiple as adding\n"
    "  --help    show this help\n"
    "  --version show the version\n"
    "\n"
    "Exit status: 0 the command ran, 1 the computation failed,\n"
    "2 bad usage or unreadable input.\n";

// Ends what the log printed before an error stopped the computation; a
// failure here only adds its own message.
void FinishAfterError(CliLog& log, std::ostream& err) {
    try {
        log.Finish();
    } catch (const std::exception& e) {
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
        if (options.action == CliOptions::Action::kHelp) {
            out << kUsage;
            return kExitRan;
        }
        if (options.action == CliOptions::Action::kVersion) {
            out << "korvane-cli " KORVANE_VERSION "\n";
            return kExitRan;
        }
        grid = options.file ? ReadMatrixFromFile(*options.file) : ReadMatrixText(in);
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
    } catch (const std::exception& e) {
        // The lines logged so far show how far the computation got.
        FinishAfterError(log, err);
        err << e.what() << '\n';
        return kExitComputationError;
    }
    try {
        log.WritePdf();
        if (options.matrixFormat) {
            if (!delivered) {
                // A refusal, such as a singular matrix for the inverse: no result.
                err << log.LastLine() << '\n';
                return kExitComputationError;
            }
            log.PrintMatrix(grid);
        }
        if (options.output) WriteMatrixFile(*options.output, grid);
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        return kExitComputationError;
    }
    return kExitRan;
}

}  // namespace korvane
