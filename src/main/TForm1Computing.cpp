// Commands that compute run off the event-loop thread: the window keeps
// painting, shows the log as it grows and the row operation reached, and
// can stop the work; the grid and the History change only once it ends.
#include <QAction>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <chrono>

#include "main/CellGridView.h"
#include "main/LogPane.h"
#include "main/QtDialogs.h"
#include "main/StatusPanel.h"
#include "main/StepSpinBox.h"
#include "main/TForm1.h"

namespace korvane {

namespace {

// Most commands end within this wait: they finish as if run in place, and
// the window never shows them running.
constexpr std::chrono::milliseconds kQuickCommand{40};
// How often a running computation's log and progress reach the window.
constexpr int kPollMs = 50;
// A computation running longer than this is shown in the status bar.
constexpr int kShowRunningAfterMs = 300;

// What stays usable during a computation: it cannot touch the grid or the
// History.
bool UsableWhileComputing(const QAction* action) {
    static const QStringList names = {"Exit1", "C2", "H2", "About1", "Stop1"};
    return names.contains(action->objectName());
}

}  // namespace

void TForm1::Compute(BackgroundComputation::Work work, AugmentedShape augmented) {
    if (Computing()) return;  // one at a time; the commands are disabled meanwhile
    sgmatrix_->CommitEdit();  // a cell being typed into counts, as in a spreadsheet
    pendingShape_ = augmented;
    generationBefore_ = logStore_.Generation();
    computation_ = std::make_unique<BackgroundComputation>(grid_, logStore_, std::move(work));
    if (computation_->WaitFor(kQuickCommand)) {
        TakeOutcome();
        Refresh();  // the whole log at once: it is short
        EndComputation();
        return;
    }
    if (pollTimer_ == nullptr) {
        pollTimer_ = new QTimer(this);
        connect(pollTimer_, &QTimer::timeout, this, &TForm1::PollComputation);
    }
    computingFor_.start();
    ShowComputing(true);
    pollTimer_->start(kPollMs);
}

void TForm1::PollComputation() {
    if (computation_ && computation_->Done()) {
        TakeOutcome();
        finishingLog_ = true;  // the end of the log, batch by batch
        Refresh();
        pollTimer_->setInterval(0);
    }
    if (finishingLog_) {
        if (log_->FinishStep()) EndComputation();
        return;
    }
    // The work's new log shows with its own augmented shape.
    if (logStore_.Generation() != generationBefore_) memoutput_->SetAugmented(pendingShape_);
    log_->Flush();  // one update for a batch of the lines logged since
    if (computingFor_.elapsed() >= kShowRunningAfterMs) {
        statusPanel2_->Show(QStringLiteral("計算中です（行基本変形 %1 回目）。Esc で中止できます。")
                                .arg(computation_->Steps()));
        statusPanel2_->show();
        stopButton_->show();
    }
}

void TForm1::TakeOutcome() {
    BackgroundComputation::Outcome outcome = computation_->Take();
    computation_.reset();
    const bool newLog = logStore_.Generation() != generationBefore_;
    if (newLog) logShape_ = pendingShape_;
    memoutput_->SetAugmented(logShape_);
    if (outcome.stopped) logStore_.AppendStepLog("計算を中止しました。");
    if (outcome.changed) {
        grid_ = std::move(outcome.grid);
        Record(true);
    }
    // The grid shows the bar while it is the augmented matrix the new log
    // works on (solve, the practice towards the inverse), not its result.
    if (newLog) gridShape_ = grid_.Cols() == logShape_.totalCols ? logShape_ : AugmentedShape{};
    outcomeError_ = QString::fromStdString(outcome.error);
}

void TForm1::EndComputation() {
    if (pollTimer_ != nullptr) pollTimer_->stop();
    finishingLog_ = false;
    ShowComputing(false);
    if (!outcomeError_.isEmpty()) QtDialogs::ShowError(this, outcomeError_);
    outcomeError_.clear();
    emit computationFinished();
}

void TForm1::Stop1Click() {
    if (computation_) computation_->RequestStop();
}

void TForm1::ShowComputing(bool computing) {
    for (QAction* action : actions()) {
        if (action->objectName() == QLatin1String("Stop1")) {
            action->setVisible(computing);
        } else if (!UsableWhileComputing(action)) {
            action->setEnabled(!computing);
        }
    }
    seRows_->setEnabled(!computing);
    seCols_->setEnabled(!computing);
    sgmatrix_->SetEditingAllowed(!computing);
    if (!computing) {
        statusPanel2_->hide();
        stopButton_->hide();
    }
    LockForPractice();  // what the practice mode keeps disabled stays so
}

}  // namespace korvane
