#include "main/CellEditDelegate.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace korvane {

namespace {

constexpr int kMaxTyped = 255;

// The move a key ends an edit with; kStay for a key that does not end it.
CellMove MoveFor(const QKeyEvent& key) {
    const bool shift = key.modifiers() & Qt::ShiftModifier;
    switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return shift ? CellMove::kUp : CellMove::kDown;
        case Qt::Key_Tab:
            return shift ? CellMove::kLeft : CellMove::kRight;
        case Qt::Key_Backtab:
            return CellMove::kLeft;
        default:
            return CellMove::kStay;
    }
}

}  // namespace

QWidget* CellEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("CellEditor"));
    editor->setFrame(false);
    // The limit is for typing: a longer text (a computed cell) is edited
    // whole, where the box would cut it to its limit when it is set.
    editor->setMaxLength(std::max<int>(kMaxTyped, index.data(Qt::EditRole).toString().size()));
    // A screen reader names the cell being typed into.
    editor->setAccessibleName(
        QStringLiteral("%1行%2列の成分").arg(index.row() + 1).arg(index.column() + 1));
    return editor;
}

bool CellEditDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (editor == nullptr || !key) return QStyledItemDelegate::eventFilter(object, event);
    auto* pressed = static_cast<QKeyEvent*>(event);
    const CellMove move = MoveFor(*pressed);
    const bool escape = pressed->key() == Qt::Key_Escape;
    if (move == CellMove::kStay && !escape) return QStyledItemDelegate::eventFilter(object, event);
    if (event->type() == QEvent::ShortcutOverride) {
        // These keys end the edit; the window's shortcuts (Esc stops a
        // computation) do not take them from the box.
        event->accept();
        return true;
    }
    if (escape) {
        emit closeEditor(editor, RevertModelCache);
        return true;
    }
    emit finishing(move);
    emit commitData(editor);
    emit closeEditor(editor, NoHint);
    return true;
}

}  // namespace korvane
