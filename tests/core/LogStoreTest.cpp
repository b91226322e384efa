// The log store against a plain vector of the same lines, with a memory
// budget small enough that most of the text goes through the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "core/LogStore.h"

namespace korvane {
namespace {

// Line n of a log: its number and a length that varies, empty ones included.
std::string LineNumbered(std::size_t n, std::size_t length) {
    std::string line = std::to_string(n) + ":";
    line.resize(n % 7 == 0 ? 0 : line.size() + length, static_cast<char>('a' + n % 26));
    return line;
}

std::vector<std::string> ReplayAll(const LogStore& store) {
    std::vector<std::string> lines;
    store.Replay([&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

TEST(LogStore, AnyRangeAndTheReplayMatchWhatWasAppended) {
    std::mt19937 rng(7);
    for (const std::size_t budget : {std::size_t{0}, std::size_t{100}, std::size_t{1} << 20}) {
        LogStore store(budget);
        for (int round = 0; round < 2; ++round) {  // the second after a clear
            std::vector<std::string> model;
            for (std::size_t n = 0; n < 700; ++n) {
                // Now and then a line longer than many reads of the file.
                const std::size_t length = n == 300 ? (std::size_t{3} << 20) : rng() % 90;
                model.push_back(LineNumbered(n, length));
                store.AppendStepLog(model.back());
            }
            ASSERT_EQ(store.LineCount(), model.size());
            std::uint64_t bytes = 0;
            for (const std::string& line : model)
                bytes += line.size() + 1;
            EXPECT_EQ(store.ByteCount(), bytes);
            for (int k = 0; k < 200; ++k) {
                const std::size_t first = rng() % 720;
                const std::size_t count = rng() % 150;
                const std::size_t end = std::min(model.size(), std::max(first, first + count));
                const std::vector<std::string> expected(
                    model.begin() + static_cast<std::ptrdiff_t>(std::min(first, end)),
                    model.begin() + static_cast<std::ptrdiff_t>(end));
                ASSERT_EQ(store.Lines(first, count), expected) << first << "+" << count;
                // A byte limit keeps a prefix: the lines up to the one that reaches it.
                const std::vector<std::string> limited = store.Lines(first, count, 200);
                ASSERT_LE(limited.size(), expected.size());
                ASSERT_TRUE(std::equal(limited.begin(), limited.end(), expected.begin()));
                std::size_t got = 0;
                for (const std::string& line : limited)
                    got += line.size() + 1;
                ASSERT_TRUE(limited.size() == expected.size() ||
                            (got >= 200 && got - limited.back().size() - 1 < 200));
            }
            std::vector<std::uint64_t> starts{0};
            for (const std::string& line : model)
                starts.push_back(starts.back() + line.size() + 1);
            for (int k = 0; k < 50; ++k) {
                const std::uint64_t offset = rng() % (starts.back() + 10);
                const auto line = std::lower_bound(starts.begin(), starts.end() - 1, offset);
                ASSERT_EQ(store.LineAtOrAfter(offset),
                          static_cast<std::size_t>(line - starts.begin()))
                    << offset;
            }
            EXPECT_EQ(ReplayAll(store), model);
            store.ClearStepLog();
            EXPECT_EQ(store.LineCount(), 0u);
            EXPECT_TRUE(store.Lines(0, 5).empty());
        }
    }
}

// The window's pane reads while the worker writes.
TEST(LogStore, ReadsWhileAnotherThreadAppends) {
    LogStore store(256);
    constexpr std::size_t kLines = 20000;
    std::thread writer([&] {
        for (std::size_t n = 0; n < kLines; ++n)
            store.AppendStepLog(LineNumbered(n, n % 50));
    });
    std::size_t checked = 0;
    while (checked < kLines) {
        const std::size_t count = store.LineCount();
        if (count == 0) continue;
        const std::size_t first = count - 1 - (count - 1) / 3;
        const std::vector<std::string> lines = store.Lines(first, 40);
        ASSERT_FALSE(lines.empty());
        for (std::size_t i = 0; i < lines.size(); ++i)
            ASSERT_EQ(lines[i], LineNumbered(first + i, (first + i) % 50));
        checked = count;
    }
    writer.join();
}

}  // namespace
}  // namespace korvane
