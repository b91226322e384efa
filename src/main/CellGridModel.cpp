#include "main/CellGridModel.h"

#include <QColor>
#include <algorithm>

#include "core/practice/PracticeTexts.h"

namespace korvane {

namespace {

const QColor kMarkedBackground(0xff, 0xc8, 0xc8);
const QColor kMarkedText(0x90, 0x00, 0x00);

}  // namespace

CellGridModel::CellGridModel(QObject* parent) : QAbstractTableModel(parent) {}

int CellGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_.Rows();
}

int CellGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_.Cols();
}

QVariant CellGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::AccessibleTextRole) {
        return QString::fromStdString(shown_.Cell(index.column(), index.row()));
    }
    if (!Marked(index.column(), index.row())) return {};
    switch (role) {
        case Qt::BackgroundRole:
            return kMarkedBackground;
        case Qt::ForegroundRole:
            return kMarkedText;
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            return QString::fromStdString(EntryName({index.column(), index.row()}) +
                                          "が違います。");
        default:
            return {};
    }
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
    const bool resized = grid.Rows() != shown_.Rows() || grid.Cols() != shown_.Cols();
    SyncRows(grid.Rows());
    SyncCols(grid.Cols());
    if (SyncTexts(grid) || resized) ClearMarks();
}

void CellGridModel::Mark(const std::vector<GridCell>& cells) {
    marked_.clear();
    for (const GridCell& cell : cells) {
        if (cell.col < columnCount() && cell.row < rowCount()) marked_.push_back(cell);
    }
    MarksChanged();
}

void CellGridModel::ClearMarks() {
    if (marked_.empty()) return;
    marked_.clear();
    MarksChanged();
}

bool CellGridModel::Marked(int col, int row) const {
    return std::find(marked_.begin(), marked_.end(), GridCell{col, row}) != marked_.end();
}

void CellGridModel::MarksChanged() {
    if (rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::BackgroundRole, Qt::ForegroundRole, Qt::ToolTipRole,
                          Qt::AccessibleDescriptionRole});
    }
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

bool CellGridModel::SyncTexts(const CellGrid& grid) {
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
    return changed;
}

}  // namespace korvane
