#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/CliArguments.h"
#include "cli/LogPdf.h"
#include "cli/StreamStepLog.h"
#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/LogStyle.h"
#include "core/formats/LogExport.h"

namespace korvane {

// The engine's wording for the options: --notation, --addition-wording.
LogStyle LogStyleFor(const CliOptions& options);
// How the marked-up forms set the log of the command on this grid: the
// notation unless --no-notation, the inverse's bar, a title naming it.
ExportOptions ExportOptionsFor(const CliOptions& options, const CellGrid& grid);

// Where korvane-cli's log goes while a command runs: standard output in the
// chosen form (nothing, when --format prints the result matrix instead),
// and the document lualatex typesets for --pdf. Standard output goes
// through a StreamStepLog: buffered, every write checked.
class CliLog : public StepLog {
  public:
    // Throws UsageError when --pdf cannot be honoured (no lualatex).
    CliLog(const CliOptions& options, const CellGrid& grid, std::ostream& out);
    ~CliLog() override;

    // Nothing: what is printed cannot be taken back, and every computation
    // clears the log before its first line.
    void ClearStepLog() override {}
    // Throws OutputError when standard output cannot take the line.
    void AppendStepLog(std::string_view line) override;
    // The line appended last (a refusal, when a command refuses).
    const std::string& LastLine() const { return lastLine_; }

    // Ends the log's form on standard output and flushes it. Throws
    // OutputError.
    void Finish();
    // For --format, the result matrix on standard output. Throws OutputError.
    void PrintMatrix(const CellGrid& grid);
    // For --pdf, typesets the log and writes the file. Throws Error.
    void WritePdf();

  private:
    // Hands what the marked-up form wrote so far on to standard output.
    void PassOn();

    StreamStepLog out_;
    std::optional<CopyFormat> matrixFormat_;
    std::optional<std::string> pdfPath_;
    bool plain_;                          // the text form: lines as they are
    std::ostringstream marked_;           // a marked-up form's latest output
    std::unique_ptr<LogExport> printed_;  // the marked-up form, if any
    std::unique_ptr<LogPdf> pdf_;
    std::string lastLine_;
};

}  // namespace korvane
