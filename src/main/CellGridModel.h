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

    // Takes the grid's counts and texts, telling the view only what changed,
    // so the current cell stays where it was.
    void Sync(const CellGrid& grid);

  private:
    void SyncRows(int rows);
    void SyncCols(int cols);
    void SyncTexts(const CellGrid& grid);

    CellGrid shown_;
};

}  // namespace korvane
