// korvane-cli run as a program: standard input in; log, explanations and
// exit status out.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Golden.h"

extern char** environ;

namespace korvane {
namespace {

namespace fs = std::filesystem;

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
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

    ProgramRun Cli(const std::vector<std::string>& args, const std::string& input = "") {
        const fs::path in = dir_ / "stdin", out = dir_ / "stdout", err = dir_ / "stderr";
        std::ofstream(in, std::ios::binary) << input;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        std::vector<std::string> argv{KORVANE_CLI};
        argv.insert(argv.end(), args.begin(), args.end());
        std::vector<char*> raw;
        for (std::string& arg : argv)
            raw.push_back(arg.data());
        raw.push_back(nullptr);
        ProgramRun run;
        pid_t pid = 0;
        if (posix_spawn(&pid, KORVANE_CLI, &actions, nullptr, raw.data(), environ) == 0) {
            int status = 0;
            waitpid(pid, &status, 0);
            run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        run.out = Slurp(out);
        run.err = Slurp(err);
        return run;
    }

    fs::path dir_;
};

const std::string kInverseOf2413 = test::GoldenText("inverse-2x2.log");

TEST_F(CliProgram, LogOnStandardOutput) {
    const struct {
        std::vector<std::string> args;
        std::string input;
        std::string out;
    } cases[] = {
        {{"inverse"}, "2 4\n1 3\n", kInverseOf2413},
        {{"inverse"}, "\r\n2\t4\r\n\r\n  1   3  \r\n", kInverseOf2413},
        {{"inverse"}, "1 2 3\n4 5 6\n", "正方行列でないので、逆行列はありません。\n"},
        {{"det"}, "1 2 3\n", "正方行列でないので、行列式はありません。\n"},
        {{"image"},
         "2/4 1\n1 2\n",
         "  ( 1/2 1 )\n  ( 1   2 )\n上の行列を行階段基本形にします。\n1行目を2倍します。\n"
         "  ( 1 2 )\n  ( 1 2 )\n2行目から1行目の1倍を引きます。\n  ( 1 2 )\n  ( 0 0 )\n"
         "これで、行階段基本形になりました。\nよってこのベクトルの像は、\nspan{(2/4,1)}\nです。\n"},
        {{"transpose"}, "i/2 2\n", "  ( i/2 2 )\nこの行列を転置します。\n  ( i/2 )\n  ( 2   )\n"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = Cli(c.args, c.input);
        EXPECT_EQ(run.status, 0) << c.input;
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, "");
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
    const struct {
        std::vector<std::string> args;
        std::string input;
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
        {{"rref", (dir_ / "missing.kvm").string()}, ""},
        {{"rref", dir_.string()}, ""},
    };
    for (const auto& c : cases) {
        const ProgramRun run = Cli(c.args, c.input);
        EXPECT_EQ(run.status, 2) << c.input;
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("korvane-cli: ")) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
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

TEST_F(CliProgram, UnwritableOutputIsAnError) {
    const fs::path probe = dir_ / "probe.kvm";
    Cli({"rref", "-o", probe.string()}, "1\n");
    if (!fs::exists(probe)) GTEST_SKIP() << "matrix files are not written yet";
    const std::string target = (dir_ / "no-such-dir" / "m.kvm").string();
    const ProgramRun run = Cli({"rref", "-o", target}, "2\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "  ( 2 )\n1行目を1/2倍します。\n  ( 1 )\nこれで、行階段基本形になりました。\n");
    EXPECT_EQ(run.err, target + " に書き込めません\n");
}

}  // namespace
}  // namespace korvane
