#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "../editing/TempFolder.h"
#include "../engine/TestMatrices.h"
#include "core/editing/MatrixFile.h"
#include "core/workspace/WorkspaceFile.h"

namespace korvane {
namespace {

using namespace std::string_literals;
using test::GridOf;

Workspace TwoMatrices() {
    Workspace w;
    w.Store('A', GridOf({{"1", "2/4"}, {"", "あ"}}));
    w.Store('Z', GridOf({{std::string(3000, '7') + "/3", "-i", "1+i/2"}}));
    return w;
}

TEST(WorkspaceFile, SaveThenOpenRestoresEveryMatrix) {
    TempFolder folder;
    WriteWorkspaceFile(folder.Path("w.kvw"), TwoMatrices());
    EXPECT_EQ(ReadWorkspaceFile(folder.Path("w.kvw")), TwoMatrices());
    EXPECT_EQ(folder.Listing(), std::set<std::string>{"w.kvw"});  // no temporary left
    EXPECT_TRUE(folder.Read("w.kvw").starts_with(
        "[workspace]\nversion=1\n[matrix A]\nrows=2\ncols=2\nr0c0=1\nr0c1=2/4\nr1c0=\nr1c1=あ\n"
        "[matrix Z]\nrows=1\ncols=3\n"));
    // An empty workspace is a workspace file too.
    WriteWorkspaceFile(folder.Path("empty.kvw"), Workspace());
    EXPECT_TRUE(ReadWorkspaceFile(folder.Path("empty.kvw")).Empty());
}

// Read as a matrix file is: defaults for what is missing, counts clamped.
TEST(WorkspaceFile, OddFilesOpenWithDefaults) {
    const struct {
        const char* name;
        std::string content;
        std::vector<std::pair<char, CellGrid>> matrices;
    } cases[] = {
        {"counts clamped, cells missing",
         "[workspace]\n[matrix B]\nrows=12\ncols=0\nr0c0=5\n",
         {{'B',
           [] {
               CellGrid g =
                   GridOf({{"5"}, {"0"}, {"0"}, {"0"}, {"0"}, {"0"}, {"0"}, {"0"}, {"0"}, {"0"}});
               return g;
           }()}}},
        {"no counts", "[workspace]\n[matrix C]\n", {{'C', CellGrid()}}},
        {"CR LF, letter case, blanks",
         "[Workspace]\r\n\r\n[MATRIX D]\r\n ROWS = 1 \r\ncols=2\r\nR0C1 = 2/4\r\n",
         {{'D', GridOf({{"0", "2/4"}})}}},
        {"cells beyond the size are not the matrix's",
         "[workspace]\n[matrix E]\nrows=1\ncols=1\nr0c0=1\nr3c3=9\n",
         {{'E', GridOf({{"1"}})}}},
        {"sections that name no matrix are passed over",
         "[workspace]\n[matrix I]\nrows=1\n[matrix a]\nrows=2\n[matrix]\nr0c0=1\n[size]\nrows=2\n",
         {{'A', GridOf({{"0", "0", "0"}, {"0", "0", "0"}})}}},
        {"Shift_JIS",
         "[workspace]\r\n[matrix F]\r\nrows=1\r\ncols=1\r\nr0c0=\x82\xA0\r\n",
         {{'F', GridOf({{"あ"}})}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(HoldsWorkspaceFile(c.content));
        Workspace expected;
        for (const auto& [name, grid] : c.matrices)
            expected.Store(name, grid);
        EXPECT_EQ(WorkspaceFromBytes(c.content), expected);
    }
}

TEST(WorkspaceFile, WhatIsNoWorkspaceFileIsRefused) {
    TempFolder folder;
    ASSERT_EQ(mkfifo(folder.Path("pipe").c_str(), 0644), 0);  // must not wait
    std::filesystem::create_directory(folder.Path("folder.kvw"));
    folder.Write("m.kvm", "[size]\nrows=2\n[matrix]\nr0c0=1\n");
    folder.Write("empty.kvw", "");
    folder.Write("huge.kvw", "[workspace]\n");
    ASSERT_EQ(truncate(folder.Path("huge.kvw").c_str(), (16 << 20) + 1), 0);
    const std::pair<const char*, const char*> cases[] = {
        {"missing.kvw", " を開けません。"},
        {"folder.kvw", " を開けません。"},
        {"pipe", " を開けません。"},
        {"huge.kvw", " は 16 MiB を超えているため開けません。"},
        {"m.kvm", " はワークスペースのファイルではありません。"},
        {"empty.kvw", " はワークスペースのファイルではありません。"},
    };
    for (const auto& [name, message] : cases) {
        SCOPED_TRACE(name);
        try {
            ReadWorkspaceFile(folder.Path(name));
            ADD_FAILURE() << "opened";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), folder.Path(name) + message);
        }
    }
    // A matrix file keeps its form and still opens into the grid.
    CellGrid grid;
    EXPECT_EQ(LoadMatrixFile(folder.Path("m.kvm"), grid), MatrixFileStatus::kRead);
    EXPECT_EQ(grid.Rows(), 2);
    // What cannot be read whole is not saved over.
    EXPECT_THROW(WriteWorkspaceFile(folder.Path("huge.kvw"), TwoMatrices()), Error);
    EXPECT_EQ(std::filesystem::file_size(folder.Path("huge.kvw")), (16u << 20) + 1);
}

// Saving over a file changes only the workspace's own lines: a name no
// longer stored loses its section, a stored one is written anew, and every
// other line stays in its order.
TEST(WorkspaceFile, SavingKeepsForeignLines) {
    const std::string old =
        "\xEF\xBB\xBF; my exercises\r\n[workspace]\r\nversion=1\r\nauthor=Aki\r\n"
        "[matrix Q]\r\nrows=1\r\ncols=1\r\nr0c0=9\r\n; about Q\r\n[notes]\r\ntext=keep me\r\n"
        "[matrix A]\r\nrows=3\r\nr0c0=old\r\n";
    Workspace w;
    w.Store('A', GridOf({{"1", "2"}}));
    const std::string saved = BytesAfterSavingWorkspace(old, w);
    EXPECT_EQ(saved,
              "\xEF\xBB\xBF; my exercises\r\n[workspace]\r\nversion=1\r\nauthor=Aki\r\n"
              "[notes]\r\ntext=keep me\r\n"
              "[matrix A]\r\nrows=1\r\ncols=2\r\nr0c0=1\r\nr0c1=2\r\n");
    EXPECT_EQ(WorkspaceFromBytes(saved), w);
    // Saving again changes nothing.
    EXPECT_EQ(BytesAfterSavingWorkspace(saved, w), saved);
}

// A save the system kills half-way (here at the file size limit) leaves
// the old file whole.
TEST(WorkspaceFile, AKilledSaveLeavesTheOldFileWhole) {
    TempFolder folder;
    Workspace big;
    for (const char name : Workspace::kNames) {
        CellGrid grid;
        grid.SetRows(10);
        grid.SetCols(10);
        for (int c = 0; c < 10; ++c)
            for (int r = 0; r < 10; ++r)
                grid.SetCell(c, r, std::string(200, '1'));
        big.Store(name, grid);
    }
    WriteWorkspaceFile(folder.Path("w.kvw"), TwoMatrices());
    const std::string before = folder.Read("w.kvw");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{64 << 10, 64 << 10};
        setrlimit(RLIMIT_FSIZE, &limit);
        signal(SIGXFSZ, SIG_DFL);  // the write past the limit kills
        WriteWorkspaceFile(folder.Path("w.kvw"), big);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
    EXPECT_EQ(folder.Read("w.kvw"), before);
}

}  // namespace
}  // namespace korvane
