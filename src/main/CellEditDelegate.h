#pragma once

#include <QStyledItemDelegate>

namespace korvane {

// Where the current cell goes when an in-place edit is committed.
enum class CellMove { kStay, kDown, kUp, kRight, kLeft };

// The in-place editor of a grid cell: a one-line box that takes at most 255
// typed characters, as the input box does, and a longer cell's text whole.
// Enter commits and moves down, Shift+Enter up, Tab right, Shift+Tab left;
// Esc cancels. Leaving the box commits.
class CellEditDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

  signals:
    // Sent before the editor is committed and closed by one of the keys.
    void finishing(korvane::CellMove move);

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;
};

}  // namespace korvane
