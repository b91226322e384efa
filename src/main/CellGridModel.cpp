#include "main/CellGridModel.h"

namespace korvane {

CellGridModel::CellGridModel(QObject* parent) : QAbstractTableModel(parent) {}

int CellGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_.Rows();
}

int CellGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_.Cols();
}

QVariant CellGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() ||
        (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::AccessibleTextRole)) {
        return {};
    }
    return QString::fromStdString(shown_.Cell(index.column(), index.row()));
}

Qt::ItemFlags CellGridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                           : Qt::NoItemFlags;
}

bool CellGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    emit cellTyped(index.column(), index.row(), value.toString());
    return true;
}

void CellGridModel::Sync(const CellGrid& grid) {
    SyncRows(grid.Rows());
    SyncCols(grid.Cols());
    SyncTexts(grid);
}

void CellGridModel::SyncRows(int rows) {
    const int shown = shown_.Rows();
    if (rows > shown) {
        beginInsertRows({}, shown, rows - 1);
        shown_.SetRows(rows);
        endInsertRows();
    } else if (rows < shown) {
        beginRemoveRows({}, rows, shown - 1);
        shown_.SetRows(rows);
        endRemoveRows();
    }
}

void CellGridModel::SyncCols(int cols) {
    const int shown = shown_.Cols();
    if (cols > shown) {
        beginInsertColumns({}, shown, cols - 1);
        shown_.SetCols(cols);
        endInsertColumns();
    } else if (cols < shown) {
        beginRemoveColumns({}, cols, shown - 1);
        shown_.SetCols(cols);
        endRemoveColumns();
    }
}

void CellGridModel::SyncTexts(const CellGrid& grid) {
    bool changed = false;
    for (int col = 0; col < CellGrid::kMaxSize; ++col) {
        for (int row = 0; row < CellGrid::kMaxSize; ++row) {
            if (shown_.Cell(col, row) != grid.Cell(col, row)) {
                shown_.SetCell(col, row, grid.Cell(col, row));
                changed = true;
            }
        }
    }
    if (changed && rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
    }
}

}  // namespace korvane
