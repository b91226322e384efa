#pragma once

#include <QAbstractTableModel>

#include "core/CellGrid.h"

namespace korvane {

// The grid sgmatrix's view of the CellGrid: the shown rows and columns of the
// grid as it stood at the last Sync. Cells outside the shown size stay in the
// CellGrid and reappear when it grows again.
class CellGridModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit CellGridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A committed in-place edit: told to the window through cellTyped, which
    // changes the CellGrid; the model shows it at the next Sync.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Takes the grid's counts and texts, telling the view only what changed,
    // so the current cell stays where it was.
    void Sync(const CellGrid& grid);

  signals:
    // The user typed text into cell (col, row) and committed it.
    void cellTyped(int col, int row, const QString& text);

  private:
    void SyncRows(int rows);
    void SyncCols(int cols);
    void SyncTexts(const CellGrid& grid);

    CellGrid shown_;
};

}  // namespace korvane
