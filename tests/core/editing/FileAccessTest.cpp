#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <cerrno>
#include <filesystem>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

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

// Each refusal carries the operating system's reason (0: not the system's).
TEST(FileAccess, ReplacesOnlyRegularFiles) {
    TempFolder folder;
    ASSERT_EQ(mkfifo(folder.Path("pipe").c_str(), 0644), 0);
    std::filesystem::create_directory(folder.Path("dir"));
    std::filesystem::create_symlink("loop", folder.Path("loop"));
    const std::pair<const char*, int> cases[] = {
        {"pipe", 0},  {"dir", EISDIR}, {"dir/", EISDIR},
        {"", ENOENT}, {"loop", ELOOP}, {"missing/m.kvm", ENOENT},
    };
    for (const auto& [name, reason] : cases) {
        const std::string path = *name ? folder.Path(name) : std::string();
        try {
            ReplaceFileAtomically(path, "new");
            ADD_FAILURE() << name << " was written";
        } catch (const FileWriteError& e) {
            EXPECT_EQ(e.Reason(), reason) << name;
            EXPECT_EQ(e.Path(), path);
            EXPECT_EQ(std::string(e.what()), path + " に書き込めません");
        }
    }
    EXPECT_TRUE(std::filesystem::is_fifo(folder.Path("pipe")));
    EXPECT_EQ(folder.Listing(), (std::set<std::string>{"dir", "loop", "pipe"}));

    folder.Write("file", "old content that is longer");
    ReplaceFileAtomically(folder.Path("file"), "new");
    EXPECT_EQ(folder.Read("file"), "new");
}

TEST(FileAccess, ATargetWithALongNameCanBeReplaced) {
    TempFolder folder;
    const std::string name = std::string(246, 'n') + ".kvm";  // 250 bytes, NAME_MAX 255
    folder.Write(name, "old");
    ReplaceFileAtomically(folder.Path(name), "new");
    EXPECT_EQ(folder.Read(name), "new");
    EXPECT_EQ(folder.Listing(), std::set<std::string>{name});
}

// A write that fails half-way (here at the file size limit, as on a full
// disk) leaves the target as it was and no temporary beside it; so does a
// signal whose handler removes the temporary in progress.
TEST(FileAccess, AFailedWriteLeavesNoTemporary) {
    for (const bool bySignal : {false, true}) {
        SCOPED_TRACE(bySignal ? "signal" : "write error");
        TempFolder folder;
        folder.Write("m.kvm", "old");
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const rlimit limit{1 << 20, 1 << 20};
            setrlimit(RLIMIT_FSIZE, &limit);
            if (bySignal) {
                signal(SIGXFSZ, [](int) {
                    RemoveTemporaryInProgress();
                    _exit(3);
                });
            } else {
                signal(SIGXFSZ, SIG_IGN);
            }
            try {
                ReplaceFileAtomically(folder.Path("m.kvm"), std::string(2 << 20, 'x'));
            } catch (const Error&) {
                _exit(2);
            }
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_EQ(WEXITSTATUS(status), bySignal ? 3 : 2);
        EXPECT_EQ(folder.Read("m.kvm"), "old");
        EXPECT_EQ(folder.Listing(), std::set<std::string>{"m.kvm"});
    }
}

// A streamed write passes through its buffer whole; one whose writer gives
// up half-way (a log that cannot be read on) leaves the old file alone.
TEST(FileAccess, StreamsContentAndKeepsTheOldFileWhenTheWriterThrows) {
    TempFolder folder;
    folder.Write("log.txt", "old");
    const std::string line(1000, 'x');
    ReplaceFileAtomically(folder.Path("log.txt"), [&](std::ostream& out) {
        for (int k = 0; k < 300; ++k)
            out << line << '\n';
    });
    EXPECT_EQ(std::filesystem::file_size(folder.Path("log.txt")), 300u * 1001u);

    EXPECT_THROW(ReplaceFileAtomically(folder.Path("log.txt"),
                                       [&](std::ostream& out) {
                                           out << std::string(200000, 'y');
                                           throw Error("ログの一時ファイルを読めません。");
                                       }),
                 Error);
    EXPECT_EQ(std::filesystem::file_size(folder.Path("log.txt")), 300u * 1001u);
    EXPECT_EQ(folder.Listing(), std::set<std::string>{"log.txt"});
}

// A symbolic link is written through and kept, also when its target is yet
// to be made (as editors do); a link into a missing folder is refused.
TEST(FileAccess, WritesThroughALinkAndKeepsIt) {
    const struct {
        const char* name;
        std::vector<std::pair<const char*, const char*>> links;  // link, where it points
        const char* existing;                                    // a file there before, if any
        const char* target;  // the file written, or nothing when refused
    } cases[] = {
        {"to a file", {{"link", "file"}}, "file", "file"},
        {"dangling", {{"link", "file"}}, nullptr, "file"},
        {"dangling, to a folder", {{"link", "sub/file"}}, "sub/other", "sub/file"},
        {"dangling chain", {{"link", "middle"}, {"middle", "file"}}, nullptr, "file"},
        {"into a missing folder", {{"link", "missing/file"}}, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        std::filesystem::create_directory(folder.Path("sub"));
        for (const auto& [link, to] : c.links)
            std::filesystem::create_symlink(to, folder.Path(link));
        if (c.existing) folder.Write(c.existing, "old");
        if (c.target) {
            ReplaceFileAtomically(folder.Path("link"), "new");
            EXPECT_EQ(folder.Read(c.target), "new");
        } else {
            EXPECT_THROW(ReplaceFileAtomically(folder.Path("link"), "new"), FileWriteError);
        }
        for (const auto& [link, to] : c.links)
            EXPECT_EQ(std::filesystem::read_symlink(folder.Path(link)), to);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path("")))
            EXPECT_FALSE(entry.path().filename().string().starts_with(".korvane-"));
    }
}

// Two names of one file, also one not made yet; the --pdf and -o of
// korvane-cli must not name one file.
TEST(FileAccess, TellsTwoNamesOfOneFile) {
    TempFolder folder;
    folder.Write("file", "x");
    std::filesystem::create_symlink("file", folder.Path("link"));
    std::filesystem::create_symlink("new", folder.Path("dangling"));
    const std::tuple<std::string, std::string, bool> cases[] = {
        {"file", "link", true}, {"new", "dangling", true},   {"new", "./sub/../new", true},
        {"file", "new", false}, {"link", "dangling", false},
    };
    for (const auto& [a, b, same] : cases)
        EXPECT_EQ(SameWriteTarget(folder.Path(a), folder.Path(b)), same) << a << " " << b;
    EXPECT_TRUE(SameWriteTarget("F", "./F"));
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
