// korvane-cli with the paste reader on standard input, the copy formats,
// the log's forms, its notation and wording, and the PDF.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "Golden.h"
#include "cli/CliRunner.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status;
    std::string out, err;
};

CliRun Cli(std::vector<std::string_view> args, const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunCli(args, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(CliFormats, StandardInputInEveryPasteFormReadsTheSame) {
    const CliRun plain = Cli({"det"}, "1/2 0 -3\n2+3i i/4 3/2\n0 1 1\n");
    ASSERT_EQ(plain.status, 0);
    for (const std::string input : {
             "1/2\t\t-3\r\n2+3i\ti/4\t3/2\r\n0\t1\t1\r\n",
             "\\begin{bmatrix} \\frac{1}{2} & 0 & -3 \\\\ 2+3i & \\frac{i}{4} & \\frac32 \\\\ "
             "0 & 1 & 1 \\end{bmatrix}",
             "Matrix([[Rational(1, 2), 0, -3], [2 + 3*I, I/4, Rational(3, 2)], [0, 1, 1]])",
             "{{1/2, 0, -3}, {2 + 3 I, I/4, 3/2}, {0, 1, 1}}",
             "[1/2 0 -3; 2+3i 1i/4 3/2; 0 1 1]",
         }) {
        EXPECT_EQ(Cli({"det"}, input).out, plain.out) << input;
    }
}

TEST(CliFormats, OptionsAndTheirOutcomes) {
    const std::string invertible = "2 4\n1 3\n";
    const std::string golden = test::GoldenText("inverse-2x2.log");
    ASSERT_FALSE(golden.empty());
    const struct {
        std::vector<std::string_view> args;
        std::string input;
        int status;
        std::string out;  // the whole output, or its start when it ends in "…"
        std::string err;
    } cases[] = {
        {{"inverse"}, invertible, 0, golden, ""},
        {{"inverse", "--log-format", "text", "--no-notation"}, invertible, 0, golden, ""},
        {{"inverse", "--format", "python"},
         invertible,
         0,
         "Matrix([[Rational(3, 2), -2], [-Rational(1, 2), 1]])\n",
         ""},
        {{"transpose", "--format=mathematica"}, "1 i\n", 0, "{{1}, {I}}\n", ""},
        {{"inverse", "--format", "matlab"},
         "1 2\n2 4\n",
         1,
         "",
         "korvane-cli: よって、この行列は非可逆です。\n"},
        {{"inverse", "--notation"},
         invertible,
         0,
         "  ( 2 4 1 0 )\n  ( 1 3 0 1 )\n上の行列を行階段基本形にします。\n"
         "1行目を1/2倍します。  R₁ → (1/2)R₁\n…",
         ""},
        {{"rref", "--addition-wording"},
         "1 2\n1 1\n",
         0,
         "  ( 1 2 )\n  ( 1 1 )\n2行目から1行目の1倍を引きます。\n  ( 1 2  )\n  ( 0 -1 )\n"
         "2行目を-1倍します。\n  ( 1 2 )\n  ( 0 1 )\n1行目から2行目の2倍を引きます。\n…",
         ""},
        {{"inverse", "--log-format", "markdown"},
         invertible,
         0,
         "$$\n\\left(\\begin{array}{cc|cc}\n2 & 4 & 1 & 0 \\\\\n…",
         ""},
        {{"det", "--log-format=latex"}, "5\n", 0, "% Korvane の途中の計算です。…", ""},
        {{"det", "--format", "tsv"}, "5\n", 2, "", "korvane-cli: --format writes a result …"},
        {{"inverse", "--format", "latex", "--log-format", "html"},
         invertible,
         2,
         "",
         "korvane-cli: …"},
        {{"inverse", "--log-format", "pdf"}, invertible, 2, "", "korvane-cli: the log as PDF …"},
        {{"det", "--notation", "--no-notation"}, "1\n", 2, "", "korvane-cli: …"},
        {{"det"}, "[[1, x]]", 2, "", "korvane-cli: row 1, column 2: 'x' is no number\n"},
        {{"det"},
         "1 2\n3 4\x01\n",
         2,
         "",
         "korvane-cli: row 2, column 2: control character 0x01 …"},
        {{"det"}, "", 2, "", "korvane-cli: no matrix rows on standard input\n"},
    };
    const auto matches = [](const std::string& text, const std::string& expected) {
        const std::string_view more = "…";
        if (!expected.ends_with(more)) return text == expected;
        return text.starts_with(expected.substr(0, expected.size() - more.size()));
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.args, c.input);
        EXPECT_EQ(run.status, c.status) << c.args.back() << "\n" << run.err;
        EXPECT_TRUE(matches(run.out, c.out)) << c.args.back() << "\n" << run.out;
        EXPECT_TRUE(matches(run.err, c.err)) << c.args.back() << "\n" << run.err;
    }
}

// The one whole LaTeX document the suite typesets.
TEST(CliFormats, PdfOfTheWorkedInverse) {
    if (std::system("command -v lualatex >/dev/null && command -v pdftotext >/dev/null") != 0)
        GTEST_SKIP() << "no lualatex";
    const fs::path dir = fs::path(::testing::TempDir()) / "korvane-cli-pdf";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string pdf = (dir / "log.pdf").string();
    const CliRun run = Cli({"inverse", "--pdf", pdf}, "2 4\n1 3\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, test::GoldenText("inverse-2x2.log"));
    ASSERT_EQ(std::system(("pdftotext '" + pdf + "' '" + (dir / "log.txt").string() + "'").c_str()),
              0);
    std::ifstream in(dir / "log.txt");
    std::string text, word;
    while (in >> word)
        text += word;  // without the blanks TeX puts between scripts
    std::size_t at = 0;
    for (const std::string& line : test::GoldenLines("inverse-2x2.log")) {
        if (line.starts_with("  ( ")) continue;
        at = text.find(line, at);
        EXPECT_NE(at, std::string::npos) << line;
    }
    for (const char* math : {"R1→", "R2→R2−R1", "−2"})
        EXPECT_NE(text.find(math), std::string::npos) << math;
    fs::remove_all(dir);
}

}  // namespace
}  // namespace korvane
