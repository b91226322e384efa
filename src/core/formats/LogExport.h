#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "core/StepLog.h"
#include "core/formats/LogReading.h"

namespace korvane {

class LogWriter;

// The forms a step log is saved in.
enum class LogFormat {
    kText,           // exactly the pane's lines, UTF-8
    kMarkdown,       // sentences as paragraphs, matrices as $$ display math $$
    kLatex,          // a whole document for lualatex (luatexja)
    kLatexFragment,  // the same body, to \input into a document of one's own
    kHtml,           // one page with MathML, no scripts, nothing fetched
};

struct ExportOptions {
    // Each matrix that a row operation reached is preceded by an arrow with
    // the operation in textbook notation over it (the plain text keeps the
    // pane's lines as they are either way).
    bool notation = true;
    // Where the bar of an augmented matrix goes: AugmentedShape{n, 2n} for
    // the log of an n × n inverse.
    AugmentedShape augmented;
    // The page title of the HTML form.
    std::string title = "Korvane の途中の計算";
};

// Writes a log in one form to out while its lines arrive, so that a log of
// any length goes through holding one matrix at most. The opening is
// written at construction, the ending by Finish. Write errors are left in
// out's state for the caller to check.
class LogExport {
  public:
    LogExport(LogFormat format, const ExportOptions& options, std::ostream& out);
    ~LogExport();
    LogExport(const LogExport&) = delete;
    LogExport& operator=(const LogExport&) = delete;

    void Line(std::string_view line);
    // Writes what is still open and the ending; later calls do nothing.
    void Finish();

  private:
    std::ostream& out_;
    bool plain_;
    bool finished_ = false;
    std::unique_ptr<LogWriter> writer_;
    std::unique_ptr<LogReading> reading_;
};

// A StepLog that hands every line to an export as it is logged, for a front
// end that streams its log. Clearing does nothing: what is written stays.
class ExportingStepLog : public StepLog {
  public:
    explicit ExportingStepLog(LogExport& log) : export_(log) {}
    void ClearStepLog() override {}
    void AppendStepLog(std::string_view line) override { export_.Line(line); }

  private:
    LogExport& export_;
};

}  // namespace korvane
