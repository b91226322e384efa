#pragma once

#include <string>

#include "core/StepLog.h"

class QPlainTextEdit;

namespace korvane {

// The StepLog of the pane memoutput. A command's lines are gathered and
// handed to the pane in one update by Flush, so a long log appears at once.
class PaneStepLog : public StepLog {
  public:
    explicit PaneStepLog(QPlainTextEdit& pane) : pane_(pane) {}

    void ClearStepLog() override;
    void AppendStepLog(std::string_view line) override;

    // Shows what was logged since the last Flush: the whole text when the
    // log was cleared, else the new lines below what the pane holds; the
    // pane then shows its last line.
    void Flush();

  private:
    QPlainTextEdit& pane_;
    std::string pending_;  // lines joined by '\n'
    bool hasLines_ = false;
    bool cleared_ = false;
};

}  // namespace korvane
