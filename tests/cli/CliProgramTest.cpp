// korvane-cli run as a program: standard input in; log, explanations and
// exit status out.
#include <fcntl.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Golden.h"

extern char** environ;

namespace korvane {
namespace {

namespace fs = std::filesystem;

struct ProgramRun {
    int status = -1;  // the exit status, or -1 when a signal ended the program
    int signal = 0;   // the signal that ended it
    std::string out;
    std::string err;
    long peakKilobytes = 0;  // the program's peak resident memory
};

// Where the program's standard output goes instead of a file of its own.
struct Stdout {
    std::string path;  // a file to open, such as /dev/full
    int fd = -1;       // or a descriptor to take over (a pipe's end)
    bool closed = false;
};

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class CliProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::path(::testing::TempDir()) / (std::string("korvane-cli-") + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Starts the program with input on its standard input (or the file
    // stdinFrom); the standard output goes to a file read by Finish unless
    // stdoutTo says otherwise.
    pid_t Start(const std::vector<std::string>& args, const std::string& input,
                const Stdout& stdoutTo = {}, const fs::path& stdinFrom = {}) {
        const fs::path out = dir_ / "stdout", err = dir_ / "stderr";
        const fs::path in = stdinFrom.empty() ? dir_ / "stdin" : stdinFrom;
        if (stdinFrom.empty()) std::ofstream(in, std::ios::binary) << input;
        fs::remove(out);  // a standard output elsewhere reads back as nothing
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
        if (stdoutTo.closed) {
            posix_spawn_file_actions_addclose(&actions, 1);
        } else if (stdoutTo.fd >= 0) {
            posix_spawn_file_actions_adddup2(&actions, stdoutTo.fd, 1);
        } else {
            const std::string path = stdoutTo.path.empty() ? out.string() : stdoutTo.path;
            posix_spawn_file_actions_addopen(&actions, 1, path.c_str(),
                                             O_WRONLY | O_CREAT | O_TRUNC, 0600);
        }
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        std::vector<std::string> argv{KORVANE_CLI};
        argv.insert(argv.end(), args.begin(), args.end());
        std::vector<char*> raw;
        for (std::string& arg : argv)
            raw.push_back(arg.data());
        raw.push_back(nullptr);
        pid_t pid = -1;
        if (posix_spawn(&pid, KORVANE_CLI, &actions, nullptr, raw.data(), environ) != 0) pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    }

    ProgramRun Finish(pid_t pid) {
        ProgramRun run;
        int status = 0;
        rusage usage{};
        if (pid > 0 && wait4(pid, &status, 0, &usage) == pid) {
            run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
            run.peakKilobytes = usage.ru_maxrss;
        }
        run.out = Slurp(dir_ / "stdout");
        run.err = Slurp(dir_ / "stderr");
        return run;
    }

    ProgramRun Cli(const std::vector<std::string>& args, const std::string& input = "",
                   const Stdout& stdoutTo = {}) {
        return Finish(Start(args, input, stdoutTo));
    }

    fs::path dir_;
};

const std::string kInverseOf2413 = test::GoldenText("inverse-2x2.log");
const std::string kExpressionAB2C = test::GoldenText("expression-ab-2c.log");

TEST_F(CliProgram, LogOnStandardOutput) {
    const char* const nonSquare = "正方行列でないので、逆行列はありません。\n";
    const auto file = [&](const char* name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return (dir_ / name).string();
    };
    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string out;
        int status = 0;
        std::string err = "";
    };
    // A refusal fails the command, its reason on standard error too.
    const auto refusal = [](const char* command, const char* input, const std::string& line) {
        return Case{{command}, input, line, 1, "korvane-cli: " + line};
    };
    const Case cases[] = {
        {{"inverse"}, "2 4\n1 3\n", kInverseOf2413},
        {{"inverse"}, "\r\n2\t4\r\n\r\n  1   3  \r\n", kInverseOf2413},
        {{"inverse"}, "2 4\r1 3\r", kInverseOf2413},  // a bare CR ends a line
        {{"inverse"}, "2 4\r\r\n1 3", kInverseOf2413},
        // FILE holds a matrix in any form standard input takes, whatever its
        // name; a matrix file is told by its sections, not by its name.
        {{"inverse", file("m.txt", "2 4\n1 3\n")}, "", kInverseOf2413},
        {{"inverse", file("m.csv", "2,4\r\n1,3\r\n")}, "", kInverseOf2413},
        {{"inverse", file("m.tex", "\\begin{pmatrix} 2 & 4 \\\\ 1 & 3 \\end{pmatrix}\n")},
         "",
         kInverseOf2413},
        {{"inverse", file("typed.kvm", "[2 4; 1 3]")}, "", kInverseOf2413},
        {{"inverse",
          file("saved.txt", "[size]\nrows=2\ncols=2\n[matrix]\nr0c0=2\nr0c1=4\nr1c0=1\nr1c1=3\n")},
         "",
         kInverseOf2413},
        refusal("inverse", "1 2 3\n4 5 6\n", nonSquare),
        {{"inverse"},
         "1 2\n2 4\n",
         "  ( 1 2 1 0 )\n  ( 2 4 0 1 )\n上の行列を行階段基本形にします。\n"
         "2行目から1行目の2倍を引きます。\n  ( 1 2 1  0 )\n  ( 0 0 -2 1 )\n"
         "2行目を-1/2倍します。\n  ( 1 2 1 0    )\n  ( 0 0 1 -1/2 )\n"
         "1行目から2行目の1倍を引きます。\n  ( 1 2 0 1/2  )\n  ( 0 0 1 -1/2 )\n"
         "これで、行階段基本形になりました。\nよって、この行列は非可逆です。\n",
         1,
         "korvane-cli: よって、この行列は非可逆です。\n"},
        refusal("det", "1 2 3\n", "正方行列でないので、行列式はありません。\n"),
        refusal("charpoly", "1 2\n", "正方行列でないので、固有多項式はありません。\n"),
        refusal("eigenvalues", "1 2\n", "正方行列でないので、固有値はありません。\n"),
        refusal("eigenvectors", "1\n2\n", "正方行列でないので、固有ベクトルはありません。\n"),
        refusal("diagonalize", "1 2\n", "正方行列でないので、対角化できません。\n"),
        refusal("solve", "1\n2\n", "列が1つだけなので、係数行列と右辺に分けられません。\n"),
        refusal("solve-many", "1 2\n3 4\n",
                "列の数が行の数より多くないので、正方行列 A と右辺 B に分けられません。\n"),
        {{"image"},
         "2/4 1\n1 2\n",
         "  ( 1/2 1 )\n  ( 1   2 )\n上の行列を行階段基本形にします。\n1行目を2倍します。\n"
         "  ( 1 2 )\n  ( 1 2 )\n2行目から1行目の1倍を引きます。\n  ( 1 2 )\n  ( 0 0 )\n"
         "これで、行階段基本形になりました。\nよってこのベクトルの像は、\nspan{(2/4,1)}\nです。\n"},
        {{"transpose"}, "i/2 2\n", "  ( i/2 2 )\nこの行列を転置します。\n  ( i/2 )\n  ( 2   )\n"},
        // Scientific notation and j, as Python writes them, each as its value.
        {{"transpose"}, "1e2 2j\n", "  ( 100 2i )\nこの行列を転置します。\n  ( 100 )\n  ( 2i  )\n"},
        {{"transpose"},
         "ans =\n\n   1 + 2i   3\n\n",
         "  ( 1+2i 3 )\nこの行列を転置します。\n  ( 1+2i )\n  ( 3    )\n"},
        // eval: each NAME=FILE in any form FILE takes, standard input once, or
        // a workspace file; the same worked expression from each.
        {{"eval", "A B - 2C",
          "A=" + file("a.kvm",
                      "[size]\nrows=2\ncols=2\n[matrix]\nr0c0=1\n"
                      "r0c1=2\nr1c0=3\nr1c1=4\n"),
          "B=-", "C=" + file("c.csv", "1,0\n2,1\n")},
         "[[5, 6], [7, 8]]",
         kExpressionAB2C},
        {{"eval", "A B - 2C",
          file("w.kvw",
               "[workspace]\n[matrix A]\nrows=2\ncols=2\nr0c0=1\nr0c1=2\nr1c0=3\n"
               "r1c1=4\n[matrix B]\nrows=2\ncols=2\nr0c0=5\nr0c1=6\nr1c0=7\n"
               "r1c1=8\n[matrix C]\nrows=2\ncols=2\nr1c0=2\nr1c1=1\nr0c0=1\n")},
         "",
         kExpressionAB2C},
        {{"eval", "A B", "A=" + file("a23.txt", "1 2 3\n4 5 6\n"),
          "B=" + file("b.txt", "1 2\n3 4\n")},
         "",
         "A は 2×3 行列、B は 2×2 行列なので、積 AB は定義されません。\n",
         1,
         "korvane-cli: A は 2×3 行列、B は 2×2 行列なので、積 AB は定義されません。\n"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = Cli(c.args, c.input);
        EXPECT_EQ(run.status, c.status) << c.args.front() << " " << c.input;
        EXPECT_EQ(run.out, c.out) << c.args.back();
        EXPECT_EQ(run.err, c.err) << c.args.back();
    }
}

// 2^32 on the diagonal: the determinant is 2^64 − 1.
TEST_F(CliProgram, InverseBeyondSixtyFourBits) {
    const ProgramRun run = Cli({"inverse"}, "4294967296 1\n1 4294967296\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "  ( 4294967296 1          1 0 )\n"
              "  ( 1          4294967296 0 1 )\n"
              "上の行列を行階段基本形にします。\n"
              "1行目を1/4294967296倍します。\n"
              "  ( 1 1/4294967296 1/4294967296 0 )\n"
              "  ( 1 4294967296   0            1 )\n"
              "2行目から1行目の1倍を引きます。\n"
              "  ( 1 1/4294967296                    1/4294967296  0 )\n"
              "  ( 0 18446744073709551615/4294967296 -1/4294967296 1 )\n"
              "2行目を4294967296/18446744073709551615倍します。\n"
              "  ( 1 1/4294967296 1/4294967296            0                               )\n"
              "  ( 0 1            -1/18446744073709551615 4294967296/18446744073709551615 )\n"
              "1行目から2行目の1/4294967296倍を引きます。\n"
              "  ( 1 0 4294967296/18446744073709551615 -1/18446744073709551615         )\n"
              "  ( 0 1 -1/18446744073709551615         4294967296/18446744073709551615 )\n"
              "これで、行階段基本形になりました。\n"
              "よって、逆行列は、\n"
              "  ( 4294967296/18446744073709551615 -1/18446744073709551615         )\n"
              "  ( -1/18446744073709551615         4294967296/18446744073709551615 )\n"
              "です。\n");
}

TEST_F(CliProgram, BadUsageAndUnreadableInput) {
    std::string elevenRows;
    for (int r = 0; r < 11; ++r)
        elevenRows += "1\n";
    const auto file = [&](const char* name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return (dir_ / name).string();
    };
    const std::string huge = file("huge.kvm", "[size]\nrows=1\n");
    fs::resize_file(huge, (16 << 20) + 1);
    const std::string never = (dir_ / "never.kvm").string();
    const std::string fifo = (dir_ / "fifo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    using namespace std::string_literals;
    const struct {
        std::vector<std::string> args;
        std::string input;
        std::string named = "";  // what the message must name
    } cases[] = {
        {{}, "1\n"},
        {{"invert"}, "1\n"},
        {{"rref", "-q"}, "1\n"},
        {{"rref", "-o"}, "1\n"},
        {{"rref", "a.kvm", "b.kvm"}, "1\n"},
        {{"rref"}, "1 2\n3\n"},
        {{"rref"}, elevenRows},
        {{"rref"}, "1 2 3 4 5 6 7 8 9 10 11\n"},
        {{"rref"}, ""},
        {{"rref"}, "\n\t \r\n"},
        {{"rref", (dir_ / "missing.kvm").string()}, "", "missing.kvm' (No such file or directory)"},
        // What is no regular file is refused at once, never waited on.
        {{"rref", dir_.string()}, "", "(Is a directory)"},
        {{"rref", "/dev/zero"}, "", "'/dev/zero' (not a regular file)"},
        {{"rref", fifo}, "", "fifo' (not a regular file)"},
        {{"rref", ""}, "", "cannot read ''"},
        {{"rref", "-o", ""}, "2\n", "-o needs a file name"},
        // The PDF and the matrix file in one place: refused before any writing.
        {{"rref", "--pdf", never, "-o", (dir_ / "." / "never.kvm").string()}, "2\n", "same file"},
        {{"rref"}, std::string((16 << 20) + 1, '1'), "standard input is larger than 16 MiB"},
        // Files that hold no matrix are no 3 × 3 zero matrix.
        {{"rref", file("notes.txt", "rows=2 a\nhello\n")}, "", "notes.txt"},
        {{"rref", file("blank.txt", "\n \t\r\n")}, "", "blank.txt' holds no matrix"},
        {{"rref", file("open.txt", "[[1,2]")}, "", "open.txt': no matrix in a form"},
        // A text file is refused with its name and the place of the bad cell.
        {{"rref", file("cell.txt", "1 2\n3 4\x01\n")}, "", "cell.txt': row 2, column 2"},
        {{"rref", file("binary",
                       "\x7F"
                       "ELF\x02\x01\x01\0\0\0\x03"s)},
         "",
         "binary"},
        {{"rref", file("empty.kvm", "")}, "", "empty.kvm"},
        {{"rref", file("utf16.kvm", "[\0s\0i\0z\0e\0]\0"s)}, "", "utf16.kvm"},  // no BOM
        {{"rref", huge}, "", "huge.kvm"},
        // A control byte in a cell is refused, never computed or written.
        {{"rref", "-o", never},
         "1 2\n3 4\0"
         "5\n"s,
         "row 2, column 2"},
        {{"rref", "-o", never}, "1\x01 2\n", "row 1, column 1"},
        {{"rref", "-o", never}, "1 2\x7F\n", "row 1, column 2"},
        {{"rref", "-o", never}, "1\v2\n", "row 1, column 1"},
        // Text that is no number is refused, never read as another matrix.
        {{"det"}, "\\left"},
        {{"det"}, "$\\left$"},
        {{"rref", "-o", never}, "[[1 2], [3 4]]\n", "row 1, column 1: '1 2'"},
        {{"rref", "-o", never}, "1 2\nx 4\n", "row 2, column 1: 'x'"},
        {{"rref", "-o", never}, "1 1e10001\n", "row 1, column 2"},
        {{"rref", "-o", never}, "2\\begin{pmatrix}1\\end{pmatrix}\n", "'2'"},
        {{"rref", "-o", never}, "[[1]]\n[[2]]\n", "two matrices"},
        // eval: an expression that cannot be read, a name not given, a
        // matrix file given as the workspace.
        {{"eval", "A +", "A=-", "-o", never}, "1\n", "式の終わりに、行列か数が要ります。"},
        {{"eval", "A + Q", "A=-"}, "1\n", "5文字目の Q という名前の行列はありません。"},
        {{"eval", "A", "A=" + never}, "", "never.kvm' (No such file or directory)"},
        {{"eval", "A", "A=-"}, "1 2\n3\n", "row 2"},
        {{"eval", "A", file("plain.kvm", "[size]\nrows=1\n")},
         "",
         "plain.kvm' is not a workspace file"},
        {{"eval", "A", "a=x.kvm"}, "", "one capital letter other than I and O"},
        // A typed quadratic form that is none is refused with its place.
        {{"quadratic-form", "--form", "x^2 + 3x", "-o", never},
         "",
         "5文字目からの項「+ 3x」は2次ではありません。"},
        {{"quadratic-form", "--form", "x^2 + y%"}, "", "8文字目の「%」は二次形式に使えません。"},
        {{"quadratic-form", "--form", ""}, "", "二次形式が空です。"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = Cli(c.args, c.input);
        EXPECT_EQ(run.status, 2) << c.input;
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("korvane-cli: ")) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
    }
    EXPECT_FALSE(fs::exists(never));
}

TEST_F(CliProgram, HelpAndVersion) {
    ProgramRun run = Cli({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "korvane-cli 1.2.1\n");
    run = Cli({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("Usage: korvane-cli COMMAND [FILE] [-o OUT]\n"));
    EXPECT_NE(run.out.find("rref | inverse | transpose | kernel | image | det"), std::string::npos);
    EXPECT_EQ(run.err, "");
}

// A grid written with -o and read back as FILE, once matrix files exist.
TEST_F(CliProgram, OutputFileReadsBack) {
    const std::string file = (dir_ / "t.kvm").string();
    const ProgramRun written = Cli({"transpose", "-o", file}, "1 2 3\n");
    ASSERT_EQ(written.status, 0);
    if (!fs::exists(file)) GTEST_SKIP() << "matrix files are not written yet";
    const ProgramRun readBack = Cli({"transpose", file});
    EXPECT_EQ(readBack.status, 0);
    EXPECT_EQ(readBack.out, "  ( 1 )\n  ( 2 )\n  ( 3 )\nこの行列を転置します。\n  ( 1 2 3 )\n");
}

// An output the system will not take is an error naming it with the
// system's reason.
TEST_F(CliProgram, UnwritableOutputIsAnError) {
    const std::string log =
        "  ( 2 )\n1行目を1/2倍します。\n  ( 1 )\nこれで、行階段基本形になりました。\n";
    const std::string inMissingFolder = (dir_ / "no-such-dir" / "m.kvm").string();
    const std::string link = (dir_ / "link.kvm").string();
    fs::create_symlink("no-such-dir/target.kvm", link);
    const struct {
        std::string target;
        std::string out;  // a folder is refused before the computation
        std::string reason;
    } cases[] = {
        {inMissingFolder, log, "No such file or directory"},
        {link, log, "No such file or directory"},
        {dir_.string(), "", "Is a directory"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = Cli({"rref", "-o", c.target}, "2\n");
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, "korvane-cli: cannot write '" + c.target + "' (" + c.reason + ")\n");
    }
    EXPECT_TRUE(fs::is_symlink(link));
}

// -o onto a symbolic link writes the file it points to, made if need be,
// and keeps the link.
TEST_F(CliProgram, OutputThroughALinkKeepsIt) {
    const fs::path link = dir_ / "link.kvm", target = dir_ / "target.kvm";
    fs::create_symlink("target.kvm", link);
    for (const bool targetExists : {true, false}) {
        SCOPED_TRACE(targetExists ? "existing target" : "new target");
        fs::remove(target);
        if (targetExists) std::ofstream(target) << "[size]\nrows=1\n";
        const ProgramRun run = Cli({"transpose", "-o", link.string()}, "1 2\n");
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(Cli({"transpose", target.string()}).out,
                  "  ( 1 )\n  ( 2 )\nこの行列を転置します。\n  ( 1 2 )\n");
    }
}

// OUT is written only with a result, and only over a matrix file or nothing.
// 2I of size n, as rows of text.
std::string TwiceTheIdentity(int n) {
    std::string rows;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c)
            rows.append(c == r ? "2 " : "0 ");
        rows.push_back('\n');
    }
    return rows;
}

TEST_F(CliProgram, OutputFileOnlyForAResult) {
    const std::string out = (dir_ / "out.kvm").string();
    const std::string matrixFile = "[size]\nrows=1\ncols=1\n[matrix]\nr0c0=7\n";
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string input;
        std::optional<std::string> before;  // OUT before the run, if it exists
        int status;
        bool written;
    } cases[] = {
        {"result", {"inverse"}, "2\n", std::nullopt, 0, true},
        {"result over a matrix file", {"inverse"}, "2\n", matrixFile, 0, true},
        {"result over an empty file", {"rref"}, "2\n", "", 0, true},
        {"non-square", {"inverse"}, "1 2\n", std::nullopt, 1, false},
        {"non-square determinant", {"det"}, "1 2\n", matrixFile, 1, false},
        {"one column to solve", {"solve"}, "1\n2\n", std::nullopt, 1, false},
        {"singular", {"inverse"}, "1 2\n2 4\n", matrixFile, 1, false},
        {"over a text file", {"transpose"}, "1 2\n", "my notes\n", 1, false},
        {"over a binary file", {"rref"}, "1\n", std::string("\0\x01\x02", 3), 1, false},
        {"an expression's matrix", {"eval", "A^T", "A=-"}, "1 2\n", matrixFile, 0, true},
        {"an expression's number", {"eval", "det(A)", "A=-"}, "1 2\n3 4\n", std::nullopt, 1, false},
        {"sizes that do not fit", {"eval", "A^2", "A=-"}, "1 2\n", matrixFile, 1, false},
        {"no single solution", {"eval", "AX = A", "A=-"}, "1 2\n2 4\n", std::nullopt, 1, false},
        {"ten unknowns, past the grid's solve", {"eval", "AX = A", "A=-"}, TwiceTheIdentity(10),
         std::nullopt, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(out);
        if (c.before) std::ofstream(out, std::ios::binary) << *c.before;
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"-o", out});
        const ProgramRun run = Cli(args, c.input);
        EXPECT_EQ(run.status, c.status);
        if (c.written) {
            EXPECT_EQ(Cli({"transpose", out}).status, 0);
        } else if (c.before) {
            EXPECT_EQ(Slurp(out), *c.before);
        } else {
            EXPECT_FALSE(fs::exists(out));
        }
        EXPECT_EQ(std::set<fs::path>(fs::directory_iterator(dir_), {}).size(),
                  3u + (c.written || c.before ? 1 : 0));  // stdin, stdout, stderr, OUT
    }
}

// Every write of the log is checked: a full disk or a closed standard output
// is an error, reported on standard error.
TEST_F(CliProgram, FailedLogWritesAreErrors) {
    const std::string out = (dir_ / "out.kvm").string();
    const std::string matrix = (dir_ / "m.txt").string();
    std::ofstream(matrix) << "0 1\n1 0\n";
    const Stdout cases[] = {{"/dev/full"}, {"", -1, true}};
    for (const Stdout& stdoutTo : cases) {
        for (const char* input : {"2 4\n1 3\n", "1 2 3\n"}) {  // short logs: only the flush fails
            const ProgramRun run = Cli({"inverse", "-o", out}, input, stdoutTo);
            EXPECT_EQ(run.status, 1) << stdoutTo.path;
            EXPECT_TRUE(run.err.starts_with("korvane-cli: cannot write the log to standard output"))
                << run.err;
            EXPECT_FALSE(fs::exists(out));
        }
        const ProgramRun help = Cli({"--help"}, "", stdoutTo);
        EXPECT_EQ(help.status, 1);
        const ProgramRun practice = Cli({"practice", matrix}, "swap 1 2\n", stdoutTo);
        EXPECT_EQ(practice.status, 1) << stdoutTo.path;
        EXPECT_TRUE(
            practice.err.starts_with("korvane-cli: cannot write the log to standard output"))
            << practice.err;
    }
}

// A 10 × 10 matrix of 1000-digit integers: its inverse's log is about 120 MB.
std::string BigIntegerMatrix() {
    std::string text;
    std::uint64_t state = 88172645463325252u;
    for (int cell = 0; cell < 100; ++cell) {
        for (int digit = 0; digit < 1000; ++digit) {
            state ^= state << 13, state ^= state >> 7, state ^= state << 17;
            text += static_cast<char>('0' + (digit == 0 ? 1 + state % 9 : state % 10));
        }
        text += cell % 10 == 9 ? '\n' : ' ';
    }
    return text;
}

// Reads the pipe to its end and returns how many bytes came.
std::size_t Drain(int fd) {
    std::size_t total = 0;
    char buffer[1 << 16];
    for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) != 0;)
        if (got > 0)
            total += static_cast<std::size_t>(got);
        else if (errno != EINTR)
            break;
    return total;
}

TEST_F(CliProgram, MemoryDoesNotFollowTheLog) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine";
#endif
    int pipeEnds[2];
    ASSERT_EQ(pipe2(pipeEnds, O_CLOEXEC), 0);
    const pid_t pid = Start({"inverse"}, BigIntegerMatrix(), {"", pipeEnds[1]});
    close(pipeEnds[1]);
    const std::size_t logBytes = Drain(pipeEnds[0]);
    close(pipeEnds[0]);
    const ProgramRun run = Finish(pid);
    EXPECT_EQ(run.status, 0) << run.err;
    constexpr long kBoundKilobytes = 32 * 1024;
    EXPECT_GT(logBytes, 3u * 1024 * kBoundKilobytes);
    EXPECT_LT(run.peakKilobytes, kBoundKilobytes);
}

// Ctrl-C or a kill, while computing or while OUT is being written, leaves OUT
// as it was (or whole, when the kill came after it was written) and no
// temporary file beside it.
TEST_F(CliProgram, SignalsEndItCleanly) {
    const fs::path folder = dir_ / "out";
    fs::create_directories(folder);
    const std::string out = (folder / "m.kvm").string();
    const std::string before = "[size]\nrows=1\n";
    // Cells of 30 kB each (1 after many zeros), kept as they are by the
    // determinant: OUT takes a while to write.
    std::string wide;
    for (int cell = 0; cell < 100; ++cell)
        wide += std::string(29999, '0') + "1" + (cell % 10 == 9 ? "\n" : " ");
    const std::pair<int, bool> cases[] = {{SIGINT, false}, {SIGTERM, true}, {SIGHUP, true}};
    for (const auto& [signal, whileWriting] : cases) {
        {
            SCOPED_TRACE(std::to_string(signal) + (whileWriting ? " writing" : " computing"));
            std::ofstream(out, std::ios::binary) << before;
            const int watch = inotify_init1(IN_CLOEXEC);
            ASSERT_GE(inotify_add_watch(watch, folder.c_str(), IN_CREATE), 0);
            int pipeEnds[2];
            ASSERT_EQ(pipe2(pipeEnds, O_CLOEXEC), 0);
            const pid_t pid =
                whileWriting ? Start({"det", "-o", out}, wide, {"/dev/null"})
                             : Start({"inverse", "-o", out}, BigIntegerMatrix(), {"", pipeEnds[1]});
            close(pipeEnds[1]);
            char first[4096];
            if (whileWriting) {
                ASSERT_GT(read(watch, first, sizeof first), 0);  // the temporary is there
            } else {
                ASSERT_GT(read(pipeEnds[0], first, sizeof first), 0);  // the log has begun
            }
            kill(pid, signal);
            Drain(pipeEnds[0]);
            close(pipeEnds[0]);
            close(watch);
            const ProgramRun run = Finish(pid);
            if (run.signal == signal) {
                EXPECT_EQ(Slurp(out), before);
            } else {
                EXPECT_EQ(run.status, 0);  // the signal came after all was done
            }
            EXPECT_EQ(std::set<fs::path>(fs::directory_iterator(folder), {}),
                      std::set<fs::path>{out});
        }
    }
}

// Standard input beyond the limit is refused without being read whole.
TEST_F(CliProgram, StandardInputIsReadWithinTheLimit) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine";
#endif
    const fs::path big = dir_ / "big";
    std::ofstream(big) << "1 2\n";
    fs::resize_file(big, 256 << 20);  // sparse: cheap to make
    const ProgramRun run = Finish(Start({"det"}, "", {}, big));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "korvane-cli: standard input is larger than 16 MiB\n");
    EXPECT_LT(run.peakKilobytes, 64 * 1024);
}

// Ends every process whose command line mentions text; how many there were.
int EndProcessesMentioning(const std::string& text) {
    int ended = 0;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator("/proc", ignored)) {
        const std::string pid = entry.path().filename().string();
        if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
        if (Slurp(entry.path() / "cmdline").find(text) == std::string::npos) continue;
        kill(std::stoi(pid), SIGKILL);
        ++ended;
    }
    return ended;
}

// Ctrl-C or a kill during --pdf, while computing or while lualatex
// typesets, ends lualatex too and leaves nothing in $TMPDIR.
TEST_F(CliProgram, SignalsDuringPdfLeaveNothing) {
    if (std::system("command -v lualatex >/dev/null") != 0) GTEST_SKIP() << "no lualatex";
    const fs::path tmp = dir_ / "tmp";
    const std::string pdf = (dir_ / "log.pdf").string();
    const std::pair<int, bool> cases[] = {{SIGINT, true}, {SIGTERM, true}, {SIGINT, false}};
    for (const auto& [signal, typesetting] : cases) {
        SCOPED_TRACE(std::to_string(signal) + (typesetting ? " typesetting" : " computing"));
        fs::create_directories(tmp);
        const char* const before = std::getenv("TMPDIR");
        const std::string kept = before ? before : "";
        setenv("TMPDIR", tmp.c_str(), 1);
        int pipeEnds[2];
        ASSERT_EQ(pipe2(pipeEnds, O_CLOEXEC), 0);
        const pid_t pid =
            typesetting ? Start({"inverse", "--pdf", pdf}, "2 4\n1 3\n", {"/dev/null"})
                        : Start({"inverse", "--pdf", pdf}, BigIntegerMatrix(), {"", pipeEnds[1]});
        before ? setenv("TMPDIR", kept.c_str(), 1) : unsetenv("TMPDIR");
        close(pipeEnds[1]);
        if (typesetting) {
            // lualatex writes its log.log once it runs.
            const auto running = [&] {
                std::error_code ignored;
                for (const auto& entry : fs::recursive_directory_iterator(tmp, ignored))
                    if (entry.path().filename() == "log.log") return true;
                return false;
            };
            for (int wait = 0; wait < 3000 && !running(); ++wait)
                usleep(10000);
            ASSERT_TRUE(running());
        } else {
            char first[4096];
            ASSERT_GT(read(pipeEnds[0], first, sizeof first), 0);  // the log has begun
        }
        kill(pid, signal);
        Drain(pipeEnds[0]);
        close(pipeEnds[0]);
        const ProgramRun run = Finish(pid);
        EXPECT_EQ(run.signal, signal);
        EXPECT_EQ(EndProcessesMentioning(tmp.string()), 0);
        EXPECT_TRUE(fs::is_empty(tmp));
        EXPECT_FALSE(fs::exists(pdf));
        fs::remove_all(tmp);
    }
}

}  // namespace
}  // namespace korvane
