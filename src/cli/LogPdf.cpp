#include "cli/LogPdf.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <vector>

#include "cli/CliArguments.h"
#include "core/editing/FileAccess.h"

extern char** environ;

namespace korvane {

namespace {

// The temporary folder and the lualatex of a --pdf in progress, for
// EndPdfInProgress: fixed buffers, since a signal handler may read them at
// any moment.
char gFolder[PATH_MAX + 1];
volatile std::sig_atomic_t gFolderInProgress = 0;
volatile std::sig_atomic_t gTypesetter = 0;  // its process id, or 0

std::filesystem::path MakeFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/korvane-pdf-XXXXXX";
    const SignalsHeld held;
    const bool made = pattern.size() <= PATH_MAX && mkdtemp(pattern.data()) != nullptr;
    if (!made) {
        const int error = pattern.size() <= PATH_MAX ? errno : ENAMETOOLONG;
        throw UsageError("cannot make a temporary folder for --pdf in '" +
                         pattern.substr(0, pattern.rfind('/')) + "'" + ReasonText(error));
    }
    std::memcpy(gFolder, pattern.c_str(), pattern.size() + 1);
    gFolderInProgress = 1;
    return pattern;
}

// Removes folder and the files in it (lualatex makes no folders there) with
// async-signal-safe calls only: the names come straight from the kernel.
void RemoveFolderOfFiles(const char* folder) noexcept {
    const int dir = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;
    alignas(dirent64) char entries[4096];
    for (ssize_t got; (got = getdents64(dir, entries, sizeof entries)) > 0;) {
        for (ssize_t at = 0; at < got;) {
            const auto* entry = reinterpret_cast<const dirent64*>(entries + at);
            const char* name = entry->d_name;
            const bool dots =
                name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
            if (!dots) unlinkat(dir, name, 0);
            at += entry->d_reclen;
        }
    }
    close(dir);
    rmdir(folder);
}

std::filesystem::path CheckedFolder() {
    if (!OnPath("lualatex"))
        throw UsageError(
            "--pdf needs lualatex (Debian: texlive-luatex, texlive-lang-japanese, "
            "texlive-latex-recommended); --log-format latex writes the document to typeset "
            "elsewhere");
    return MakeFolder();
}

// Runs lualatex on log.tex in folder, its chatter into lualatex.out there;
// whether it made log.pdf.
bool Typeset(const std::filesystem::path& folder) {
    const std::string output = "-output-directory=" + folder.string();
    const std::string tex = (folder / "log.tex").string();
    const std::string chatter = (folder / "lualatex.out").string();
    std::vector<std::string> args{
        "lualatex", "-interaction=nonstopmode", "-halt-on-error", "-no-shell-escape", output, tex};
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, chatter.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    // lualatex leads a process group of its own, so that ending the group
    // ends whatever it starts too; it starts with the signals not held.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t mask;
    pthread_sigmask(SIG_SETMASK, nullptr, &mask);
    posix_spawnattr_setsigmask(&attributes, &mask);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK);
    pid_t pid = 0;
    int spawned = 0;
    {
        const SignalsHeld held;
        spawned = posix_spawnp(&pid, "lualatex", &actions, &attributes, argv.data(), environ);
        if (spawned == 0) gTypesetter = pid;
    }
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return false;
    // Waits without reaping, so that a signal handler ending lualatex meanwhile
    // never meets its process id reused.
    siginfo_t ended{};
    while (waitid(P_PID, static_cast<id_t>(pid), &ended, WEXITED | WNOWAIT) == -1 &&
           errno == EINTR) {
    }
    int status = 0;
    {
        const SignalsHeld held;
        waitpid(pid, &status, 0);
        gTypesetter = 0;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
           std::filesystem::exists(folder / "log.pdf");
}

}  // namespace

bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0) return true;
    }
    return false;
}

LogPdf::LogPdf(const ExportOptions& options)
    : folder_(CheckedFolder()),
      tex_(folder_ / "log.tex", std::ios::binary),
      export_(LogFormat::kLatex, options, tex_),
      log_(export_) {}

LogPdf::~LogPdf() {
    const SignalsHeld held;
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
    gFolderInProgress = 0;
}

void LogPdf::Write(const std::string& path) {
    export_.Finish();
    tex_.close();
    if (!tex_) throw Error("cannot write the log for --pdf into '" + folder_.string() + "'");
    if (!Typeset(folder_)) throw Error("lualatex could not typeset the log as PDF");
    std::ifstream pdf(folder_ / "log.pdf", std::ios::binary);
    std::ostringstream bytes;
    bytes << pdf.rdbuf();
    ReplaceFileAtomically(path, bytes.str());
}

void EndPdfInProgress() noexcept {
    const pid_t typesetter = gTypesetter;
    if (typesetter > 0) {
        kill(-typesetter, SIGKILL);
        while (waitpid(typesetter, nullptr, 0) == -1 && errno == EINTR) {
        }
    }
    if (gFolderInProgress) RemoveFolderOfFiles(gFolder);
}

}  // namespace korvane
