#include "main/NotePanel.h"

#include <QTimer>

namespace korvane {

namespace {

constexpr int kShownMs = 10000;

}  // namespace

NotePanel::NotePanel(const char* name, const QString& meaning)
    : StatusPanel(name, meaning), timer_(new QTimer(this)) {
    timer_->setSingleShot(true);
    timer_->setInterval(kShownMs);
    connect(timer_, &QTimer::timeout, this, [this] { Say({}); });
    // A long note is cut at the window's edge rather than widening the
    // window; the tool tip holds all of it.
    setMinimumWidth(1);
    hide();
}

void NotePanel::Say(const QString& note) {
    Show(note);
    setToolTip(note);
    setVisible(!note.isEmpty());
    if (note.isEmpty()) {
        timer_->stop();
    } else {
        timer_->start();
    }
}

}  // namespace korvane
