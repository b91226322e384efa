#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// What ReadRegularFile found: the first bytes of the file, and whether the
// file went on beyond them.
struct FileHead {
    std::string bytes;
    bool truncated = false;
};

// Reads at most maxBytes from the regular file at path (symbolic links
// followed). Nothing when path names no readable regular file: a missing
// path, a folder, a pipe or a device (never waited on). Never throws.
std::optional<FileHead> ReadRegularFile(const std::string& path, std::size_t maxBytes);

// Whether something (a file, a folder, a pipe) stands at path; a symbolic
// link counts by what it points to.
bool PathExists(const std::string& path);

// Replaces the file at path with content as one step: the content goes to a
// new file in the same folder (".korvane-XXXXXXXX.tmp", removed again when
// anything fails), is flushed to disk and renamed over path, so
// path holds either its old or its whole new content, never a part. A
// symbolic link at path is followed; an existing file keeps its permissions.
// Throws Error("<path> に書き込めません") and leaves path as it was when it
// cannot write, or when something other than a regular file stands there.
void ReplaceFileAtomically(const std::string& path, std::string_view content);

// The same for content of any size, written by write into the temporary as
// it is made (through a small buffer), so that nothing holds it whole. An
// error that write throws leaves path as it was and passes on; a failed
// write into the stream gives the "に書き込めません" error.
void ReplaceFileAtomically(const std::string& path,
                           const std::function<void(std::ostream&)>& write);

// Removes the temporary file of a ReplaceFileAtomically in progress, if
// there is one; for the handlers of SIGINT, SIGTERM and SIGHUP, which
// ReplaceFileAtomically holds off while it creates, renames or removes the
// temporary. Async-signal-safe.
void RemoveTemporaryInProgress() noexcept;

}  // namespace korvane
