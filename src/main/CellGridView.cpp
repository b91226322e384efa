#include "main/CellGridView.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace korvane {

namespace {

constexpr QAbstractItemView::EditTriggers kEditKeys =
    QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed;

// The rule between an augmented matrix's halves, in pixels.
constexpr int kRuleWidth = 2;

bool Unmodified(const QKeyEvent& key) {
    return (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// A key whose text would start an edit: a printable character, typed
// without Ctrl, Alt or Meta.
bool Printable(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = key.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

}  // namespace

CellGridView::CellGridView(QWidget* parent)
    : QTableView(parent), delegate_(new CellEditDelegate(this)) {
    setItemDelegate(delegate_);
    setEditTriggers(kEditKeys);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setAttribute(Qt::WA_InputMethodEnabled);
    connect(delegate_, &CellEditDelegate::finishing, this, &CellGridView::Finishing);
}

void CellGridView::SetEditingAllowed(bool allowed) {
    editingAllowed_ = allowed;
    setEditTriggers(allowed ? kEditKeys : NoEditTriggers);
    setAttribute(Qt::WA_InputMethodEnabled, allowed);
}

void CellGridView::CommitEdit() {
    if (state() != EditingState) return;
    QWidget* editor = indexWidget(currentIndex());
    if (editor == nullptr) return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void CellGridView::SelectBlock(int col, int row, int cols, int rows) {
    const QModelIndex topLeft = model()->index(row, col);
    if (!topLeft.isValid()) return;
    const QModelIndex bottomRight =
        model()->index(std::min(row + rows, model()->rowCount()) - 1,
                       std::min(col + cols, model()->columnCount()) - 1);
    setCurrentIndex(topLeft);  // where Shift and the arrows extend from
    selectionModel()->select(QItemSelection(topLeft, bottomRight),
                             QItemSelectionModel::ClearAndSelect);
}

void CellGridView::SetRuleAfter(int columns) {
    if (columns == ruleAfter_) return;
    ruleAfter_ = columns;
    viewport()->update();
}

void CellGridView::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (ruleAfter_ <= 0 || ruleAfter_ >= model()->columnCount()) return;
    const int rows = model()->rowCount();
    const int x = columnViewportPosition(ruleAfter_) - 1;  // on the grid line there
    const int top = rowViewportPosition(0);
    const int bottom = rowViewportPosition(rows - 1) + rowHeight(rows - 1) - 1;
    QPainter painter(viewport());
    painter.fillRect(QRect(x - kRuleWidth / 2, top, kRuleWidth, bottom - top + 1),
                     palette().color(QPalette::Text));
}

void CellGridView::keyPressEvent(QKeyEvent* event) {
    if (state() == EditingState) {
        QTableView::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (editingAllowed_) edit(currentIndex(), EditKeyPressed, event);
        return;
    }
    if ((key == Qt::Key_Delete || key == Qt::Key_Backspace) && Unmodified(*event)) {
        if (editingAllowed_) emit clearRequested();
        return;
    }
    if (!Printable(*event) || !editingAllowed_) {
        QTableView::keyPressEvent(event);  // the arrows and the other keys
        return;
    }
    if (!edit(currentIndex(), AnyKeyPressed, event)) event->ignore();
}

void CellGridView::inputMethodEvent(QInputMethodEvent* event) {
    const bool typed = !event->commitString().isEmpty() || !event->preeditString().isEmpty();
    if (state() == EditingState || !typed || !editingAllowed_) {
        QTableView::inputMethodEvent(event);
        return;
    }
    // The view's own handling opens the editor but keeps the text from it:
    // the editor is opened here and given what the input method sent.
    if (!edit(currentIndex(), EditKeyPressed, nullptr)) {
        event->ignore();
        return;
    }
    if (QWidget* editor = indexWidget(currentIndex())) QCoreApplication::sendEvent(editor, event);
}

void CellGridView::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    // Typing needs a current cell from the first key on.
    if (!currentIndex().isValid() && model() != nullptr && model()->rowCount() > 0 &&
        model()->columnCount() > 0) {
        setCurrentIndex(model()->index(0, 0));
    }
}

void CellGridView::commitData(QWidget* editor) {
    // A box shown while the edit is committed takes the focus from the
    // editor, which would commit it again.
    if (committing_) return;
    committing_ = true;
    QTableView::commitData(editor);
    committing_ = false;
}

void CellGridView::Finishing(CellMove move) {
    pendingMove_ = move;
}

void CellGridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableView::closeEditor(editor, hint);
    const CellMove move = std::exchange(pendingMove_, CellMove::kStay);
    if (hint != QAbstractItemDelegate::RevertModelCache) MoveCurrent(move);
}

void CellGridView::MoveCurrent(CellMove move) {
    const QModelIndex current = currentIndex();
    if (move == CellMove::kStay || !current.isValid()) return;
    int row = current.row();
    int col = current.column();
    switch (move) {
        case CellMove::kDown:
        case CellMove::kUp:
            if (row == tabRunRow_) col = tabRunColumn_;
            tabRunRow_ = -1;
            row += move == CellMove::kDown ? 1 : -1;
            break;
        case CellMove::kRight:
        case CellMove::kLeft:
            if (row != tabRunRow_) {
                tabRunRow_ = row;
                tabRunColumn_ = col;
            }
            col += move == CellMove::kRight ? 1 : -1;
            break;
        case CellMove::kStay:
            break;
    }
    row = std::clamp(row, 0, model()->rowCount() - 1);
    col = std::clamp(col, 0, model()->columnCount() - 1);
    setCurrentIndex(model()->index(row, col));
}

}  // namespace korvane
