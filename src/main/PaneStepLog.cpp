#include "main/PaneStepLog.h"

#include <QPlainTextEdit>

namespace korvane {

void PaneStepLog::ClearStepLog() {
    pending_.clear();
    hasLines_ = false;
    cleared_ = true;
}

void PaneStepLog::AppendStepLog(std::string_view line) {
    if (hasLines_) {
        pending_ += '\n';
    }
    pending_ += line;
    hasLines_ = true;
}

void PaneStepLog::Flush() {
    const QString text =
        QString::fromUtf8(pending_.data(), static_cast<qsizetype>(pending_.size()));
    if (cleared_) {
        pane_.setPlainText(text);
    } else if (hasLines_) {
        pane_.appendPlainText(text);
    }
    pending_.clear();
    hasLines_ = false;
    cleared_ = false;
}

}  // namespace korvane
