#pragma once

#include <signal.h>

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "mklibs/Errors.h"

namespace korvane {

// What ReadRegularFile found: the first bytes of the file, and whether the
// file went on beyond them.
struct FileHead {
    std::string bytes;
    bool truncated = false;
};

// Reads at most maxBytes from the regular file at path (symbolic links
// followed). Nothing when path names no readable regular file: a missing
// path, a folder, a pipe or a device (never waited on); then *error, if
// given, is why: the operating system's error number, EISDIR for a folder,
// 0 for anything else that is no regular file. Never throws.
std::optional<FileHead> ReadRegularFile(const std::string& path, std::size_t maxBytes,
                                        int* error = nullptr);

// Whether something (a file, a folder, a pipe) stands at path; a symbolic
// link counts by what it points to.
bool PathExists(const std::string& path);

// A file that could not be written: what() is "<path> に書き込めません", and
// Reason() the operating system's error number, or 0 when something other
// than a regular file or a folder stands at the path.
class FileWriteError : public Error {
  public:
    FileWriteError(const std::string& path, int reason)
        : Error(path + " に書き込めません"), path_(path), reason_(reason) {}
    const std::string& Path() const { return path_; }
    int Reason() const { return reason_; }

  private:
    std::string path_;
    int reason_;
};

// Whether writing at path a and at path b would write the same file: both
// name one existing file, or the same place once symbolic links (dangling
// ones too), "." and ".." are resolved.
bool SameWriteTarget(const std::string& a, const std::string& b);

// Replaces the file at path with content as one step: the content goes to a
// new file in the same folder (".korvane-XXXXXXXX.tmp", removed again when
// anything fails), is flushed to disk and renamed over path, so
// path holds either its old or its whole new content, never a part. A
// symbolic link at path is followed and kept, also when its target does not
// exist yet (then the target is created, as editors do); an existing file
// keeps its permissions. Throws FileWriteError and leaves path as it was
// when it cannot write, or when something other than a regular file stands
// there.
void ReplaceFileAtomically(const std::string& path, std::string_view content);

// The same for content of any size, written by write into the temporary as
// it is made (through a small buffer), so that nothing holds it whole. An
// error that write throws leaves path as it was and passes on; a failed
// write into the stream gives the FileWriteError.
void ReplaceFileAtomically(const std::string& path,
                           const std::function<void(std::ostream&)>& write);

// Holds off SIGINT, SIGTERM and SIGHUP while it lives: their handlers clean
// up what is in progress, so a record of it and the files it names change
// together under it.
class SignalsHeld {
  public:
    SignalsHeld();
    ~SignalsHeld();
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

  private:
    sigset_t before_;
};

// Removes the temporary file of a ReplaceFileAtomically in progress, if
// there is one; for the handlers of SIGINT, SIGTERM and SIGHUP, which
// ReplaceFileAtomically holds off while it creates, renames or removes the
// temporary. Async-signal-safe.
void RemoveTemporaryInProgress() noexcept;

}  // namespace korvane
