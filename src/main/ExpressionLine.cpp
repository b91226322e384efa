#include "main/ExpressionLine.h"

#include <QKeyEvent>

namespace korvane {

ExpressionLine::ExpressionLine(QWidget* parent) : QLineEdit(parent) {}

void ExpressionLine::Remember(const QString& text) {
    if (remembered_.isEmpty() || remembered_.constLast() != text) remembered_ << text;
    at_ = remembered_.size();
    typing_.clear();
}

void ExpressionLine::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
            if (at_ > 0) ShowAt(at_ - 1);
            return;
        case Qt::Key_Down:
            if (at_ < remembered_.size()) ShowAt(at_ + 1);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit enterPressed();
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

void ExpressionLine::ShowAt(qsizetype at) {
    if (at_ == remembered_.size()) typing_ = text();
    at_ = at;
    setText(at_ == remembered_.size() ? typing_ : remembered_.at(at_));
}

}  // namespace korvane
