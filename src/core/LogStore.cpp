#include "core/LogStore.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "mklibs/Errors.h"

namespace korvane {

namespace {

constexpr std::size_t kReadChunk = std::size_t{64} << 10;

// A file nobody else can open: it is unlinked at once and goes away with
// the program, even when the program is killed.
int OpenUnlinkedFile() {
    const char* dir = std::getenv("TMPDIR");
    std::string path =
        std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/korvane-log-XXXXXX";
    const int fd = mkostemp(path.data(), O_CLOEXEC);
    if (fd < 0) throw Error("ログを一時ファイルに書き出せません。");
    unlink(path.c_str());
    return fd;
}

void WriteAll(int fd, const std::string& text, std::uint64_t offset) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n =
            pwrite(fd, text.data() + done, text.size() - done, static_cast<off_t>(offset + done));
        if (n <= 0)
            throw Error("ログを一時ファイルに書き出せません。ディスクの空きを確かめてください。");
        done += static_cast<std::size_t>(n);
    }
}

}  // namespace

LogStore::LogStore(std::size_t memoryBudget) : memoryBudget_(memoryBudget) {}

LogStore::~LogStore() {
    if (file_ >= 0) close(file_);
}

void LogStore::ClearStepLog() {
    const std::lock_guard lock(mutex_);
    if (file_ >= 0 && ftruncate(file_, 0) != 0) {
        // The old text stays in the file but is never read again.
    }
    spilled_ = 0;
    tail_.clear();
    tail_.shrink_to_fit();
    lines_ = 0;
    index_.clear();
    ++generation_;
}

std::uint64_t LogStore::Generation() const {
    const std::lock_guard lock(mutex_);
    return generation_;
}

void LogStore::AppendStepLog(std::string_view line) {
    const std::lock_guard lock(mutex_);
    if (lines_ % kIndexStride == 0) index_.push_back(spilled_ + tail_.size());
    tail_ += line;
    tail_ += '\n';
    ++lines_;
    if (tail_.size() > memoryBudget_) Spill();
}

void LogStore::Spill() {
    if (file_ < 0) file_ = OpenUnlinkedFile();
    WriteAll(file_, tail_, spilled_);
    spilled_ += tail_.size();
    tail_.clear();
}

std::size_t LogStore::LineCount() const {
    const std::lock_guard lock(mutex_);
    return lines_;
}

std::uint64_t LogStore::ByteCount() const {
    const std::lock_guard lock(mutex_);
    return spilled_ + tail_.size();
}

std::size_t LogStore::ReadAt(std::uint64_t offset, char* buffer, std::size_t size) const {
    if (offset >= spilled_) {
        const std::size_t from = static_cast<std::size_t>(offset - spilled_);
        if (from >= tail_.size()) return 0;
        const std::size_t n = std::min(size, tail_.size() - from);
        std::copy_n(tail_.data() + from, n, buffer);
        return n;
    }
    const std::size_t n =
        static_cast<std::size_t>(std::min<std::uint64_t>(size, spilled_ - offset));
    const ssize_t got = pread(file_, buffer, n, static_cast<off_t>(offset));
    if (got <= 0) throw Error("ログの一時ファイルを読めません。");
    return static_cast<std::size_t>(got);
}

void LogStore::Scan(std::size_t first, const std::function<bool(std::string_view)>& each) const {
    if (first >= lines_) return;
    std::uint64_t offset = index_[first / kIndexStride];
    std::size_t skip = first % kIndexStride;
    std::string chunk(kReadChunk, '\0');
    std::string line;  // a line that runs over the end of a chunk
    const std::uint64_t end = spilled_ + tail_.size();
    while (offset < end) {
        const std::size_t n = ReadAt(offset, chunk.data(), chunk.size());
        offset += n;
        std::string_view rest(chunk.data(), n);
        for (std::size_t newline; (newline = rest.find('\n')) != std::string_view::npos;) {
            std::string_view piece = rest.substr(0, newline);
            rest.remove_prefix(newline + 1);
            if (skip > 0) {
                --skip;
                line.clear();
                continue;
            }
            if (!line.empty()) {
                line += piece;
                piece = line;
            }
            if (!each(piece)) return;
            line.clear();
        }
        if (skip == 0) {
            line += rest;
        }
    }
}

std::vector<std::string> LogStore::Lines(std::size_t first, std::size_t count,
                                         std::size_t maxBytes) const {
    const std::lock_guard lock(mutex_);
    std::vector<std::string> lines;
    if (count == 0) return lines;
    std::size_t bytes = 0;
    Scan(first, [&](std::string_view line) {
        lines.emplace_back(line);
        bytes += line.size() + 1;
        return lines.size() < count && bytes < maxBytes;
    });
    return lines;
}

std::size_t LogStore::LineAtOrAfter(std::uint64_t offset) const {
    const std::lock_guard lock(mutex_);
    // The last indexed line that starts at or before offset, then line by line.
    const auto after = std::upper_bound(index_.begin(), index_.end(), offset);
    if (after == index_.begin()) return 0;
    std::size_t line = static_cast<std::size_t>(after - index_.begin() - 1) * kIndexStride;
    std::uint64_t start = index_[line / kIndexStride];
    Scan(line, [&](std::string_view text) {
        if (start >= offset) return false;
        start += text.size() + 1;
        ++line;
        return true;
    });
    return line;
}

void LogStore::Replay(const std::function<void(std::string_view)>& each) const {
    const std::lock_guard lock(mutex_);
    Scan(0, [&](std::string_view line) {
        each(line);
        return true;
    });
}

}  // namespace korvane
