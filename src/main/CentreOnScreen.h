#pragma once

#include <QRect>
#include <QScreen>
#include <QWidget>

namespace korvane {

// Moves window so that its frame stands in the middle of its screen's
// available area. Shared by all three windows; header-only so the title and
// toolset libraries need no link to the main window's.
inline void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace korvane
