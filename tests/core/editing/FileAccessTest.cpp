#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "TempFolder.h"
#include "core/editing/FileAccess.h"
#include "mklibs/Errors.h"

namespace korvane {
namespace {

TEST(FileAccess, ReadsUpToTheLimit) {
    TempFolder folder;
    folder.Write("f", "0123456789");
    const std::tuple<std::size_t, const char*, bool> cases[] = {
        {100, "0123456789", false},
        {10, "0123456789", false},
        {4, "0123", true},
    };
    for (const auto& [limit, bytes, truncated] : cases) {
        const std::optional<FileHead> head = ReadRegularFile(folder.Path("f"), limit);
        ASSERT_TRUE(head);
        EXPECT_EQ(head->bytes, bytes);
        EXPECT_EQ(head->truncated, truncated);
    }
}

TEST(FileAccess, ReplacesOnlyRegularFiles) {
    TempFolder folder;
    ASSERT_EQ(mkfifo(folder.Path("pipe").c_str(), 0644), 0);
    std::filesystem::create_directory(folder.Path("dir"));
    for (const char* name : {"pipe", "dir", "dir/", ""}) {
        const std::string path = *name ? folder.Path(name) : std::string();
        EXPECT_THROW(ReplaceFileAtomically(path, "new"), Error) << name;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(folder.Path("pipe")));
    EXPECT_EQ(folder.Listing(), (std::set<std::string>{"dir", "pipe"}));

    folder.Write("file", "old content that is longer");
    ReplaceFileAtomically(folder.Path("file"), "new");
    EXPECT_EQ(folder.Read("file"), "new");
}

TEST(FileAccess, KeepsAReadOnlyFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write any file";
    TempFolder folder;
    folder.Write("ro", "old");
    ASSERT_EQ(chmod(folder.Path("ro").c_str(), 0444), 0);
    EXPECT_THROW(ReplaceFileAtomically(folder.Path("ro"), "new"), Error);
    EXPECT_EQ(folder.Read("ro"), "old");
}

}  // namespace
}  // namespace korvane
