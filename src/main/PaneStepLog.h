#pragma once

#include <cstddef>
#include <cstdint>

#include "core/LogStore.h"

class QPlainTextEdit;

namespace korvane {

// Shows the log store in the pane memoutput, the blanks of matrix rows as
// no-break spaces so that the pane wraps sentences only (LogPane). New lines
// reach the pane in one update per call, a batch of about kBatchBytes, so
// the event loop stays free. However long the log, the pane holds at most
// its first kHeadBytes and, once a command ends, its last kTailBytes, with a
// line in between that says how many lines it leaves out; the store keeps
// them all.
class PaneStepLog {
  public:
    static constexpr std::size_t kHeadBytes = std::size_t{32} << 20;
    static constexpr std::size_t kHeadLines = 300000;
    static constexpr std::size_t kTailBytes = std::size_t{4} << 20;
    static constexpr std::size_t kTailLines = 100000;
    static constexpr std::size_t kBatchBytes = std::size_t{16} << 10;
    // A longer line is cut there in the pane, with a note of what was cut:
    // the pane lays out every character of a line it shows.
    static constexpr std::size_t kLineBytes = std::size_t{2} << 10;

    PaneStepLog(QPlainTextEdit& pane, const LogStore& store) : pane_(pane), store_(store) {}

    // Shows a batch of the lines the store got since, while the pane's first
    // part has room.
    void Flush();
    // After a command, one batch of its end: the first call names the lines
    // the pane leaves out; the last shows the end of the log and scrolls to
    // it, as a terminal does, and returns true.
    bool FinishStep();
    // All of FinishStep at once.
    void Finish();

  private:
    // Notes a store that was cleared since: the next update starts afresh.
    void FollowClear();
    // Lines from first on, at most count of them and about maxBytes.
    void AppendToPane(std::size_t first, std::size_t count, std::size_t maxBytes);

    QPlainTextEdit& pane_;
    const LogStore& store_;
    std::uint64_t generation_ = 0;  // of the store's text the pane shows
    std::size_t shownLines_ = 0;    // the pane shows the log up to this line
    std::size_t shownBytes_ = 0;
    bool paneStale_ = false;    // the store was cleared, the pane not yet
    bool tailStarted_ = false;  // FinishStep has placed its note, if any
    bool finished_ = false;     // the end is shown; new lines go below it
};

}  // namespace korvane
