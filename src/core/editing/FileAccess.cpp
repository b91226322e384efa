#include "core/editing/FileAccess.h"

#include <fcntl.h>
#include <limits.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <random>
#include <streambuf>
#include <utility>

#include "mklibs/Errors.h"

namespace korvane {

namespace {

// A file descriptor that closes itself.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return fd_; }
    bool Ok() const { return fd_ >= 0; }
    // Closes now and reports whether the close succeeded (it may report a
    // failed delayed write).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return close(fd) == 0;
    }

  private:
    int fd_;
};

bool ReadAll(int fd, std::string& out, std::size_t maxBytes) {
    constexpr std::size_t kChunk = 64 * 1024;
    while (out.size() < maxBytes) {
        const std::size_t want = std::min(kChunk, maxBytes - out.size());
        const std::size_t had = out.size();
        out.resize(had + want);
        const ssize_t got = read(fd, out.data() + had, want);
        if (got < 0 && errno == EINTR) {
            out.resize(had);
            continue;
        }
        if (got < 0) return false;
        out.resize(had + static_cast<std::size_t>(got));
        if (got == 0) break;
    }
    return true;
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Passes a stream's bytes on to a file descriptor through a buffer; a
// failed write shows as the stream's badbit, its reason in Error().
class DescriptorBuffer : public std::streambuf {
  public:
    explicit DescriptorBuffer(int fd) : fd_(fd) { setp(buffer_, buffer_ + sizeof buffer_); }
    DescriptorBuffer(const DescriptorBuffer&) = delete;
    DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

    int Error() const { return error_; }

  protected:
    int_type overflow(int_type ch) override {
        if (sync() != 0) return traits_type::eof();
        if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
        *pptr() = traits_type::to_char_type(ch);
        pbump(1);
        return ch;
    }
    int sync() override {
        const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        setp(buffer_, buffer_ + sizeof buffer_);
        if (WriteAll(fd_, pending)) return 0;
        error_ = errno;
        return -1;
    }

  private:
    int fd_;
    int error_ = 0;
    char buffer_[64 * 1024];
};

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Where the symbolic link at path points, taken from the link's folder when
// relative; empty when it cannot be read.
std::string LinkTarget(const std::string& path) {
    std::string target(PATH_MAX, '\0');
    const ssize_t length = readlink(path.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) == target.size()) return {};
    target.resize(static_cast<std::size_t>(length));
    return target.starts_with('/') ? target : FolderOf(path) + "/" + target;
}

// The path a write should replace: a symbolic link is followed to its file,
// and a dangling one to the file it names, so that the write creates that
// file and keeps the link. Empty, with errno set, when the links do not end.
std::string WriteTarget(const std::string& path) {
    std::string target = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat link {};
        if (lstat(target.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return target;
        if (char* resolved = realpath(target.c_str(), nullptr)) {
            std::string result(resolved);
            std::free(resolved);
            return result;
        }
        if (errno != ENOENT) return {};
        target = LinkTarget(target);
        if (target.empty()) return {};
    }
    errno = ELOOP;
    return {};
}

// The temporary a save is writing, for RemoveTemporaryInProgress: a fixed
// buffer, since a signal handler may read it at any moment.
char gTemporary[PATH_MAX + 1];
volatile std::sig_atomic_t gTemporaryInProgress = 0;

// A temporary being written: its path and descriptor, or why it could not
// be made.
struct Temporary {
    std::string path;
    int fd = -1;
    int error = 0;
};

// Creates a new, empty file beside target and records it as the temporary
// in progress; its mode follows the umask like any file the program creates.
// The name is short and fixed in form, so that any target name that fits in
// its folder leaves room for it.
Temporary CreateTempBeside(const std::string& target) {
    constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        std::string name = FolderOf(target) + "/.korvane-";
        for (int k = 0; k < 8; ++k)
            name += kLetters[random() % (sizeof kLetters - 1)];
        name += ".tmp";
        if (name.size() > PATH_MAX) return {{}, -1, ENAMETOOLONG};
        const SignalsHeld held;
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            std::memcpy(gTemporary, name.c_str(), name.size() + 1);
            gTemporaryInProgress = 1;
            return {name, fd, 0};
        }
        error = errno;
    }
    return {{}, -1, error};
}

// Puts the temporary in place of target, or removes it; either way it is no
// longer in progress. Returns the reason the rename failed, or 0.
int EndTemporary(const std::string& tempPath, const std::string& target, bool written) {
    const SignalsHeld held;
    const int failed = !written || rename(tempPath.c_str(), target.c_str()) == 0 ? 0 : errno;
    if (!written || failed != 0) unlink(tempPath.c_str());
    gTemporaryInProgress = 0;
    return failed;
}

// The replacement keeps the permissions of the file it replaces, and its
// owner where the program may set it.
bool TakeOverOwnership(int fd, const struct stat& existing) {
    // Only a privileged process may give a file away; for the others the
    // failure is expected and the file stays their own.
    [[maybe_unused]] const bool ownerKept = fchown(fd, existing.st_uid, existing.st_gid) == 0;
    return fchmod(fd, existing.st_mode & 07777) == 0;
}

void SyncFolder(const std::string& folder) {
    FileDescriptor dir(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Ok()) fsync(dir.Get());  // best effort: the rename itself is done
}

}  // namespace

std::optional<FileHead> ReadRegularFile(const std::string& path, std::size_t maxBytes, int* error) {
    int ignored = 0;
    int& why = error ? *error : ignored;
    try {
        // O_NONBLOCK keeps a pipe without a writer from blocking the open.
        FileDescriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat info {};
        if (!fd.Ok() || fstat(fd.Get(), &info) != 0) {
            why = errno;
            return {};
        }
        if (!S_ISREG(info.st_mode)) {
            why = S_ISDIR(info.st_mode) ? EISDIR : 0;
            return {};
        }
        FileHead head;
        if (!ReadAll(fd.Get(), head.bytes, maxBytes)) {
            why = errno;
            return {};
        }
        if (head.bytes.size() == maxBytes) {
            std::string more;
            head.truncated = ReadAll(fd.Get(), more, 1) && !more.empty();
        }
        return head;
    } catch (const std::bad_alloc&) {
        why = ENOMEM;
        return {};
    }
}

bool PathExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

bool SameWriteTarget(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    const std::string targetA = WriteTarget(a), targetB = WriteTarget(b);
    if (targetA.empty() || targetB.empty()) return a == b;
    std::error_code ignored;
    if (fs::equivalent(targetA, targetB, ignored)) return true;
    // Where a path leads, or nothing when that cannot be told.
    const auto place = [](const std::string& target) -> std::optional<fs::path> {
        std::error_code error;
        const fs::path absolute = fs::absolute(target, error);
        if (error) return std::nullopt;
        fs::path resolved = fs::weakly_canonical(absolute, error);
        if (error) return std::nullopt;
        return resolved;
    };
    const std::optional<fs::path> placeA = place(targetA);
    return placeA && placeA == place(targetB);
}

SignalsHeld::SignalsHeld() {
    sigset_t held;
    sigemptyset(&held);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&held, signal);
    pthread_sigmask(SIG_BLOCK, &held, &before_);
}

SignalsHeld::~SignalsHeld() {
    pthread_sigmask(SIG_SETMASK, &before_, nullptr);
}

void ReplaceFileAtomically(const std::string& path, std::string_view content) {
    ReplaceFileAtomically(path, [content](std::ostream& out) { out << content; });
}

void ReplaceFileAtomically(const std::string& path,
                           const std::function<void(std::ostream&)>& write) {
    const std::string target = WriteTarget(path);
    if (target.empty()) throw FileWriteError(path, errno);
    struct stat existing {};
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        throw FileWriteError(path, S_ISDIR(existing.st_mode) ? EISDIR : 0);
    // A read-only file stays protected although the rename would replace it.
    if (exists && access(target.c_str(), W_OK) != 0) throw FileWriteError(path, errno);

    const Temporary made = CreateTempBeside(target);
    if (made.fd < 0) throw FileWriteError(path, made.error);
    const std::string& tempPath = made.path;
    FileDescriptor temp(made.fd);
    int failed = 0;
    try {
        DescriptorBuffer buffer(temp.Get());
        std::ostream out(&buffer);
        write(out);
        if (!out.flush()) failed = buffer.Error() != 0 ? buffer.Error() : EIO;
    } catch (...) {
        temp.Close();
        EndTemporary(tempPath, target, false);
        throw;
    }
    if (failed == 0 && exists && !TakeOverOwnership(temp.Get(), existing)) failed = errno;
    if (failed == 0 && fsync(temp.Get()) != 0) failed = errno;
    if (!temp.Close() && failed == 0) failed = errno;
    const int renameFailed = EndTemporary(tempPath, target, failed == 0);
    if (failed != 0 || renameFailed != 0)
        throw FileWriteError(path, failed ? failed : renameFailed);
    SyncFolder(FolderOf(target));
}

void RemoveTemporaryInProgress() noexcept {
    if (gTemporaryInProgress) unlink(gTemporary);
}

}  // namespace korvane
