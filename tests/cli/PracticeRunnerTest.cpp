// korvane-cli practice: a student's steps replayed from a script.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "cli/PracticeRunner.h"
#include "core/editing/History.h"

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
    const std::string csv = Write("swapped.kvm", "0,1\n1,0\n");  // a text, whatever its name
    const std::string huge = Write("huge.txt", "swap 1 2\n");
    fs::resize_file(huge, (16 << 20) + 1);
    const std::string fifo = (dir_ / "fifo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string folder = dir_.string();
    const std::string wide = Write("wide.txt", "1 2 3\n4 5 6\n");
    const std::string same = Write("same.txt", "0 1\n1 0\n");
    const struct {
        std::vector<std::string> args;
        std::string script;
        int status;
        std::string err;
    } cases[] = {
        {{swapped}, "swap 1 2\n", kPracticeDone, ""},
        {{csv}, "swap 1 2\n", kPracticeDone, ""},
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
         "korvane-cli: script line 1: cannot read './same.txt' (No such file or directory)\n"},
        // What is no regular file is refused at once, never read on or waited on.
        {{folder},
         "",
         kPracticeBadUsage,
         "korvane-cli: cannot read '" + folder + "' (Is a directory)\n"},
        {{"/dev/zero"},
         "",
         kPracticeBadUsage,
         "korvane-cli: cannot read '/dev/zero' (not a regular file)\n"},
        {{swapped, fifo},
         "",
         kPracticeBadUsage,
         "korvane-cli: cannot read '" + fifo + "' (not a regular file)\n"},
        {{swapped, folder},
         "",
         kPracticeBadUsage,
         "korvane-cli: cannot read '" + folder + "' (Is a directory)\n"},
        {{swapped},
         "check " + folder + "\n",
         kPracticeBadUsage,
         "korvane-cli: script line 1: cannot read '" + folder + "' (Is a directory)\n"},
        {{swapped},
         "check /dev/zero\n",
         kPracticeBadUsage,
         "korvane-cli: script line 1: cannot read '/dev/zero' (not a regular file)\n"},
        {{swapped, huge},
         "",
         kPracticeBadUsage,
         "korvane-cli: '" + huge + "' is larger than 16 MiB\n"},
        {{swapped},
         "check " + huge + "\n",
         kPracticeBadUsage,
         "korvane-cli: script line 1: '" + huge + "' is larger than 16 MiB\n"},
        {{}, "", kPracticeBadUsage, "korvane-cli: practice needs a matrix FILE\n"},
        {{swapped, "a", "b"}, "", kPracticeBadUsage, "korvane-cli: unexpected argument 'b'\n"},
        {{(dir_ / "missing.kvm").string()},
         "",
         kPracticeBadUsage,
         "korvane-cli: cannot read '" + (dir_ / "missing.kvm").string() +
             "' (No such file or directory)\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.args, c.script), c.status) << c.script;
        EXPECT_EQ(err_.str(), c.err) << c.script;
        if (c.status == kPracticeBadUsage) {
            EXPECT_EQ(out_.str(), "");
        }
    }
}

// Steps typed by hand, hints and the finish, each printed as the session
// logs it; the operations worded as the options ask.
TEST_F(PracticeRunner, StepsHintsAndTheFinish) {
    const std::string square = "1 2\n3 4\n";
    const std::string start = "  ( 1 2 )\n  ( 3 4 )\n";
    const std::string toEchelon = start + "上の行列を、行基本変形で行階段形にしてください。\n";
    const std::string elimination =
        "  ( 1  0 )\n  ( -1 1 )\n"
        "上の行列を、行基本変形で行階段標準形にしてください。\n";
    const std::string finishedOnce =
        "  ( 1 0 )\n  ( 0 1 )\n"
        "完成です。\n"
        "操作は1回、ヒントは1回、間違いは0回でした。\n"
        "自動で計算すると、操作は1回です。\n";
    const struct {
        std::string matrix, typed;
        std::vector<std::string> options;
        std::string script;
        int status;
        std::string out;
    } cases[] = {
        // Two operations in one typed step, the grid as typed.
        {"2 4\n3 4\n",
         "1 2\n0 -2\n",
         {},
         "check typed.txt\n",
         kPracticeUnfinished,
         "  ( 2 4 )\n  ( 3 4 )\n"
         "上の行列を、行基本変形で行階段標準形にしてください。\n"
         "1行目を1/2倍します。\n"
         "  ( 1 2 )\n  ( 3 4 )\n"
         "2行目から1行目の3倍を引きます。\n"
         "  ( 1 2  )\n  ( 0 -2 )\n"},
        // A row times 0 is no step, and the echelon form is not reached by it.
        {square,
         "1 2\n0 0\n",
         {},
         "goal ref\ncheck typed.txt\n",
         kPracticeWrongStep,
         toEchelon + "入力された行列は、前の行列に行基本変形をした結果になっていません。\n"
                     "  ( 1 2 )\n  ( 0 0 )\n"
                     "「2行目から1行目の3倍を引きます」のつもりだとすると、\n"
                     "(2,2)成分の計算が違います。\n"
                     "もう一度計算してください。\n"},
        {square,
         "",
         {},
         "goal ref\nhint\n",
         kPracticeUnfinished,
         toEchelon + "ヒント：2行目から1行目の3倍を引きます。\n"},
        {"2 4\n0 3\n",
         "",
         {},
         "goal ref\nhint\n",
         kPracticeDone,
         "  ( 2 4 )\n  ( 0 3 )\n"
         "上の行列を、行基本変形で行階段形にしてください。\n"
         "完成です。\n"
         "操作は0回、ヒントは0回、間違いは0回でした。\n"
         "自動で計算すると、操作は0回です。\n"
         "もう完成しています。\n"},
        // Finished once, however many steps follow.
        {square,
         "",
         {},
         "goal ref\nadd 2 1 -3\nscale 2 -1/2\n",
         kPracticeDone,
         toEchelon + "2行目から1行目の3倍を引きます。\n"
                     "  ( 1 2  )\n  ( 0 -2 )\n"
                     "完成です。\n"
                     "操作は1回、ヒントは0回、間違いは0回でした。\n"
                     "自動で計算すると、操作は1回です。\n"
                     "2行目を-1/2倍します。\n"
                     "  ( 1 2 )\n  ( 0 1 )\n"},
        // The hint reads as its step is then logged.
        {"1 0\n-1 1\n",
         "",
         {},
         "hint\nadd 2 1 1\n",
         kPracticeDone,
         elimination +
             "ヒント：2行目から1行目の-1倍を引きます。\n"
             "2行目から1行目の-1倍を引きます。\n" +
             finishedOnce},
        {"1 0\n-1 1\n",
         "",
         {"--addition-wording", "--notation"},
         "hint\nadd 2 1 1\n",
         kPracticeDone,
         elimination +
             "ヒント：2行目に1行目の1倍を足します。  R₂ → R₂ + R₁\n"
             "2行目に1行目の1倍を足します。  R₂ → R₂ + R₁\n" +
             finishedOnce},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.options;
        args.push_back(Write("m.txt", c.matrix));
        Write("typed.txt", c.typed);
        args.push_back(Write("steps.txt", c.script));
        EXPECT_EQ(Run(args, ""), c.status) << c.script;
        EXPECT_EQ(out_.str(), c.out) << c.script;
        EXPECT_EQ(err_.str(), "");
    }
}

// Undo goes back as far as the window's History would, after any number of
// steps.
TEST_F(PracticeRunner, UndoReachesAsFarAsTheHistory) {
    const int steps = 150;
    const int reachable = History::kReachableStates - 1;  // undos from the newest state
    std::string script;
    for (int i = 0; i < steps; ++i)
        script += "scale 1 2\n";
    for (int i = 0; i < reachable + 2; ++i)
        script += "undo\n";
    script += "redo\n";
    EXPECT_EQ(Run({Write("m.txt", "1\n")}, script), kPracticeUnfinished);
    std::map<std::string, int> counts;
    std::istringstream lines(out_.str());
    for (std::string line; std::getline(lines, line);)
        ++counts[line];
    EXPECT_EQ(counts["元に戻します。"], reachable);
    EXPECT_EQ(counts["これ以上は戻せません。"], 2);
    EXPECT_EQ(counts["やり直します。"], 1);
    // Back at the oldest step kept, and one redone.
    const std::string last = "  ( " + std::to_string(1LL << (steps - reachable + 1)) + " )\n";
    EXPECT_TRUE(out_.str().ends_with(last)) << last;
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
