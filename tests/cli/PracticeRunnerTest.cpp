// korvane-cli practice: a student's steps replayed from a script.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/PracticeRunner.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

class PracticeRunner : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::path(::testing::TempDir()) / (std::string("korvane-practice-") + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / name, std::ios::binary) << text;
        return (dir_ / name).string();
    }

    int Run(const std::vector<std::string>& args, const std::string& script) {
        std::vector<std::string_view> views(args.begin(), args.end());
        std::istringstream in(script);
        out_.str("");
        err_.str("");
        return RunPractice(views, in, out_, err_);
    }

    fs::path dir_;
    std::ostringstream out_, err_;
};

TEST_F(PracticeRunner, ReplaysAnInverseExercise) {
    const std::string matrix = Write("a.txt", "2 4\n1 3\n");
    Write("wrong.txt", "1 2 1/2 0\n0 1 0 1\n");
    Write("right.txt", "1 2 1/2 0\n0 1 -1/2 1\n");
    const std::string script = Write("steps.txt",
                                     "# a student's submission\n"
                                     "goal inverse\n"
                                     "scale 1 1/2\n"
                                     "check wrong.txt\n"
                                     "check right.txt add 2 1 -1\n"
                                     "hint\n"
                                     "add 1 2 -2\n");
    // The finished exercise had one wrong attempt on the way.
    EXPECT_EQ(Run({matrix, script}, ""), kPracticeWrongStep);
    EXPECT_EQ(out_.str(),
              "  ( 2 4 1 0 )\n"
              "  ( 1 3 0 1 )\n"
              "上の行列の左半分を、行基本変形で単位行列にしてください。\n"
              "1行目を1/2倍します。\n"
              "  ( 1 2 1/2 0 )\n"
              "  ( 1 3 0   1 )\n"
              "入力された行列は、前の行列に行基本変形をした結果になっていません。\n"
              "  ( 1 2 1/2 0 )\n"
              "  ( 0 1 0   1 )\n"
              "「2行目から1行目の1倍を引きます」のつもりだとすると、\n"
              "行の一部にしか計算をしていません。\n"
              "2行目の右半分が、前のままです。\n"
              "もう一度計算してください。\n"
              "2行目から1行目の1倍を引きます。\n"
              "  ( 1 2 1/2  0 )\n"
              "  ( 0 1 -1/2 1 )\n"
              "ヒント：1行目から2行目の2倍を引きます。\n"
              "1行目から2行目の2倍を引きます。\n"
              "  ( 1 0 3/2  -2 )\n"
              "  ( 0 1 -1/2 1  )\n"
              "完成です。\n"
              "よって、逆行列は、\n"
              "  ( 3/2  -2 )\n"
              "  ( -1/2 1  )\n"
              "です。\n"
              "元の行列に掛けると、単位行列になることを確かめました。\n"
              "操作は3回、ヒントは1回、間違いは1回でした。\n"
              "自動で計算すると、操作は3回です。\n");
    EXPECT_EQ(err_.str(), "");
}

TEST_F(PracticeRunner, ExitStatuses) {
    const std::string swapped = Write("swapped.txt", "0 1\n1 0\n");
    const std::string wide = Write("wide.txt", "1 2 3\n4 5 6\n");
    const std::string same = Write("same.txt", "0 1\n1 0\n");
    const struct {
        std::vector<std::string> args;
        std::string script;
        int status;
        std::string err;
    } cases[] = {
        {{swapped}, "swap 1 2\n", kPracticeDone, ""},
        {{swapped}, "swap 1 2\nundo\n", kPracticeUnfinished, ""},
        {{swapped}, "", kPracticeUnfinished, ""},
        {{swapped}, "scale 1 0\nswap 1 2\n", kPracticeWrongStep, ""},
        {{swapped}, "check " + same + "\nswap 2 1\n", kPracticeWrongStep, ""},
        {{wide}, "goal inverse\n", kPracticeWrongStep, ""},
        {{swapped},
         "swap 1 2\nfrob\n",
         kPracticeBadUsage,
         "korvane-cli: script line 2: unknown command 'frob'\n"},
        {{swapped},
         "\n\nswap 1\n",
         kPracticeBadUsage,
         "korvane-cli: script line 3: expected 'swap I J'\n"},
        {{swapped},
         "scale x 2\n",
         kPracticeBadUsage,
         "korvane-cli: script line 1: row number expected, got 'x'\n"},
        {{swapped},
         "scale 1 x\n",
         kPracticeBadUsage,
         "korvane-cli: script line 1: factor expected, got 'x'\n"},
        {{swapped},
         "swap 1 2\nadd 1 2 1/0\n",
         kPracticeBadUsage,
         "korvane-cli: script line 2: factor '1/0' divides by zero\n"},
        {{swapped},
         "swap 1 2\ngoal ref\n",
         kPracticeBadUsage,
         "korvane-cli: script line 2: goal must come before the steps\n"},
        {{swapped},
         "goal diagonal\n",
         kPracticeBadUsage,
         "korvane-cli: script line 1: unknown goal 'diagonal' (rref, ref or inverse)\n"},
        {{swapped},
         "check " + same + " swap 1 2; junk\n",
         kPracticeBadUsage,
         "korvane-cli: script line 1: operation expected after the file, got 'junk'\n"},
        // From standard input a relative file is taken from the working folder.
        {{swapped},
         "check same.txt\n",
         kPracticeBadUsage,
         "korvane-cli: script line 1: cannot read matrix file './same.txt'\n"},
        {{}, "", kPracticeBadUsage, "korvane-cli: practice needs a matrix FILE\n"},
        {{swapped, "a", "b"}, "", kPracticeBadUsage, "korvane-cli: unexpected argument 'b'\n"},
        {{(dir_ / "missing.kvm").string()},
         "",
         kPracticeBadUsage,
         "korvane-cli: cannot read matrix file '" + (dir_ / "missing.kvm").string() + "'\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.args, c.script), c.status) << c.script;
        EXPECT_EQ(err_.str(), c.err) << c.script;
        if (c.status == kPracticeBadUsage) {
            EXPECT_EQ(out_.str(), "");
        }
    }
}

TEST_F(PracticeRunner, ProgramDispatchesPractice) {
    FILE* pipe = popen(KORVANE_CLI " practice --help", "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe))
        out += buffer;
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_TRUE(out.starts_with("Usage: korvane-cli practice FILE [SCRIPT]\n")) << out;
}

}  // namespace
}  // namespace korvane
