#include "cli/CliRunner.h"

#include <exception>
#include <istream>
#include <ostream>

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
    "            input, one row per line, cells separated by spaces or tabs\n"
    "  -o OUT    after the command, write the grid to OUT as a matrix file\n"
    "  --help    show this help\n"
    "  --version show the version\n"
    "\n"
    "Exit status: 0 the command ran, 1 the computation failed,\n"
    "2 bad usage or unreadable input.\n";

void PrintLog(const MemoryStepLog& log, std::ostream& out) {
    for (const std::string& line : log.Lines())
        out << line << '\n';
    out.flush();
}

}  // namespace

void RunCommand(CliCommand command, Engine& engine, CellGrid& grid, StepLog& log) {
    switch (command) {
        case CliCommand::kRref:
            engine.ReducedRowEchelonForm(grid, log);
            break;
        case CliCommand::kInverse:
            engine.Inverse(grid, log);
            break;
        case CliCommand::kTranspose:
            engine.Transpose(grid, log);
            break;
        case CliCommand::kKernel:
            engine.Kernel(grid, log);
            break;
        case CliCommand::kImage:
            engine.Image(grid, log);
            break;
        case CliCommand::kDeterminant:
            engine.Determinant(grid, log);
            break;
        case CliCommand::kSolve:
            engine.Solve(grid, log, RightHandSides::kOne);
            break;
        case CliCommand::kSolveMany:
            engine.Solve(grid, log, RightHandSides::kSeveral);
            break;
        case CliCommand::kRank:
            engine.Rank(grid, log);
            break;
        case CliCommand::kCharpoly:
            engine.CharacteristicPolynomial(grid, log);
            break;
        case CliCommand::kEigenvalues:
            engine.Eigenvalues(grid, log);
            break;
        case CliCommand::kEigenvectors:
            engine.Eigenvectors(grid, log);
            break;
        case CliCommand::kDiagonalize:
            engine.Diagonalize(grid, log);
            break;
    }
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
    } catch (const UsageError& e) {
        err << "korvane-cli: " << e.what() << '\n';
        return kExitBadUsage;
    }

    MemoryStepLog log;
    return RunAndReport(options, grid, log, out, err);
}

int RunAndReport(const CliOptions& options, CellGrid& grid, MemoryStepLog& log, std::ostream& out,
                 std::ostream& err) {
    Engine engine;
    try {
        RunCommand(options.command, engine, grid, log);
    } catch (const std::exception& e) {
        // The lines logged so far show how far the computation got.
        PrintLog(log, out);
        err << e.what() << '\n';
        return kExitComputationError;
    }
    PrintLog(log, out);
    try {
        if (options.output) WriteMatrixFile(*options.output, grid);
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        return kExitComputationError;
    }
    return kExitRan;
}

}  // namespace korvane
