// korvane-cli with the paste reader on standard input, the copy formats,
// the log's forms, its notation and wording, and the PDF.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "Golden.h"
#include "PaperLogs.h"
#include "ProseRuns.h"
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
        {{"det"}, "[[1, xy]]", 2, "", "korvane-cli: row 1, column 2: 'xy' is no number\n"},
        {{"rref"},
         "[[1, x]]",
         2,
         "",
         "korvane-cli: row 1, column 2: 'x' is in the parameter letter x, which rref does not take "
         "(det, rank, solve, inverse, kernel, image and eigenvalues do)\n"},
        {{"det"}, "1 a\nb 1", 2, "", "korvane-cli: row 2, column 1: 'b' is in the letter b, cells before it in a; one parameter letter at most\n"},
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

// The wording options reach every reduction a command logs, the eigenspaces'
// kernels too.
TEST(CliFormats, WordingOptionsReachEveryReduction) {
    const struct {
        std::vector<std::string_view> args;
        std::string input;
        std::string_view has, lacks;
    } cases[] = {
        {{"eigenvectors", "--notation"},
         "4 1 0\n1 4 0\n0 0 2\n",
         "1行目を1/2倍します。  R₁ → (1/2)R₁\n",
         "1行目を1/2倍します。\n"},
        {{"diagonalize", "--notation"}, "2 1\n-1 0\n", "  R₂ → R₂ + R₁\n", "倍を引きます。\n"},
        {{"eigenvectors", "--addition-wording"},
         "2 1\n-1 0\n",
         "2行目に1行目の1倍を足します。\n",
         "2行目から1行目の-1倍を引きます。"},
        {{"diagonalize"}, "2 1\n-1 0\n", "2行目から1行目の-1倍を引きます。\n", "  R₂"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.args, c.input);
        EXPECT_EQ(run.status, 0) << c.args.front() << "\n" << run.err;
        EXPECT_NE(run.out.find(c.has), std::string::npos) << c.args.back() << "\n" << run.out;
        EXPECT_EQ(run.out.find(c.lacks), std::string::npos) << c.args.back() << "\n" << run.out;
    }
}

// What a judge prints of a page: its <math> count and the text left wrongly
// as text (a caret, λ or a dollar outside <math>) or wrongly in math (a caret
// or a hyphen-minus inside it, TeX annotations aside).
constexpr std::string_view kMathJudge = R"(import sys, html.parser
class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(); self.math = 0; self.maths = 0; self.skip = 0; self.bad = []
    def handle_starttag(self, tag, attrs):
        if tag == 'math': self.math += 1; self.maths += 1
        if tag in ('annotation', 'style', 'title'): self.skip += 1
    def handle_endtag(self, tag):
        if tag == 'math': self.math -= 1
        if tag in ('annotation', 'style', 'title'): self.skip -= 1
    def handle_data(self, data):
        if self.skip: return
        wrong = '^λ$' if self.math == 0 else '^-'
        if any(c in data for c in wrong): self.bad.append(data.strip())
for name in sys.argv[1:]:
    page = Page(); page.feed(open(name, encoding='utf-8').read())
    print(name, page.maths > 0, page.bad[:3])
)";

// Every command's formulas are mathematics in every marked-up form: MathML in
// HTML, math that pandoc reads in Markdown, TeX that lualatex sets without
// overfull lines; no caret or hyphen-minus is left as text.
TEST(CliFormats, FormulasAreMathInEveryForm) {
    if (std::system("command -v pandoc >/dev/null && command -v lualatex >/dev/null && "
                    "command -v pdftotext >/dev/null") != 0)
        GTEST_SKIP() << "no pandoc or lualatex";
    const struct {
        std::vector<std::string_view> command;
        std::string input;
    } cases[] = {
        {{"charpoly"}, "2 1 0\n1 2 i\n0 1/2 3\n"},
        {{"eigenvalues"}, "1 0 0\n0 0 2\n0 1 0\n"},
        {{"eigenvectors"}, "2 1\n1 2\n"},
        {{"diagonalize"}, "0 -2\n1 0\n"},
        {{"diagonalize"}, "2 1\n1 2\n"},
        {{"solve"}, "1 2 3 4\n0 1 2 5\n"},
        {{"solve"}, "3 1 2\n1 2i 1/2\n"},
        {{"solve-many"}, "1 1 2 3\n1 1 2 3\n"},
        {{"det"}, "0 2i\n1+i 3\n"},
        {{"inverse"}, "1/2 i\n3 -4\n"},
        {{"solve"}, "1 (1+√5)/2 1\n(1-√5)/2 1 √5\n"},
        {{"kernel"}, "1 -√2/2 i√2\n√2 -1 -2i\n"},
        {{"eval", "A^-2A^T - 2A^H + tr(A)I - det(A)(1/2)A", "A=-"}, "1/2 i\n3 -4\n"},
        {{"eval", "XA = A^2", "A=-"}, "1/2 i\n3 -4\n"},
    };
    const fs::path dir = fs::path(::testing::TempDir()) / "korvane-cli-formulas";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const auto write = [&](const std::string& name, const std::string& text) {
        std::ofstream(dir / name, std::ios::binary) << text;
    };
    const auto run = [&](const std::string& command) {
        return std::system(("cd '" + dir.string() + "' && " + command).c_str());
    };
    std::string pages, bodies;
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const auto& c = cases[k];
        const std::string n = std::to_string(k);
        const auto in = [&](std::string_view form) {
            std::vector<std::string_view> args = c.command;
            args.insert(args.end(), {"--log-format", form});
            return Cli(args, c.input);
        };
        const CliRun html = in("html"), markdown = in("markdown"), latex = in("latex-body");
        ASSERT_EQ(html.status + markdown.status + latex.status, 0) << c.command.front();
        write(n + ".html", html.out);
        write(n + ".md", markdown.out);
        ASSERT_EQ(run("pandoc -f markdown -t html5 --mathml " + n + ".md -o " + n +
                      ".md.html 2> " + n + ".warnings"),
                  0);
        pages += " " + n + ".html " + n + ".md.html";
        bodies += latex.out + "\\clearpage\n";
    }
    write("judge.py", std::string(kMathJudge));
    ASSERT_EQ(run("/usr/bin/python3 judge.py" + pages + " > judged.txt"), 0);
    std::ifstream judged(dir / "judged.txt");
    for (std::string line; std::getline(judged, line);)
        EXPECT_TRUE(line.ends_with(" True []")) << line;
    write("all.tex", "\\documentclass[a4paper]{ltjsarticle}\n\\usepackage{amsmath,graphicx}\n"
                     "\\begin{document}\n" + bodies + "\\end{document}\n");
    ASSERT_EQ(run("lualatex -interaction=nonstopmode -halt-on-error all.tex > tex.out 2>&1"), 0);
    ASSERT_EQ(run("pdftotext all.pdf"), 0);
    std::ifstream log(dir / "all.log"), text(dir / "all.txt");
    const std::string logged{std::istreambuf_iterator<char>(log), {}};
    const std::string typeset{std::istreambuf_iterator<char>(text), {}};
    EXPECT_EQ(logged.find("Overfull \\hbox"), std::string::npos);
    EXPECT_EQ(typeset.find_first_of("^-"), std::string::npos)
        << typeset.substr(typeset.find_first_of("^-") - std::min<std::size_t>(typeset.find_first_of("^-"), 40), 80);
    fs::remove_all(dir);
}

// The pages of the PDF read: no text below 8 pt nor beyond the page, every
// sentence in order, none left at a page's foot apart from its matrix, every
// font embedded. The window's PDF is held to the same (tests/gui/ExportTest).
TEST(CliFormats, PdfPagesRead) {
    if (std::system("command -v lualatex >/dev/null") != 0) GTEST_SKIP() << "no lualatex";
    const fs::path dir = fs::path(::testing::TempDir()) / "korvane-cli-pages";
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const test::PaperLog& paper : test::kPaperLogs) {
        const std::string pdf = (dir / "log.pdf").string();
        const CliRun run = Cli({paper.command, "--pdf", pdf}, std::string(paper.matrix));
        ASSERT_EQ(run.status, 0) << run.err;
        std::ofstream(dir / "log.txt", std::ios::binary) << run.out;
        EXPECT_EQ(test::PageFaults(pdf, (dir / "log.txt").string()), "") << paper.command;
    }
    fs::remove_all(dir);
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
        for (const std::string& prose : test::ProseRuns(line)) {
            at = text.find(prose, at);
            EXPECT_NE(at, std::string::npos) << prose << " in " << line;
        }
    }
    for (const char* math : {"R1→", "R2→R2−R1", "−2"})
        EXPECT_NE(text.find(math), std::string::npos) << math;
    fs::remove_all(dir);
}

}  // namespace
}  // namespace korvane
