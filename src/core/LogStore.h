#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "core/StepLog.h"

namespace korvane {

// The whole step log of any size in bounded memory. The newest text stays in
// memory; older text goes to an unlinked temporary file, and every
// kIndexStride-th line's place is kept, so any range of lines is found with
// one short scan. One thread may append while others read.
class LogStore : public StepLog {
  public:
    static constexpr std::size_t kIndexStride = 64;

    // memoryBudget: text bytes kept in memory before they go to the file.
    explicit LogStore(std::size_t memoryBudget = std::size_t{4} << 20);
    ~LogStore() override;
    LogStore(const LogStore&) = delete;
    LogStore& operator=(const LogStore&) = delete;

    void ClearStepLog() override;
    // Throws Error when the temporary file cannot be made or written.
    void AppendStepLog(std::string_view line) override;

    // Grows at every clear, so a reader can tell a new log from more lines.
    std::uint64_t Generation() const;
    std::size_t LineCount() const;
    // The text's size: every line with its '\n'.
    std::uint64_t ByteCount() const;
    // Lines first .. first + count − 1, fewer at the end of the log, and no
    // more once they hold maxBytes (but always the first).
    std::vector<std::string> Lines(std::size_t first, std::size_t count,
                                   std::size_t maxBytes = SIZE_MAX) const;
    // The first line that starts at or after byte offset of the text; the
    // line count when none does.
    std::size_t LineAtOrAfter(std::uint64_t offset) const;
    // Hands every line to each in order (for saving the whole log). Appends
    // wait until it returns.
    void Replay(const std::function<void(std::string_view)>& each) const;

  private:
    void Spill();
    // Reads the text bytes from offset on into buffer (at most its size);
    // returns how many were read.
    std::size_t ReadAt(std::uint64_t offset, char* buffer, std::size_t size) const;
    // Calls each for every line from line number first on, until it returns
    // false or the log ends.
    void Scan(std::size_t first, const std::function<bool(std::string_view)>& each) const;

    const std::size_t memoryBudget_;
    mutable std::mutex mutex_;
    int file_ = -1;              // the spilled text, opened at the first spill
    std::uint64_t spilled_ = 0;  // bytes in the file
    std::string tail_;           // the bytes after them
    std::size_t lines_ = 0;
    std::uint64_t generation_ = 0;
    std::vector<std::uint64_t> index_;  // where line k · kIndexStride starts
};

}  // namespace korvane
