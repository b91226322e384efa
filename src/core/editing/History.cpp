#include "core/editing/History.h"

namespace korvane {

namespace {

constexpr int kFirstReachableSlot = 2;

// Tlamtx::texts is column-major, like the grid.
std::size_t TextIndex(int col, int row) {
    return static_cast<std::size_t>(col * CellGrid::kMaxSize + row);
}

}  // namespace

void History::FormCreate(CellGrid& grid) {
    for (int col = 0; col < CellGrid::kMaxSize; ++col)
        for (int row = 0; row < CellGrid::kMaxSize; ++row)
            grid.SetCell(col, row, "0");
    historyPos_ = 1;
    redoCount_ = 0;
    RecordSnapshot(grid, nullptr);
}

void History::RecordSnapshot(const CellGrid& grid) {
    RecordSnapshot(grid, Slot(historyPos_).workspace);
}

void History::RecordSnapshot(const CellGrid& grid, std::shared_ptr<const Workspace> workspace) {
    redoCount_ = 0;
    if (historyPos_ == kSlots)
        DropOldestSnapshot();
    else
        ++historyPos_;
    Tlamtx& slot = Slot(historyPos_);
    slot.cols = grid.Cols();
    slot.rows = grid.Rows();
    for (int col = 0; col < CellGrid::kMaxSize; ++col)
        for (int row = 0; row < CellGrid::kMaxSize; ++row)
            slot.texts[TextIndex(col, row)] = grid.Cell(col, row);
    slot.workspace = std::move(workspace);
}

const std::shared_ptr<const Workspace>& History::CurrentWorkspace() const {
    return Slot(historyPos_).workspace;
}

void History::Undo1Click(CellGrid& grid, Dialogs& dialogs) {
    if (historyPos_ > kFirstReachableSlot) {
        --historyPos_;
        RestoreSnapshot(historyPos_, grid);
        ++redoCount_;
    } else {
        dialogs.ShowMessage("これ以上は戻せません。");
    }
}

void History::Repeat1Click(CellGrid& grid, Dialogs& dialogs) {
    if (redoCount_ != 0) {
        ++historyPos_;
        RestoreSnapshot(historyPos_, grid);
        --redoCount_;
    } else {
        dialogs.ShowMessage("今のが最後の動作です。");
    }
}

std::string History::CountsText() const {
    return "元に戻せる回数：" + std::to_string(historyPos_ - 2) + "　やり直せる回数：" +
           std::to_string(redoCount_);
}

void History::RestoreSnapshot(int slot, CellGrid& grid) const {
    const Tlamtx& state = Slot(slot);
    grid.SetCols(state.cols);
    grid.SetRows(state.rows);
    for (int col = 0; col < CellGrid::kMaxSize; ++col)
        for (int row = 0; row < CellGrid::kMaxSize; ++row)
            grid.SetCell(col, row, state.texts[TextIndex(col, row)]);
}

// The oldest reachable state moves to slot 1, out of reach; slot 100 is
// left for the caller to overwrite.
void History::DropOldestSnapshot() {
    for (int slot = 2; slot <= kSlots; ++slot)
        Slot(slot - 1) = std::move(Slot(slot));
}

}  // namespace korvane
