// The written forms judged by the programs that read them: SymPy evaluates
// the Python copy, lualatex typesets the LaTeX export and pdftotext reads
// it back, an XML parser reads the HTML, pandoc renders the Markdown.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "../engine/TestMatrices.h"
#include "Golden.h"
#include "ProseRuns.h"
#include "core/engine/Engine.h"
#include "core/formats/CopyFormats.h"
#include "core/formats/LogExport.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;
using namespace test;

class ExternalTools : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::path(::testing::TempDir()) / (std::string("korvane-formats-") + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Runs a shell command in the test's folder; its exit status.
    int Run(const std::string& command) const {
        const int status = std::system(("cd '" + dir_.string() + "' && " + command).c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    bool Have(const std::string& check) const {
        return Run("(" + check + ") >/dev/null 2>&1") == 0;
    }
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path dir_;
};

Lines InverseLog(const CellGrid& matrix) {
    CellGrid grid = matrix;
    MemoryStepLog log;
    Engine().Inverse(grid, log);
    return log.Lines();
}

std::string Exported(const Lines& lines, LogFormat format, int n) {
    std::ostringstream out;
    ExportOptions options;
    options.augmented = {n, 2 * n};  // no bar for n = 0
    LogExport log(format, options, out);
    for (const std::string& line : lines)
        log.Line(line);
    log.Finish();
    return out.str();
}

std::string WithoutBlanks(const std::string& text) {
    std::string kept;
    for (const char c : text) {
        if (c != ' ' && c != '\n' && c != '\f') kept += c;
    }
    return kept;
}

// The prose of a log, in order, all found in text (blanks aside); matrices,
// spans and formulas are set as mathematics.
void ExpectSentencesInOrder(const Lines& log, const std::string& text) {
    const std::string found = WithoutBlanks(text);
    std::size_t pos = 0;
    for (const std::string& line : log) {
        for (const std::string& run : ProseRuns(line)) {
            const std::size_t at = found.find(WithoutBlanks(run), pos);
            ASSERT_NE(at, std::string::npos) << run << " in " << line;
            pos = at;
        }
    }
}

// An upper bidiagonal 10 × 10 matrix of complex fractions: its inverse is
// full of them, and its reduction is short enough to typeset in seconds.
CellGrid BidiagonalComplexFractions() {
    std::mt19937 rng(3);
    test::Matrix m = RandomMatrix(rng, 10, 10, EntryKind::kGaussianRational);
    for (std::size_t r = 0; r < 10; ++r) {
        for (std::size_t c = 0; c < 10; ++c) {
            if (c != r && c != r + 1) m[r][c] = CpxZero();
        }
        if (CpxIsZero(m[r][r])) m[r][r] = CpxOne();
    }
    return GridOfValues(m);
}

TEST_F(ExternalTools, SympyEvaluatesThePythonCopyToTheSameMatrix) {
    if (!Have("/usr/bin/python3 -c 'import sympy'")) GTEST_SKIP() << "no SymPy";
    std::mt19937 rng(5);
    std::uniform_int_distribution<std::size_t> size(1, 10);
    const EntryKind kinds[] = {EntryKind::kSmallInteger, EntryKind::kFraction,
                               EntryKind::kGaussianRational, EntryKind::kLargeInteger};
    std::string copies, expected;
    for (int i = 0; i < 40; ++i) {
        const test::Matrix values = RandomMatrix(rng, size(rng), size(rng), kinds[i % 4]);
        copies += CopyMatrix(GridOfValues(values), CopyFormat::kPython);
        for (const auto& row : values) {
            for (const ComplexFraction& z : row)
                expected += FracText(z.re) + "," + FracText(z.im) + ";";
        }
        expected += "\n";
    }
    Write("copies.py", copies);
    Write("judge.py",
          "import sys\n"
          "from sympy import Matrix, Rational, I, re, im\n"
          "for line in open('copies.py'):\n"
          "    m = eval(line, {'Matrix': Matrix, 'Rational': Rational, 'I': I})\n"
          "    print(''.join(f'{re(e)},{im(e)};' for e in m))\n");
    ASSERT_EQ(Run("/usr/bin/python3 judge.py > values.txt"), 0);
    EXPECT_EQ(Read("values.txt"), expected);
}

// One document of one's own that \inputs the bodies of the 2 × 2 worked
// example and of a 10 × 10 inverse, with a copied matrix between them (the
// whole document is typeset by korvane-cli's PDF test).
TEST_F(ExternalTools, LualatexTypesetsTheLatexExports) {
    if (!Have("command -v lualatex && command -v pdftotext")) GTEST_SKIP() << "no lualatex";
    const Lines small = GoldenLines("inverse-2x2.log");
    ASSERT_FALSE(small.empty());
    const Lines big = InverseLog(BidiagonalComplexFractions());
    Write("small.tex", Exported(small, LogFormat::kLatexFragment, 2));
    Write("large.tex", Exported(big, LogFormat::kLatexFragment, 10));
    Write("both.tex",
          "\\documentclass{ltjsarticle}\n\\usepackage{amsmath,graphicx}\n"
          "\\begin{document}\n\\input{small}\n\\[" +
              CopyMatrix(GridOf({{"-1/2", "3i/4"}, {"1/2+3i/4", "7"}}), CopyFormat::kLatex) +
              "\\]\n\\input{large}\n\\end{document}\n");
    ASSERT_EQ(Run("lualatex -interaction=nonstopmode -halt-on-error both.tex > out.txt 2>&1"), 0)
        << Read("both.log");
    ASSERT_EQ(Run("pdftotext both.pdf"), 0);
    const std::string text = Read("both.txt");
    ExpectSentencesInOrder(small, text);
    for (const char* number : {"−2", "R1 → ", "7"})
        EXPECT_NE(text.find(number), std::string::npos) << number;
    ExpectSentencesInOrder(big, text.substr(text.find("です。")));
    EXPECT_EQ(Read("both.log").find("Overfull \\hbox"), std::string::npos);
}

// The textbook methods' worked examples: products, powers of -1, minors and
// cofactors with subscripts, det A ≠ 0, fractions of determinants.
const char* const kMethodLogs[] = {"expansion-3x3.log", "sarrus-3x3.log", "integer-det-3x3.log",
                                   "adjugate-3x3.log",  "cramer-3x3.log", "lu-3x3.log",
                                   "elementary-3x3.log"};

TEST_F(ExternalTools, LualatexTypesetsTheMethodsLogs) {
    if (!Have("command -v lualatex && command -v pdftotext")) GTEST_SKIP() << "no lualatex";
    std::string inputs;
    for (const char* name : kMethodLogs) {
        const Lines log = GoldenLines(name);
        ASSERT_FALSE(log.empty()) << name;
        Write(std::string(name) + ".tex", Exported(log, LogFormat::kLatexFragment, 0));
        inputs += "\\input{" + std::string(name) + ".tex}\n";
    }
    Write("methods.tex",
          "\\documentclass{ltjsarticle}\n\\usepackage{amsmath,graphicx}\n"
          "\\begin{document}\n" +
              inputs + "\\end{document}\n");
    ASSERT_EQ(Run("lualatex -interaction=nonstopmode -halt-on-error methods.tex > out.txt 2>&1"), 0)
        << Read("methods.log");
    ASSERT_EQ(Run("pdftotext methods.pdf"), 0);
    const std::string text = Read("methods.txt");
    for (const char* name : kMethodLogs)
        ExpectSentencesInOrder(GoldenLines(name), text);
    EXPECT_EQ(Read("methods.log").find("Missing character"), std::string::npos);
    // "(-1)^(1+2)" and "(-1)·5" are numbers, not one-entry vectors.
    EXPECT_EQ(WithoutBlanks(Read("adjugate-3x3.log.tex")).find("\\begin{pmatrix}-1"),
              std::string::npos);
}

TEST_F(ExternalTools, HtmlIsWellFormedXmlWithMathml) {
    if (!Have("/usr/bin/python3 -c 'import xml.etree.ElementTree'")) GTEST_SKIP();
    const Lines log = InverseLog(GridOf({{"0", "1+i"}, {"1/2", "3"}}));
    Write("log.html", Exported(log, LogFormat::kHtml, 2));
    Write("count.py",
          "import xml.etree.ElementTree as ET\n"
          "m = '{http://www.w3.org/1998/Math/MathML}'\n"
          "root = ET.parse('log.html').getroot()\n"
          "print(len(root.findall('.//' + m + \"math[@display='block']\")),\n"
          "      len(root.findall('.//' + m + 'mover')),\n"
          "      len(root.findall('.//' + m + \"mtd[@class='bar']\")), root.get('lang'))\n");
    ASSERT_EQ(Run("/usr/bin/python3 count.py > counts.txt"), 0) << Read("log.html");
    // Six matrices: the given one and four reached by a row operation are
    // augmented (two rows, one bar cell each), then the inverse.
    EXPECT_EQ(Read("counts.txt"), "6 4 10 ja\n");
    EXPECT_EQ(Read("log.html").find("<script"), std::string::npos);
    // pandoc reads the MathML back as the mathematics it stands for.
    if (!Have("command -v pandoc")) return;
    ASSERT_EQ(Run("pandoc -f html -t latex log.html -o back.tex"), 0);
    const std::string back = WithoutBlanks(Read("back.tex"));
    for (const char* math :
         {"\\frac{1}{2}&3&0&1", "\\overset{R_{1}\\leftrightarrowR_{2}}",
          "\\overset{R_{2}\\rightarrow{({\\frac{1}{2}-\\frac{1}{2}i})}R_{2}}",
          "\\begin{pmatrix}{-3+3i}&2\\\\{\\frac{1}{2}-\\frac{1}{2}i}&0\\\\\\end{pmatrix}"})
        EXPECT_NE(back.find(math), std::string::npos) << math << "\n" << back;
}

TEST_F(ExternalTools, PandocRendersEveryMarkdownMathBlock) {
    if (!Have("command -v pandoc")) GTEST_SKIP() << "no pandoc";
    CellGrid grid = GridOf({{"1", "2", "i"}, {"2", "4", "1/2"}});
    MemoryStepLog log;
    Engine().Kernel(grid, log);
    Lines lines = log.Lines();
    // λ^2(λ^2 - 2) and "-" sentences must stay text: no superscript, no list.
    MemoryStepLog eigen;
    Engine().Eigenvalues(GridOf({{"0", "0", "0", "0"},
                                 {"0", "0", "0", "0"},
                                 {"0", "0", "0", "2"},
                                 {"0", "0", "1", "0"}}),
                         eigen);
    lines.insert(lines.end(), eigen.Lines().begin(), eigen.Lines().end());
    lines.push_back("- 3 -- 4");
    lines.push_back("1. 2");
    const Lines inverse = InverseLog(GridOf({{"0", "1+i"}, {"1/2", "3"}}));
    std::string markdown =
        Exported(lines, LogFormat::kMarkdown, 2) + Exported(inverse, LogFormat::kMarkdown, 2);
    Write("log.md", markdown);
    ASSERT_EQ(Run("pandoc -f markdown -t html5 --mathml log.md -o log.html 2> warnings.txt"), 0);
    EXPECT_EQ(Read("warnings.txt"), "");
    const std::string html = Read("log.html");
    std::size_t blocks = 0, maths = 0;
    for (std::size_t at = 0; (at = markdown.find("$$\n", at)) != std::string::npos; at += 3)
        ++blocks;
    for (std::size_t at = 0; (at = html.find("<math display=\"block\"", at)) != std::string::npos;
         ++at)
        ++maths;
    EXPECT_EQ(maths * 2, blocks);
    EXPECT_EQ(html.find("$$"), std::string::npos);
    for (const char* markup : {"<sup>", "<li>", "<ol", "<h1", "<h2", "&ndash;", "–"})
        EXPECT_EQ(html.find(markup), std::string::npos) << markup;
    ExpectSentencesInOrder(lines, html);
}

}  // namespace
}  // namespace korvane
