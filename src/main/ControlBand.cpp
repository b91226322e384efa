#include "main/ControlBand.h"

#include <QMouseEvent>

namespace korvane {

ControlBand::ControlBand(QWidget* parent) : QMainWindow(parent, Qt::Widget) {
    setObjectName(QStringLiteral("ControlBar1"));
    setMinimumHeight(kMinimumHeight);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setContextMenuPolicy(Qt::NoContextMenu);
    setDockOptions(QMainWindow::AnimatedDocks);
}

void ControlBand::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
    }
    event->accept();
}

}  // namespace korvane
