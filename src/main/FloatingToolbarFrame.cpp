#include "main/FloatingToolbarFrame.h"

#include <QEvent>
#include <QToolBar>

namespace korvane {

namespace {

constexpr Qt::WindowFlags kFramedFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Floating as Qt leaves it after a drop: a frameless tool window. While it
// is being dragged it also bypasses the window manager.
bool FloatsFrameless(const QToolBar& toolbar) {
    const Qt::WindowFlags flags = toolbar.windowFlags();
    return toolbar.isWindow() && (flags & Qt::FramelessWindowHint) &&
           !(flags & Qt::X11BypassWindowManagerHint);
}

}  // namespace

void FloatingToolbarFrame::Give(QToolBar* toolbar) {
    toolbar->installEventFilter(new FloatingToolbarFrame(toolbar));
}

FloatingToolbarFrame::FloatingToolbarFrame(QToolBar* toolbar)
    : QObject(toolbar), toolbar_(toolbar) {}

bool FloatingToolbarFrame::eventFilter(QObject* watched, QEvent* event) {
    // Qt shows the toolbar as a window after it has set its own flags; the
    // frame replaces them once that is over.
    if (watched == toolbar_ && event->type() == QEvent::Show && FloatsFrameless(*toolbar_))
        QMetaObject::invokeMethod(this, &FloatingToolbarFrame::Frame, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void FloatingToolbarFrame::Frame() {
    if (!FloatsFrameless(*toolbar_) || toolbar_->isHidden()) return;
    const QRect place = toolbar_->geometry();
    toolbar_->setWindowFlags(kFramedFlags);  // hides the window
    toolbar_->setGeometry(place);
    toolbar_->show();
}

}  // namespace korvane
