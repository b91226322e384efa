#include <gtest/gtest.h>

#include <vector>

#include "cli/CliArguments.h"

namespace korvane {
namespace {

CliOptions Parse(std::vector<std::string_view> args) {
    return ParseArguments(args);
}

TEST(CliArguments, AcceptedForms) {
    using Action = CliOptions::Action;
    const struct {
        std::vector<std::string_view> args;
        Action action;
        CliCommand command;
        const char* file;
        const char* output;
    } cases[] = {
        {{"rref"}, Action::kRun, CliCommand::kRref, nullptr, nullptr},
        {{"det", "m.kvm"}, Action::kRun, CliCommand::kDeterminant, "m.kvm", nullptr},
        {{"inverse", "m.kvm", "-o", "out.kvm"},
         Action::kRun,
         CliCommand::kInverse,
         "m.kvm",
         "out.kvm"},
        {{"-o", "out.kvm", "transpose"}, Action::kRun, CliCommand::kTranspose, nullptr, "out.kvm"},
        {{"kernel", "--", "-odd.kvm"}, Action::kRun, CliCommand::kKernel, "-odd.kvm", nullptr},
        {{"det", "--", "--help"}, Action::kRun, CliCommand::kDeterminant, "--help", nullptr},
        {{"image", "-o", "-"}, Action::kRun, CliCommand::kImage, nullptr, "-"},
        {{"solve", "m.kvm"}, Action::kRun, CliCommand::kSolve, "m.kvm", nullptr},
        {{"solve-many"}, Action::kRun, CliCommand::kSolveMany, nullptr, nullptr},
        {{"rank"}, Action::kRun, CliCommand::kRank, nullptr, nullptr},
        {{"charpoly"}, Action::kRun, CliCommand::kCharpoly, nullptr, nullptr},
        {{"eigenvalues"}, Action::kRun, CliCommand::kEigenvalues, nullptr, nullptr},
        {{"eigenvectors"}, Action::kRun, CliCommand::kEigenvectors, nullptr, nullptr},
        {{"diagonalize"}, Action::kRun, CliCommand::kDiagonalize, nullptr, nullptr},
        {{"sarrus"}, Action::kRun, CliCommand::kSarrus, nullptr, nullptr},
        {{"integer-det", "m.kvm"}, Action::kRun, CliCommand::kIntegerDeterminant, "m.kvm", nullptr},
        {{"adjugate"}, Action::kRun, CliCommand::kAdjugate, nullptr, nullptr},
        {{"cramer"}, Action::kRun, CliCommand::kCramer, nullptr, nullptr},
        {{"lu"}, Action::kRun, CliCommand::kLu, nullptr, nullptr},
        {{"elementary"}, Action::kRun, CliCommand::kElementary, nullptr, nullptr},
        {{"inner", "--rows"}, Action::kRun, CliCommand::kInner, nullptr, nullptr},
        {{"norm", "m.kvm"}, Action::kRun, CliCommand::kNorm, "m.kvm", nullptr},
        {{"gram-schmidt"}, Action::kRun, CliCommand::kGramSchmidt, nullptr, nullptr},
        {{"qr"}, Action::kRun, CliCommand::kQr, nullptr, nullptr},
        {{"project"}, Action::kRun, CliCommand::kProject, nullptr, nullptr},
        {{"complement"}, Action::kRun, CliCommand::kComplement, nullptr, nullptr},
        {{"least-squares", "m.kvm"}, Action::kRun, CliCommand::kLeastSquares, "m.kvm", nullptr},
        {{"orthogonal-diagonalize"},
         Action::kRun,
         CliCommand::kOrthogonalDiagonalize,
         nullptr,
         nullptr},
        {{"quadratic-form", "--form", "x^2 - y^2"},
         Action::kRun,
         CliCommand::kQuadraticForm,
         nullptr,
         nullptr},
        {{"quadratic-form", "--form=-xy"}, Action::kRun, CliCommand::kQuadraticForm, nullptr, nullptr},
        {{"jordan", "m.kvm"}, Action::kRun, CliCommand::kJordan, "m.kvm", nullptr},
        {{"power", "--n", "5"}, Action::kRun, CliCommand::kPower, nullptr, nullptr},
        {{"exp", "--x0=x.txt", "m.kvm"}, Action::kRun, CliCommand::kExponential, "m.kvm", nullptr},
        {{"minpoly"}, Action::kRun, CliCommand::kMinimalPolynomial, nullptr, nullptr},
        {{"recurrence", "a(n+1)=2a(n); a(0)=1"}, Action::kRun, CliCommand::kRecurrence, nullptr,
         nullptr},
        {{"det", "--expand", "row:2", "m.kvm"},
         Action::kRun,
         CliCommand::kDeterminant,
         "m.kvm",
         nullptr},
        {{"bogus", "--help"}, Action::kHelp, CliCommand::kRref, nullptr, nullptr},
        {{"--version"}, Action::kVersion, CliCommand::kRref, nullptr, nullptr},
        {{"rref", "--pdf", "F", "-o", "F.kvm"}, Action::kRun, CliCommand::kRref, nullptr, "F.kvm"},
    };
    for (const auto& c : cases) {
        const CliOptions options = Parse(c.args);
        EXPECT_EQ(options.action, c.action) << c.args.front();
        if (c.action != Action::kRun) continue;
        EXPECT_EQ(options.command, c.command) << c.args.front();
        EXPECT_EQ(options.file.value_or("(none)"), c.file ? c.file : "(none)");
        EXPECT_EQ(options.output.value_or("(none)"), c.output ? c.output : "(none)");
    }
}

TEST(CliArguments, EvalTakesAnExpressionThenNamedFiles) {
    const struct {
        std::vector<std::string_view> args;
        const char* expression;
        std::vector<std::pair<char, const char*>> inputs;
        const char* workspace;
    } cases[] = {
        {{"eval", "A B - 2C", "A=a.kvm", "B=-", "C=c d.txt"},
         "A B - 2C",
         {{'A', "a.kvm"}, {'B', "-"}, {'C', "c d.txt"}},
         nullptr},
        {{"eval", "-A + B", "w.kvw", "-o", "r.kvm"}, "-A + B", {}, "w.kvw"},
        {{"eval", "--format", "latex", "-2A", "Z=z=1.txt", "w.kvw"},
         "-2A",
         {{'Z', "z=1.txt"}},
         "w.kvw"},
        {{"eval", "--", "-o", "A=a"}, "-o", {{'A', "a"}}, nullptr},
        {{"eval", "AX = B", "-"}, "AX = B", {}, "-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        const CliOptions options = Parse(c.args);
        EXPECT_EQ(options.command, CliCommand::kEval);
        EXPECT_EQ(options.expression, c.expression);
        ASSERT_EQ(options.inputs.size(), c.inputs.size());
        for (std::size_t k = 0; k < c.inputs.size(); ++k) {
            EXPECT_EQ(options.inputs[k].name, c.inputs[k].first);
            EXPECT_EQ(options.inputs[k].file, c.inputs[k].second);
        }
        EXPECT_EQ(options.file.value_or("(none)"), c.workspace ? c.workspace : "(none)");
    }
}

TEST(CliArguments, BadUsage) {
    const std::vector<std::vector<std::string_view>> cases{
        {},
        {"invert"},
        {"RREF"},
        {"rref", "a.kvm", "b.kvm"},
        {"rref", "-o"},
        {"rref", "-o", "a", "-o", "b"},
        {"rref", "-x"},
        {"--verbose", "rref"},
        {"-o", "out.kvm"},
        {"rref", "--format"},
        {"rref", "--format", "csv"},
        {"rref", "--log-format=docx"},
        {"rref", "--pdf="},
        {"rref", "-o", ""},
        // The PDF would write over the matrix file written or read.
        {"rref", "--pdf", "F", "-o", "F"},
        {"rref", "--pdf=./F", "-o", "F"},
        {"rref", "-o", "sub/../F", "--pdf", "F"},
        {"det", "F", "--pdf", "./F"},
        // The expansion is det's, along a line of the grid, its minors one of two ways.
        {"rref", "--expand", "auto"},
        {"det", "--expand"},
        {"det", "--expand", "row"},
        {"det", "--expand", "row:0"},
        {"det", "--expand", "col:11"},
        {"det", "--expand", "row:2x"},
        {"det", "--expand", "diagonal:1"},
        {"det", "--minors", "sarrus"},
        {"det", "--expand", "auto", "--minors", "laplace"},
        // eval: an expression, then NAME=FILE and at most one workspace file.
        {"eval"},
        {"eval", "-o", "out.kvm"},
        {"eval", "A", "a=x.kvm"},
        {"eval", "A", "I=x.kvm"},
        {"eval", "A", "A=x.kvm", "A=y.kvm"},
        {"eval", "A + B", "A=-", "B=-"},
        {"eval", "A", "-", "A=-"},
        {"eval", "A", "w.kvw", "v.kvw"},
        {"eval", "A", "A=x.kvm", "--pdf", "x.kvm"},
        {"eval", "A", "--format", "csv"},
        // --rows is inner's and norm's, --form quadratic-form's, without FILE.
        {"rref", "--rows"},
        {"qr", "--rows"},
        {"det", "--form", "x^2"},
        {"quadratic-form", "--form"},
        {"quadratic-form", "--form", "x^2", "m.kvm"},
        {"quadratic-form", "--form", "x^2", "--form", "y^2"},
        // --n takes one integer, for power; --x0 a file, for exp.
        {"power", "--n"},
        {"power", "--n", "five"},
        {"power", "--n", "2.5"},
        {"power", "--n", "5 "},
        {"power", "--n", "99999999999999999999"},
        {"det", "--n", "5"},
        {"exp", "--x0="},
        {"jordan", "--x0", "x.txt"},
        {"exp", "-", "--x0", "-"},
        // recurrence: its text and nothing else, no matrix to write.
        {"recurrence"},
        {"recurrence", "a(n+1)=a(n); a(0)=1", "m.kvm"},
        {"recurrence", "a(n+1)=a(n); a(0)=1", "-o", "out.kvm"},
        {"recurrence", "a(n+1)=a(n); a(0)=1", "--format", "tsv"},
    };
    for (const auto& args : cases) {
        EXPECT_THROW(Parse(args), UsageError) << (args.empty() ? "(none)" : args.back());
    }
}

TEST(CliArguments, RowsAndForm) {
    EXPECT_TRUE(Parse({"inner", "--rows"}).rowVectors);
    EXPECT_FALSE(Parse({"inner"}).rowVectors);
    EXPECT_EQ(Parse({"quadratic-form", "--form", "x^2 - y^2"}).form, "x^2 - y^2");
    EXPECT_EQ(Parse({"quadratic-form", "--form=-xy"}).form, "-xy");
    EXPECT_FALSE(Parse({"quadratic-form"}).form);
}

TEST(CliArguments, PowerExponentsAndTexts) {
    const struct {
        std::vector<std::string_view> args;
        std::optional<std::int64_t> power;
        const char* initial;
        const char* recurrence;
    } cases[] = {
        {{"power"}, std::nullopt, nullptr, ""},
        {{"power", "--n", "-3"}, -3, nullptr, ""},
        {{"power", "--n=+12"}, 12, nullptr, ""},
        {{"exp", "--x0", "x0.txt"}, std::nullopt, "x0.txt", ""},
        // A recurrence may start with a sign or a dash as an expression may.
        {{"recurrence", "-a(n)=a(n-1); a(0)=1"}, std::nullopt, nullptr, "-a(n)=a(n-1); a(0)=1"},
    };
    for (const auto& c : cases) {
        const CliOptions options = Parse(c.args);
        EXPECT_EQ(options.power, c.power) << c.args.back();
        EXPECT_EQ(options.initialValue.value_or("(none)"), c.initial ? c.initial : "(none)");
        EXPECT_EQ(options.recurrence, c.recurrence);
    }
}

TEST(CliArguments, ExpansionChoices) {
    using Line = ExpansionChoice::Line;
    const struct {
        std::vector<std::string_view> args;
        ExpansionChoice choice;
    } cases[] = {
        {{"det", "--expand", "auto"}, {Line::kAuto, 0, true}},
        {{"det", "--expand=row:1"}, {Line::kRow, 0, true}},
        {{"det", "--expand", "col:10", "--minors", "expand"}, {Line::kColumn, 9, false}},
        {{"det", "--minors=expand", "--expand", "row:3"}, {Line::kRow, 2, false}},
        {{"det", "--minors", "expand", "--minors", "sarrus", "--expand", "auto"},
         {Line::kAuto, 0, true}},
    };
    for (const auto& c : cases) {
        const CliOptions options = Parse(c.args);
        ASSERT_TRUE(options.expansion) << c.args[1];
        EXPECT_EQ(*options.expansion, c.choice) << c.args[1] << " " << c.args[2];
    }
    EXPECT_FALSE(Parse({"det"}).expansion);
}

}  // namespace
}  // namespace korvane
