#include "cli/CliRunner.h"

#include <exception>
#include <istream>
#include <optional>
#include <ostream>

#include "cli/EvalInput.h"
#include "cli/JordanInput.h"
#include "cli/MatrixInput.h"
#include "cli/StreamStepLog.h"
#include "core/editing/FileAccess.h"
#include "core/editing/MatrixFile.h"
#include "core/jordan/JordanCommands.h"
#include "core/jordan/RecurrenceWorking.h"
#include "core/methods/Adjugate.h"
#include "core/methods/CramersRule.h"
#include "core/methods/ElementaryMatrices.h"
#include "core/methods/IntegerDeterminant.h"
#include "core/methods/LuDecomposition.h"
#include "core/methods/Sarrus.h"
#include "core/orthogonality/FormReader.h"
#include "core/orthogonality/GramSchmidt.h"
#include "core/orthogonality/InnerProducts.h"
#include "core/orthogonality/OrthogonalDiagonalization.h"
#include "core/orthogonality/Projection.h"
#include "core/orthogonality/QrDecomposition.h"
#include "core/orthogonality/QuadraticForm.h"
#include "core/workspace/Evaluation.h"

#ifndef KORVANE_VERSION
#error "KORVANE_VERSION must be defined by the build"
#endif

namespace korvane {

namespace {

constexpr std::string_view kUsage =
    "Usage: korvane-cli COMMAND [FILE] [-o OUT]\n"
    "       korvane-cli eval EXPRESSION [NAME=FILE ...] [WORKSPACE] [-o OUT]\n"
    "       korvane-cli recurrence 'a(n+2)=a(n+1)+a(n); a(0)=0; a(1)=1'\n"
    "       korvane-cli practice FILE [SCRIPT]   (see korvane-cli practice --help)\n"
    "Runs one matrix computation and prints its step log.\n"
    "\n"
    "  COMMAND   rref | inverse | transpose | kernel | image | det |\n"
    "            solve | solve-many | rank |\n"
    "            charpoly | eigenvalues | eigenvectors | diagonalize |\n"
    "            sarrus | integer-det | adjugate | cramer | lu | elementary |\n"
    "            jordan | power | exp | minpoly\n"
    "            solve takes the last column as the right-hand side b of Ax = b\n"
    "            (so at most 9 unknowns in the 10 columns; for 10, store A and b\n"
    "            apart in a workspace and use eval 'AX = B');\n"
    "            solve-many takes A square and every column after it as B of AX = B;\n"
    "            sarrus: the determinant of a 2 x 2 or 3 x 3 matrix by Sarrus's rule;\n"
    "            integer-det: the determinant by row operations keeping integers;\n"
    "            adjugate: the cofactors, adj A and the inverse as adj A / det A;\n"
    "            cramer: Ax = b by Cramer's rule, b the last column, A invertible;\n"
    "            lu: A = LU, or PA = LU when rows must be exchanged, any shape;\n"
    "            elementary: the reduction as elementary matrices, PA = R;\n"
    "            inner, norm: inner products, cos, distances, norms of the columns\n"
    "            (complex vectors: <u, v> = sum of u_k conj(v_k));\n"
    "            gram-schmidt, qr: on the columns; project: the last column b onto\n"
    "            the span of the others; complement: the orthogonal complement of\n"
    "            the column space; least-squares: Ax = b by the normal equations,\n"
    "            b the last column; orthogonal-diagonalize: a real symmetric or\n"
    "            Hermitian matrix; quadratic-form: a real symmetric matrix or --form;\n"
    "            jordan: the Jordan normal form, P and J with P^-1AP = J;\n"
    "            power: A^n in closed form in n (--n N: for that integer);\n"
    "            exp: e^(tA) in closed form in t (--x0 FILE: also x' = Ax);\n"
    "            minpoly: the minimal polynomial and the Cayley-Hamilton check;\n"
    "            recurrence: the general term of a linear recurrence\n"
    "            det, rank, solve, solve-many, inverse, kernel, image and\n"
    "            eigenvalues also take cells in one parameter letter (1-a, a^2,\n"
    "            2a/3, 1/(a-1)); the others refuse them\n"
    "  FILE      a matrix file (.kvm) or a text file holding a matrix in any form\n"
    "            standard input takes; without it the matrix is read from standard\n"
    "            input: rows of cells separated by spaces or tabs, a spreadsheet's\n"
    "            tab-separated cells, CSV, MATLAB [1 2; 3 4], Python [[1, 2], [3, 4]],\n"
    "            Mathematica {{1, 2}, {3, 4}}, a LaTeX matrix or a Markdown table;\n"
    "            a cell may hold a square root (√5, sqrt(5), 2√3, (1+√5)/2), one\n"
    "            root per matrix, for rref, inverse, transpose, kernel, image,\n"
    "            det, solve, solve-many and rank; 16 MiB at most\n"
    "  -o OUT    after the command, write the grid (eval: the result) to OUT as a\n"
    "            matrix file\n"
    "  --expand auto|row:N|col:N\n"
    "            det by cofactor expansion along the row or column with the most\n"
    "            zeros, or along row or column N\n"
    "  --minors sarrus|expand\n"
    "            with --expand: 3 x 3 minors by Sarrus's rule (the default) or\n"
    "            expanded again\n"
    "  --rows    inner, norm: the rows are the vectors\n"
    "  --form TEXT  quadratic-form: the form typed, such as 'x^2 + 4xy + y^2'\n"
    "            (coefficients, variables a-z but i with optional numbers x1,\n"
    "            x2, exponents ^2 or ^1); no matrix is read\n"
    "  --n N     power: A^N for the integer N by repeated squaring\n"
    "  --x0 FILE exp: x(0), one row or column (\"-\": standard input)\n"
    "  --log-format text|markdown|latex|latex-body|html\n"
    "            the log in that form (default: text, as the window's log pane)\n"
    "  --format tsv|latex|matlab|python|mathematica|markdown\n"
    "            print the result matrix in that form instead of the log\n"
    "            (rref, inverse, transpose, eval)\n"
    "  --pdf FILE  also typeset the log as PDF into FILE (needs lualatex), a file\n"
    "            other than OUT and the matrix FILE\n"
    "  --notation  write each row operation's notation (R2 -> R2 - 3R1) in the\n"
    "            text log too; --no-notation leaves it out of the other forms\n"
    "  --addition-wording  word subtracting a negative multiple as adding, and\n"
    "            say how the determinant follows from the scalings\n"
    "  --help    show this help\n"
    "  --version show the version\n"
    "\n"
    "Exit status: 0 the command ran, 1 the computation failed or refused its\n"
    "matrix (a singular or non-square matrix for inverse, a non-square one for\n"
    "det, sarrus, integer-det, adjugate and the eigen commands, a size other\n"
    "than 2 or 3 for sarrus, a row or column --expand names that the matrix\n"
    "lacks, a grid solve, solve-many or cramer cannot split, a singular A for\n"
    "cramer, sizes that do not fit or a singular matrix to invert in eval's\n"
    "expression, an equation without exactly one solution; the reason on\n"
    "standard error, OUT left alone) or an output could not be written, 2 bad\n"
    "usage, unreadable input or an expression that cannot be read or names a\n"
    "matrix not given.\n";

// One line on standard error in korvane-cli's voice.
void Report(std::ostream& err, std::string_view message) {
    err << "korvane-cli: " << message << '\n';
}

// Reports an error that ended the command: a file the operating system would
// not write in korvane-cli's words with its reason, any other by its message.
int ReportFailure(std::ostream& err, const std::exception& e) {
    if (const auto* unwritten = dynamic_cast<const FileWriteError*>(&e)) {
        Report(err, "cannot write '" + unwritten->Path() + "'" + ReasonText(unwritten->Reason()));
    } else {
        Report(err, e.what());
    }
    return kExitComputationError;
}

// Prints what the log buffered before an error ended the computation; a
// failure here only adds its own message.
void FlushAfterError(CliLog& log, std::ostream& err) {
    try {
        log.Finish();
    } catch (const OutputError& e) {
        Report(err, e.what());
    }
}

VectorLines Lines(const CliOptions& options) {
    return options.rowVectors ? VectorLines::kRows : VectorLines::kColumns;
}

// The grid of a typed quadratic form; a text that is not one is bad usage.
CellGrid ReadFormGrid(const std::string& text) {
    try {
        return ReadQuadraticForm(text).grid;
    } catch (const FormError& e) {
        throw UsageError(e.what());
    }
}

}  // namespace

bool RunCommand(const CliOptions& options, Engine& engine, CellGrid& grid, StepLog& log) {
    const LogStyle style = LogStyleFor(options);
    switch (options.command) {
        case CliCommand::kRref:
            return engine.ReducedRowEchelonForm(grid, log);
        case CliCommand::kInverse:
            return engine.Inverse(grid, log);
        case CliCommand::kTranspose:
            return engine.Transpose(grid, log);
        case CliCommand::kKernel:
            return engine.Kernel(grid, log);
        case CliCommand::kImage:
            return engine.Image(grid, log);
        case CliCommand::kDeterminant:
            if (options.expansion)
                return CofactorExpansionDeterminant(grid, log, *options.expansion, style);
            return engine.Determinant(grid, log);
        case CliCommand::kSolve:
            return engine.Solve(grid, log, RightHandSides::kOne);
        case CliCommand::kSolveMany:
            return engine.Solve(grid, log, RightHandSides::kSeveral);
        case CliCommand::kRank:
            return engine.Rank(grid, log);
        case CliCommand::kCharpoly:
            return engine.CharacteristicPolynomial(grid, log);
        case CliCommand::kEigenvalues:
            return engine.Eigenvalues(grid, log);
        case CliCommand::kEigenvectors:
            return engine.Eigenvectors(grid, log);
        case CliCommand::kDiagonalize:
            return engine.Diagonalize(grid, log);
        case CliCommand::kSarrus:
            return SarrusDeterminant(grid, log);
        case CliCommand::kIntegerDeterminant:
            return IntegerDeterminant(grid, log, style);
        case CliCommand::kAdjugate:
            return Adjugate(grid, log);
        case CliCommand::kCramer:
            return CramersRule(grid, log);
        case CliCommand::kLu:
            return LuDecomposition(grid, log, style);
        case CliCommand::kElementary:
            return ElementaryMatrices(grid, log, style);
        case CliCommand::kInner:
            return InnerProducts(grid, log, Lines(options));
        case CliCommand::kNorm:
            return Norms(grid, log, Lines(options));
        case CliCommand::kGramSchmidt:
            return GramSchmidt(grid, log);
        case CliCommand::kQr:
            return QrDecomposition(grid, log);
        case CliCommand::kProject:
            return Projection(grid, log, style);
        case CliCommand::kComplement:
            return OrthogonalComplement(grid, log, style);
        case CliCommand::kLeastSquares:
            return LeastSquares(grid, log, style);
        case CliCommand::kOrthogonalDiagonalize:
            return OrthogonalDiagonalization(grid, log, style);
        case CliCommand::kQuadraticForm:
            if (options.form) {
                const TypedForm typed = ReadQuadraticForm(*options.form);
                return QuadraticForm(typed.grid, log, typed.source);
            }
            return QuadraticForm(grid, log);
        case CliCommand::kJordan:
            return JordanNormalForm(grid, log);
        case CliCommand::kPower:
            return options.power ? PowerOfMatrix(grid, *options.power, log) : PowerClosedForm(grid, log);
        case CliCommand::kExponential:
            return MatrixExponential(grid, std::nullopt, log);
        case CliCommand::kMinimalPolynomial:
            return MinimalPolynomial(grid, log);
        case CliCommand::kEval:
        case CliCommand::kRecurrence:
            break;  // RunEvalAndReport, and their own inputs in RunCli
    }
    return true;
}

int RunCli(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
           std::ostream& err) {
    CliOptions options;
    CellGrid grid;
    Workspace workspace;
    std::optional<ExactVector> initialValue;
    std::optional<Recurrence> recurrence;
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
        if (options.command == CliCommand::kEval) {
            workspace = ReadEvalWorkspace(options, in);
        } else if (options.form) {
            grid = ReadFormGrid(*options.form);
        } else if (options.command == CliCommand::kRecurrence) {
            recurrence = ReadRecurrenceArgument(options);
        } else {
            grid = options.file ? ReadMatrixFromFile(*options.file) : ReadMatrixText(in);
            RefuseUntakenParameter(options.command, grid);
            if (options.initialValue) initialValue = ReadInitialValue(*options.initialValue, in);
        }
    } catch (const UsageError& e) {
        Report(err, e.what());
        return kExitBadUsage;
    } catch (const OutputError& e) {
        return ReportFailure(err, e);
    }

    if (options.output) {
        if (const std::optional<std::string> problem = OutputFileProblem(*options.output)) {
            Report(err, *problem);
            return kExitComputationError;
        }
    }
    try {
        CliLog log(options, grid, out);
        if (options.command == CliCommand::kEval)
            return RunEvalAndReport(options, workspace, log, err);
        if (recurrence) {
            return RunWorkAndReport(
                options, [&](CellGrid&, StepLog& l) { return LinearRecurrence(*recurrence, l); },
                grid, log, err);
        }
        if (initialValue) {
            return RunWorkAndReport(
                options,
                [&](CellGrid& g, StepLog& l) { return MatrixExponential(g, initialValue, l); },
                grid, log, err);
        }
        return RunAndReport(options, grid, log, err);
    } catch (const UsageError& e) {
        Report(err, e.what());
        return kExitBadUsage;
    }
}

int RunAndReport(const CliOptions& options, CellGrid& grid, CliLog& log, std::ostream& err) {
    Engine engine(LogStyleFor(options));
    return RunWorkAndReport(
        options, [&](CellGrid& g, StepLog& l) { return RunCommand(options, engine, g, l); },
        grid, log, err);
}

int RunEvalAndReport(const CliOptions& options, const Workspace& workspace, CliLog& log,
                     std::ostream& err) {
    CellGrid result;
    return RunWorkAndReport(
        options,
        [&](CellGrid& grid, StepLog& l) {
            const Evaluation evaluation =
                EvaluateExpression(options.expression, workspace, l, LogStyleFor(options));
            if (evaluation.matrix) grid = *evaluation.matrix;
            if (evaluation.number && (options.output || options.matrixFormat))
                throw Error(evaluation.name +
                            " is a number, not a matrix: -o and --format write "
                            "nothing");
            return evaluation.delivered;
        },
        result, log, err);
}

int RunWorkAndReport(const CliOptions& options, const Work& work, CellGrid& grid, CliLog& log,
                     std::ostream& err) {
    bool delivered = false;
    try {
        delivered = work(grid, log);
        log.Finish();
    } catch (const OutputError& e) {
        return ReportFailure(err, e);
    } catch (const std::exception& e) {
        // The lines logged so far show how far the computation got.
        FlushAfterError(log, err);
        return ReportFailure(err, e);
    }
    try {
        // The PDF holds the whole log, a refusal's too.
        log.WritePdf();
        if (!delivered) {
            // A refusal, such as a singular matrix for the inverse: the grid
            // is no result, so nothing is written.
            Report(err, log.LastLine());
            return kExitComputationError;
        }
        log.PrintMatrix(grid);
        if (options.output) WriteMatrixFile(*options.output, grid);
    } catch (const std::exception& e) {
        return ReportFailure(err, e);
    }
    return kExitRan;
}

}  // namespace korvane
