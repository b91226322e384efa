#include "main/PaneStepLog.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

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
    if (cleared_ || hasLines_) {
        // The result stands at the end: show it, as a terminal does, from
        // the start of its line.
        pane_.moveCursor(QTextCursor::End);
        pane_.moveCursor(QTextCursor::StartOfLine);
        pane_.verticalScrollBar()->setValue(pane_.verticalScrollBar()->maximum());
    }
    pending_.clear();
    hasLines_ = false;
    cleared_ = false;
}

}  // namespace korvane
