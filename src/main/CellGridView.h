#pragma once

#include <QTableView>

#include "main/CellEditDelegate.h"

namespace korvane {

// The grid sgmatrix as a spreadsheet user drives it: a printable key (or an
// input method's text) on the current cell starts editing it with what was
// typed, F2 and Enter start editing with its text selected, the arrows move
// between cells, Delete and Backspace clear the selected cells. A committed
// edit reaches the model, which hands it to the window. The current cell
// never leaves the shown cells: nothing here grows the grid.
class CellGridView : public QTableView {
    Q_OBJECT

  public:
    explicit CellGridView(QWidget* parent = nullptr);

    // Off while a computation runs: no edit starts, and Delete does nothing.
    void SetEditingAllowed(bool allowed);
    // Commits the cell being edited, if any, as leaving it would.
    void CommitEdit();
    // Makes (col, row) current and selects the cols × rows block there,
    // as far as it is shown.
    void SelectBlock(int col, int row, int cols, int rows);
    // Draws a vertical rule after the first columns of the cells, where an
    // augmented matrix's halves meet; none for 0.
    void SetRuleAfter(int columns);

  signals:
    // Delete or Backspace on the selection, not while editing.
    void clearRequested();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void commitData(QWidget* editor) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void Finishing(CellMove move);
    void MoveCurrent(CellMove move);

    CellEditDelegate* delegate_;
    bool editingAllowed_ = true;
    bool committing_ = false;
    CellMove pendingMove_ = CellMove::kStay;
    int ruleAfter_ = 0;
    // Where a run of Tabs began: Enter at its end goes down to the run's
    // first column, so that rows are typed one after the other.
    int tabRunColumn_ = -1;
    int tabRunRow_ = -1;
};

}  // namespace korvane
