#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/CliRunner.h"
#include "cli/LogPdf.h"
#include "cli/PracticeRunner.h"
#include "core/editing/FileAccess.h"

namespace {

// A standard stream the caller closed is opened on /dev/null, so that no
// file the program opens takes its number: a closed standard output, opened
// for reading only, still fails every write, and that failure is reported.
void KeepStandardStreamsTaken() {
    const int modes[] = {O_RDONLY, O_RDONLY, O_WRONLY};
    for (int fd = 0; fd < 3; ++fd) {
        if (fcntl(fd, F_GETFD) == -1) {
            const int opened = open("/dev/null", modes[fd]);
            if (opened != fd && opened >= 0) close(opened);
        }
    }
}

// Ctrl-C, a kill or a lost terminal ends the program as that signal does,
// after ending a --pdf's lualatex with its temporary folder and removing the
// temporary file of an output being written; the output file itself is
// either as it was or completely written.
void EndBySignal(int signal) {
    korvane::EndPdfInProgress();
    korvane::RemoveTemporaryInProgress();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void InstallSignalHandlers() {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction action {};
        // A signal the caller ignores (a background job's Ctrl-C) stays ignored.
        if (sigaction(signal, nullptr, &action) == 0 && action.sa_handler == SIG_IGN) continue;
        action.sa_handler = EndBySignal;
        // One cleanup at a time: the other two wait while it runs.
        sigemptyset(&action.sa_mask);
        for (const int other : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&action.sa_mask, other);
        sigaction(signal, &action, nullptr);
    }
    // Beyond the file size limit a write fails and is reported like any other
    // failed write, rather than ending the program with a temporary left.
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace

int main(int argc, char** argv) {
    KeepStandardStreamsTaken();
    InstallSignalHandlers();
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (!args.empty() && args.front() == "practice")
        return korvane::RunPractice(std::span(args).subspan(1), std::cin, std::cout, std::cerr);
    return korvane::RunCli(args, std::cin, std::cout, std::cerr);
}
