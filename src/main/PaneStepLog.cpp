#include "main/PaneStepLog.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QString>
#include <algorithm>
#include <string>
#include <vector>

namespace korvane {

namespace {

// Appends part of a line; the blanks of a matrix row "  ( 1 -2 1/2 )" as
// no-break spaces (UTF-8), so that the pane never wraps it.
void AppendShown(std::string& text, std::string_view part, bool matrixRow) {
    if (!matrixRow) {
        text += part;
        return;
    }
    for (const char c : part) {
        if (c == ' ') {
            text += "\xC2\xA0";
        } else {
            text += c;
        }
    }
}

// A batch's text for the pane: lines joined by '\n', each cut at kLineBytes
// (on a character boundary) with a note of how much was cut.
QString PaneText(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const bool matrixRow = line.starts_with("  ( ") && line.ends_with(')');
        if (i > 0) text += '\n';
        if (line.size() <= PaneStepLog::kLineBytes) {
            AppendShown(text, line, matrixRow);
            continue;
        }
        std::size_t cut = PaneStepLog::kLineBytes;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        AppendShown(text, line.substr(0, cut), matrixRow);
        text +=
            "……（この行の残り " + std::to_string(line.size() - cut) + " バイトは表示していません）";
    }
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void PaneStepLog::FollowClear() {
    const std::uint64_t generation = store_.Generation();
    if (generation == generation_) return;
    generation_ = generation;
    paneStale_ = true;
    shownLines_ = 0;
    shownBytes_ = 0;
    tailStarted_ = false;
    finished_ = false;
}

void PaneStepLog::AppendToPane(std::size_t first, std::size_t count, std::size_t maxBytes) {
    const std::vector<std::string> lines = store_.Lines(first, count, maxBytes);
    if (store_.Generation() != generation_) return;  // cleared meanwhile: the next call
    if (lines.empty()) {
        if (paneStale_) pane_.clear();
        paneStale_ = false;
        return;
    }
    for (const std::string& line : lines)
        shownBytes_ += line.size() + 1;
    if (paneStale_ || first == 0) {
        pane_.setPlainText(PaneText(lines));  // one update, the old text gone
        paneStale_ = false;
    } else {
        pane_.appendPlainText(PaneText(lines));
    }
    shownLines_ = first + lines.size();
}

void PaneStepLog::Flush() {
    FollowClear();
    const bool headFull = shownBytes_ >= kHeadBytes || shownLines_ >= kHeadLines;
    // After the end was shown, a few more lines may follow (a refusal added
    // below the last log).
    if (headFull && !(finished_ && shownBytes_ < kHeadBytes + kTailBytes)) return;
    const std::size_t total = store_.LineCount();
    AppendToPane(shownLines_, total - std::min(total, shownLines_), kBatchBytes);
}

bool PaneStepLog::FinishStep() {
    FollowClear();
    const std::size_t total = store_.LineCount();
    if (!tailStarted_ && !finished_) {
        tailStarted_ = true;
        // The last lines that fit the tail's budget, the last one at least.
        const std::uint64_t bytes = store_.ByteCount();
        std::size_t tail = store_.LineAtOrAfter(bytes > kTailBytes ? bytes - kTailBytes : 0);
        if (tail + kTailLines < total) tail = total - kTailLines;
        if (total > 0 && tail >= total) tail = total - 1;
        if (tail > shownLines_) {
            const QString note = QStringLiteral("……（この欄には途中の %1 行を表示していません）……")
                                     .arg(tail - shownLines_);
            if (paneStale_) {
                pane_.setPlainText(note);
                paneStale_ = false;
            } else {
                pane_.appendPlainText(note);
            }
            shownLines_ = tail;
        }
        return false;
    }
    if (shownLines_ < total || paneStale_) {
        AppendToPane(shownLines_, total - std::min(total, shownLines_), kBatchBytes);
        if (shownLines_ < total) return false;
    }
    finished_ = true;
    pane_.verticalScrollBar()->setValue(pane_.verticalScrollBar()->maximum());
    return true;
}

void PaneStepLog::Finish() {
    while (!FinishStep()) {
    }
}

}  // namespace korvane
