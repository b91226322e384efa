#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionToolBar>
#include <QToolBar>

namespace korvane::testing {

// Drags a docked toolbar by its handle out of the main window, as a user
// does to make it float in a window of its own.
inline void FloatToolbar(QToolBar* toolbar) {
    QStyleOptionToolBar option;
    option.initFrom(toolbar);
    option.features = QStyleOptionToolBar::Movable;
    option.toolBarArea = Qt::TopToolBarArea;
    option.state |= QStyle::State_Horizontal;
    const QPoint handle =
        toolbar->style()->subElementRect(QStyle::SE_ToolBarHandle, &option, toolbar).center();

    auto send = [toolbar](QEvent::Type type, QPoint local, Qt::MouseButton button,
                          Qt::MouseButtons held) {
        QMouseEvent event(type, local, toolbar->mapToGlobal(local), button, held, Qt::NoModifier);
        QApplication::sendEvent(toolbar, &event);
    };
    const QPoint away = handle + QPoint(40, 300);
    send(QEvent::MouseButtonPress, handle, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, handle + QPoint(30, 200), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseMove, away, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, away, Qt::LeftButton, Qt::NoButton);
}

}  // namespace korvane::testing
