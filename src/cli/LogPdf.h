#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/StepLog.h"
#include "core/formats/LogExport.h"

namespace korvane {

// The log as PDF, typeset by lualatex (luatexja) from the LaTeX export:
// the document is written into a temporary folder while the log is made,
// then typeset and put in place. Nothing of Qt is needed.
class LogPdf {
  public:
    // Starts the document in a fresh temporary folder under $TMPDIR (or
    // /tmp). Throws UsageError when lualatex is not installed or the folder
    // cannot be made.
    explicit LogPdf(const ExportOptions& options);
    // Removes the temporary folder.
    ~LogPdf();
    LogPdf(const LogPdf&) = delete;
    LogPdf& operator=(const LogPdf&) = delete;

    // Where the log's lines go, as they are made.
    StepLog& Log() { return log_; }

    // Ends the document, typesets it and replaces path with the PDF as one
    // step. Throws Error when lualatex fails or path cannot be written.
    void Write(const std::string& path);

  private:
    std::filesystem::path folder_;
    std::ofstream tex_;
    LogExport export_;
    ExportingStepLog log_;
};

// Ends the lualatex of a LogPdf in progress and removes its temporary folder,
// if there is one; for the handlers of SIGINT, SIGTERM and SIGHUP, which
// LogPdf holds off while it makes or removes the folder or starts or reaps
// lualatex. Async-signal-safe.
void EndPdfInProgress() noexcept;

// Whether an executable named program stands in a folder of PATH.
bool OnPath(const std::string& program);

}  // namespace korvane
