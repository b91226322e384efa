#include "cli/LogPdf.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "cli/CliArguments.h"
#include "core/editing/FileAccess.h"

extern char** environ;

namespace korvane {

namespace {

std::filesystem::path MakeFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/korvane-pdf-XXXXXX";
    if (!mkdtemp(pattern.data())) throw UsageError("cannot make a temporary folder for --pdf");
    return pattern;
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
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, "lualatex", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return false;
    int status = 0;
    while (waitpid(pid, &status, 0) == -1) {
        if (errno != EINTR) return false;
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
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void LogPdf::Write(const std::string& path) {
    export_.Finish();
    tex_.close();
    if (!tex_ || !Typeset(folder_)) throw Error("lualatex could not typeset the log as PDF");
    std::ifstream pdf(folder_ / "log.pdf", std::ios::binary);
    std::ostringstream bytes;
    bytes << pdf.rdbuf();
    ReplaceFileAtomically(path, bytes.str());
}

}  // namespace korvane
