#include "main/StepSpinBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace korvane {

namespace {

bool IsEditingKey(const QKeyEvent& event) {
    return !event.text().isEmpty() || event.key() == Qt::Key_Backspace ||
           event.key() == Qt::Key_Delete || event.matches(QKeySequence::Paste) ||
           event.matches(QKeySequence::Cut) || event.matches(QKeySequence::Undo) ||
           event.matches(QKeySequence::Redo);
}

}  // namespace

StepSpinBox::StepSpinBox(QWidget* parent) : QSpinBox(parent) {
    setRange(1, 10);
    setSingleStep(1);
    setAccelerated(false);
    // Read-only text also shuts out drops, middle-click pasting and input methods.
    lineEdit()->setReadOnly(true);
    lineEdit()->setAcceptDrops(false);
}

void StepSpinBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
            QSpinBox::keyPressEvent(event);
            return;
        case Qt::Key_PageUp:
            stepBy(1);
            return;
        case Qt::Key_PageDown:
            stepBy(-1);
            return;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->ignore();  // leave focus moves and dialog keys to the window
            return;
        default:
            break;
    }
    if (IsEditingKey(*event)) {
        QApplication::beep();
        event->accept();
        return;
    }
    QSpinBox::keyPressEvent(event);  // cursor moves, copy, modifiers alone
}

void StepSpinBox::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0) {
        stepBy(delta > 0 ? 1 : -1);
    }
    event->accept();
}

void StepSpinBox::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();  // no menu, so no paste or cut from it
}

}  // namespace korvane
