#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "ScriptedDialogs.h"
#include "TempFolder.h"
#include "core/editing/IniFile.h"
#include "core/editing/MatrixFile.h"
#include "mklibs/Errors.h"

namespace korvane {
namespace {

using namespace std::string_literals;
using Cells = std::vector<std::tuple<int, int, std::string>>;  // (col, row, text)

// A grid that differs from the start grid in every cell and in both counts.
CellGrid Distinct(int rows, int cols) {
    CellGrid grid;
    for (int col = 0; col < CellGrid::kMaxSize; ++col)
        for (int row = 0; row < CellGrid::kMaxSize; ++row)
            grid.SetCell(col, row, std::to_string(row) + "/" + std::to_string(col + 2) + "i");
    grid.SetRows(rows);
    grid.SetCols(cols);
    return grid;
}

CellGrid Expected(int rows, int cols, const Cells& cells) {
    CellGrid grid;
    grid.SetRows(rows);
    grid.SetCols(cols);
    for (const auto& [col, row, text] : cells)
        grid.SetCell(col, row, text);
    return grid;
}

class MatrixFileTest : public ::testing::Test {
  protected:
    // Expects WriteMatrixFile(path) to fail with the error message.
    void ExpectCannotWrite(const std::string& path) {
        try {
            WriteMatrixFile(path, Distinct(2, 2));
            ADD_FAILURE() << "no error for " << path;
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()), path + " に書き込めません");
        }
    }

    TempFolder folder;
};

TEST_F(MatrixFileTest, SaveThenOpenRestoresEverything) {
    CellGrid grid = Distinct(2, 7);
    grid.SetCell(0, 0, "");
    grid.SetCell(1, 0, "2/4");  // texts are never parsed
    grid.SetCell(0, 1, "1/(a-1)");  // nor are cells in a parameter letter
    grid.SetCell(1, 1, "a^2 + 2a/3");
    grid.SetCell(9, 9, "あいう 漢字");
    grid.SetCell(5, 5, std::string(3000, '7') + "/" + std::string(2000, '3'));
    WriteMatrixFile(folder.Path("m.kvm"), grid);
    CellGrid opened = Distinct(9, 9);
    ReadMatrixFile(folder.Path("m.kvm"), opened);
    EXPECT_EQ(opened, grid);
    EXPECT_EQ(folder.Listing(), std::set<std::string>{"m.kvm"});  // no temporary left
}

TEST_F(MatrixFileTest, WritesTheHundredAndTwoKeysInOrder) {
    CellGrid grid;
    grid.SetRows(2);
    grid.SetCols(2);
    grid.SetCell(0, 0, "1");
    grid.SetCell(1, 0, "1/2");
    grid.SetCell(0, 1, "-3");
    grid.SetCell(1, 1, "4");
    std::string expected = "[size]\nrows=2\ncols=2\n[matrix]\n";
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 10; ++col)
            expected += "r" + std::to_string(row) + "c" + std::to_string(col) + "=" +
                        grid.Cell(col, row) + "\n";
    WriteMatrixFile(folder.Path("two.kvm"), grid);
    EXPECT_EQ(folder.Read("two.kvm"), expected);
}

TEST_F(MatrixFileTest, OddFilesOpenWithDefaults) {
    struct Case {
        const char* name;
        std::string content;
        int rows;
        int cols;
        Cells cells;  // every other cell "0"
    };
    const Case cases[] = {
        {"counts clamped", "[size]\nrows=12\ncols=0\n", 10, 1, {}},
        {"not integers", "[size]\nrows=abc\ncols=2x\n", 3, 3, {}},
        {"empty and signed", "[size]\nrows=\ncols=+4\n", 3, 4, {}},
        {"negative and huge", "[size]\nrows=-5\ncols=99999999999999999999\n", 1, 10, {}},
        {"hugely negative", "[size]\nrows=-99999999999999999999\ncols=2\n", 1, 2, {}},
        {"only size", "[size]\nrows=2\ncols=5\n", 2, 5, {}},
        {"only matrix", "[matrix]\nr9c0=8\n", 3, 3, {{0, 9, "8"}}},
        {"empty file", "", 3, 3, {}},
        {"CR LF",
         "[size]\r\nrows=4\r\ncols=2\r\n[matrix]\r\nr0c0=7\r\nr9c9=-i\r\n",
         4,
         2,
         {{0, 0, "7"}, {9, 9, "-i"}}},
        {"blank lines and white space",
         "\n\n[size]\n\n  rows = 5 \n\tcols\t=\t6\n\n\n[matrix]\n\n r1c2 =  2/4  \n",
         5,
         6,
         {{2, 1, "2/4"}}},
        {"letter case", "[SIZE]\nROWS=2\nCols=9\n[Matrix]\nR3C4=1/3\n", 2, 9, {{4, 3, "1/3"}}},
        {"byte-order mark",
         "\xEF\xBB\xBF[size]\nrows=6\n[matrix]\nr0c1=あ\n",
         6,
         3,
         {{1, 0, "あ"}}},
        {"comments and junk lines",
         "; saved by hand\n[size]\nrows=2\nno equals sign\n[matrix]\n# note\nr0c0=1\nr0c10=5\n",
         2,
         3,
         {{0, 0, "1"}}},
        {"binary with NUL bytes",
         "\x01\xFF\xFE\0[size]\0rows=4\0\x80\x81\n[matrix]\nr0c0=5\0junk"s,
         4,
         3,
         {{0, 0, "5"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        folder.Write("odd.kvm", c.content);
        CellGrid grid = Distinct(7, 7);
        ReadMatrixFile(folder.Path("odd.kvm"), grid);
        EXPECT_EQ(grid, Expected(c.rows, c.cols, c.cells));
    }
}

TEST_F(MatrixFileTest, ReadsShiftJisFiles) {
    // あ亜 ｱ\ ～① 漢字, as older systems wrote them.
    folder.Write("sjis.kvm",
                 "[size]\r\nrows=1\r\ncols=2\r\n[matrix]\r\nr0c0=\x82\xA0\x88\x9F\r\n"
                 "r0c1=\xB1\\\r\nr1c0=\x81\x60\x87\x40\r\nr1c1=\x8A\xBF\x8E\x9A\r\n");
    CellGrid grid;
    ReadMatrixFile(folder.Path("sjis.kvm"), grid);
    EXPECT_EQ(grid, Expected(1, 2,
                             {{0, 0, "あ亜"},
                              {1, 0, "ｱ\\"},
                              {0, 1, "\xEF\xBD\x9E\xE2\x91\xA0"},  // U+FF5E U+2460
                              {1, 1, "漢字"}}));
}

TEST_F(MatrixFileTest, WhatIsNoMatrixFileGivesTheDefaults) {
    ASSERT_EQ(mkfifo(folder.Path("pipe").c_str(), 0644), 0);  // nobody writes: must not wait
    std::filesystem::create_directory(folder.Path("folder.kvm"));
    folder.Write("empty.kvm", "");
    folder.Write("notes.txt", "rows=2\nsome text\n");
    folder.Write("binary.bin",
                 "\x7F"
                 "ELF\x02\x01\0\0rows=2\0"s);
    folder.Write("utf16.txt", "\xFF\xFEr\0o\0w\0s\0=\0002\0"s);  // UTF-16 without a section
    const std::pair<const char*, MatrixFileStatus> cases[] = {
        {"missing.kvm", MatrixFileStatus::kNoFile},
        {"folder.kvm", MatrixFileStatus::kNoFile},
        {"pipe", MatrixFileStatus::kNoFile},
        {"empty.kvm", MatrixFileStatus::kEmpty},
        {"notes.txt", MatrixFileStatus::kNotAMatrixFile},
        {"binary.bin", MatrixFileStatus::kNotAMatrixFile},
        {"utf16.txt", MatrixFileStatus::kNotAMatrixFile},
    };
    for (const auto& [name, status] : cases) {
        SCOPED_TRACE(name);
        CellGrid grid = Distinct(5, 5);
        EXPECT_EQ(LoadMatrixFile(folder.Path(name), grid), status);
        EXPECT_EQ(grid, Distinct(5, 5));
        ReadMatrixFile(folder.Path(name), grid);
        EXPECT_EQ(grid, CellGrid());
    }
    folder.Write("real.kvm", "[size]\nrows=1\n");
    CellGrid grid;
    EXPECT_EQ(LoadMatrixFile(folder.Path("real.kvm"), grid), MatrixFileStatus::kRead);
    EXPECT_EQ(grid.Rows(), 1);
}

TEST_F(MatrixFileTest, ReadsUtf16WithAByteOrderMark) {
    const std::u16string text = u"[size]\r\nrows=2\r\n[matrix]\r\nr0c0=あ\r\n";
    std::string little = "\xFF\xFE", big = "\xFE\xFF";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        little += {low, high};
        big += {high, low};
    }
    for (const std::string& bytes : {little, big}) {
        folder.Write("u16.kvm", bytes);
        CellGrid grid;
        EXPECT_EQ(LoadMatrixFile(folder.Path("u16.kvm"), grid), MatrixFileStatus::kRead);
        EXPECT_EQ(grid, Expected(2, 3, {{0, 0, "あ"}}));
    }
}

TEST_F(MatrixFileTest, AFileLargerThanTheLimitIsRefused) {
    // 100 MB: a matrix file's start, then NUL bytes (a sparse file, cheap to make).
    folder.Write("huge.kvm", "[size]\nrows=7\ncols=1\n[matrix]\nr0c0=2\n");
    ASSERT_EQ(truncate(folder.Path("huge.kvm").c_str(), 100 << 20), 0);
    CellGrid grid = Distinct(5, 5);
    EXPECT_EQ(LoadMatrixFile(folder.Path("huge.kvm"), grid), MatrixFileStatus::kTooLarge);
    try {
        ReadMatrixFile(folder.Path("huge.kvm"), grid);
        ADD_FAILURE() << "a file of 100 MB was opened";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  folder.Path("huge.kvm") + " は 16 MiB を超えているため開けません。");
    }
    EXPECT_EQ(grid, Distinct(5, 5));
    // Saving over it would drop what was not read, so it is refused.
    ExpectCannotWrite(folder.Path("huge.kvm"));
    EXPECT_EQ(std::filesystem::file_size(folder.Path("huge.kvm")), 100u << 20);
}

TEST_F(MatrixFileTest, SavingChangesOnlyTheLinesOfTheKeys) {
    // Everything a hand-edited or foreign file may hold around the keys.
    const std::string old =
        "\xEF\xBB\xBF; saved by hand\r\n\r\n[other]\r\nname=テスト\r\n[SIZE]\r\n ROWS = 9\r\n"
        "extra=1\r\nno equals sign\r\n[matrix]\r\nr0c0=5\r\nr0c0=second\r\n# note\r\n"
        "r5c5=x\r\nnote=keep\r\n\r\n[tail]\r\nz=1";
    folder.Write("old.kvm", old);
    const CellGrid grid = Distinct(2, 3);
    WriteMatrixFile(folder.Path("old.kvm"), grid);

    CellGrid opened;
    ReadMatrixFile(folder.Path("old.kvm"), opened);
    EXPECT_EQ(opened, grid);
    // Judged line by line: the lines that are none of the 102 keys (a key
    // standing twice is one only once) are the same lines in the same order.
    const std::regex keyLine(R"(\s*(rows|cols|r\dc\d)\s*=[^\r\n]*\r?\n?)", std::regex::icase);
    const auto otherLines = [&](const std::string& text) {
        std::vector<std::string> lines;
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = std::min(text.find('\n', start), text.size() - 1);
            std::string line = text.substr(start, end + 1 - start);
            if (!line.ends_with('\n')) line += "\r\n";  // the last line gets its end
            if (!std::regex_match(line, keyLine) || line == "r0c0=second\r\n")
                lines.push_back(line);
            start = end + 1;
        }
        return lines;
    };
    const std::string saved = folder.Read("old.kvm");
    EXPECT_EQ(otherLines(saved), otherLines(old));
    EXPECT_TRUE(saved.starts_with(old.substr(0, old.find("ROWS"))));
    EXPECT_NE(saved.find("\r\n ROWS = 2\r\n"), std::string::npos);
    EXPECT_EQ(saved.find("\n\n"), std::string::npos);  // every line ends in CR LF
}

TEST_F(MatrixFileTest, SavingOverAShiftJisFileWritesUtf8) {
    folder.Write("old.kvm", "[other]\r\nname=\x82\xA0\r\n");
    WriteMatrixFile(folder.Path("old.kvm"), CellGrid());
    EXPECT_TRUE(folder.Read("old.kvm").starts_with("[other]\r\nname=あ\r\n[size]\r\n"));
}

TEST_F(MatrixFileTest, SavingFollowsALinkAndKeepsPermissions) {
    folder.Write("target.kvm", "[size]\nrows=1\n");
    ASSERT_EQ(chmod(folder.Path("target.kvm").c_str(), 0640), 0);
    std::filesystem::create_symlink("target.kvm", folder.Path("link.kvm"));
    WriteMatrixFile(folder.Path("link.kvm"), Distinct(4, 4));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.Path("link.kvm")));
    CellGrid opened;
    ReadMatrixFile(folder.Path("target.kvm"), opened);
    EXPECT_EQ(opened, Distinct(4, 4));
    struct stat info {};
    ASSERT_EQ(stat(folder.Path("target.kvm").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(MatrixFileTest, ATargetThatCannotBeWrittenIsLeftAsItWas) {
    std::filesystem::create_directory(folder.Path("dir.kvm"));
    folder.Write("dir.kvm/inside", "kept");
    ASSERT_EQ(mkfifo(folder.Path("pipe.kvm").c_str(), 0644), 0);
    const std::set<std::string> before = folder.Listing();

    for (const char* name : {"dir.kvm", "missing/m.kvm", "pipe.kvm"}) {
        SCOPED_TRACE(name);
        ExpectCannotWrite(folder.Path(name));
        EXPECT_EQ(folder.Listing(), before);  // nothing created, no temporary left
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path("dir.kvm")));
    EXPECT_EQ(folder.Read("dir.kvm/inside"), "kept");
    EXPECT_TRUE(std::filesystem::is_fifo(folder.Path("pipe.kvm")));
}

TEST_F(MatrixFileTest, SaveCommandAsksBeforeOverwriting) {
    const std::string question = "ファイルが既に存在します。\r上書きして宜しいでしょうか？";
    const std::string old = "[size]\nrows=1\n; hand-made\n";
    struct Case {
        const char* name;
        bool exists;
        std::optional<std::string> chosen;
        std::deque<bool> answers;
        bool asked;
        bool written;
    };
    const Case cases[] = {
        {"cancelled", true, std::nullopt, {}, false, false},
        {"new file", false, "m.kvm", {}, false, true},
        {"existing, no", true, "m.kvm", {false}, true, false},
        {"existing, Esc", true, "m.kvm", {}, true, false},
        {"existing, yes", true, "m.kvm", {true}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(folder.Path("m.kvm"));
        if (c.exists) folder.Write("m.kvm", old);
        ScriptedDialogs dialogs;
        if (c.chosen) dialogs.saveAnswers.push_back(folder.Path(*c.chosen));
        dialogs.confirmAnswers = c.answers;

        const CellGrid grid = Distinct(3, 2);
        S1Click(grid, dialogs);
        EXPECT_EQ(dialogs.confirmations,
                  c.asked ? std::vector<std::string>{question} : std::vector<std::string>{});
        CellGrid opened;
        if (c.written) {
            ReadMatrixFile(folder.Path("m.kvm"), opened);
            EXPECT_EQ(opened, grid);
        } else if (c.exists) {
            EXPECT_EQ(folder.Read("m.kvm"), old);
        }
    }
}

TEST_F(MatrixFileTest, SaveCommandRaisesTheWriteError) {
    ScriptedDialogs dialogs;
    dialogs.saveAnswers.push_back(folder.Path("none/m.kvm"));
    EXPECT_THROW(S1Click(CellGrid(), dialogs), Error);
}

TEST_F(MatrixFileTest, OpenCommand) {
    folder.Write("m.kvm", "[size]\nrows=2\n");
    ScriptedDialogs dialogs;
    dialogs.openAnswers = {std::nullopt, folder.Path("m.kvm"), folder.Path("missing.kvm")};
    CellGrid grid = Distinct(5, 5);
    EXPECT_FALSE(O1Click(grid, dialogs));  // cancelled
    EXPECT_EQ(grid, Distinct(5, 5));
    EXPECT_TRUE(O1Click(grid, dialogs));
    EXPECT_EQ(grid, Expected(2, 3, {}));
    grid = Distinct(5, 5);
    EXPECT_TRUE(O1Click(grid, dialogs));  // a missing file opens as the defaults
    EXPECT_EQ(grid, CellGrid());
}

}  // namespace
}  // namespace korvane
