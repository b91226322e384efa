#pragma once

#include <array>
#include <memory>
#include <string>

#include "core/CellGrid.h"
#include "core/editing/Dialogs.h"

namespace korvane {

class Workspace;

// One stored state: the column count, the row count and all 100 texts of
// the grid, and the named matrices beside it (shared between the states
// that have the same; null for none).
struct Tlamtx {
    int cols = 0;
    int rows = 0;
    std::array<std::string, CellGrid::kMaxSize * CellGrid::kMaxSize> texts;  // column-major
    std::shared_ptr<const Workspace> workspace;
};

// Undo and redo over up to 99 reachable grid states in 100 slots.
class History {
  public:
    static constexpr int kSlots = 100;
    // The states undo and redo can reach: slot 1 only ever holds the state
    // that fell out of reach.
    static constexpr int kReachableStates = kSlots - 1;

    // The start state (the window's FormCreate): fills all 100 cells of grid
    // with "0", resets both counters and records the first state.
    void FormCreate(CellGrid& grid);
    // Stores grid as the newest state, with the named matrices of the state
    // now current, and discards what could be redone.
    void RecordSnapshot(const CellGrid& grid);
    // The same with other named matrices: storing, deleting or renaming one
    // is a state of its own.
    void RecordSnapshot(const CellGrid& grid, std::shared_ptr<const Workspace> workspace);
    // The named matrices of the current state (after an undo or redo, those
    // of the state it reached); null for none.
    const std::shared_ptr<const Workspace>& CurrentWorkspace() const;
    // One step back / forward; at either end shows its message and changes nothing.
    void Undo1Click(CellGrid& grid, Dialogs& dialogs);
    void Repeat1Click(CellGrid& grid, Dialogs& dialogs);

    // Status-bar panel 1: "元に戻せる回数：N　やり直せる回数：M".
    std::string CountsText() const;

  private:
    void RestoreSnapshot(int slot, CellGrid& grid) const;
    void DropOldestSnapshot();
    Tlamtx& Slot(int slot) { return slots_[static_cast<std::size_t>(slot - 1)]; }
    const Tlamtx& Slot(int slot) const { return slots_[static_cast<std::size_t>(slot - 1)]; }

    std::array<Tlamtx, kSlots> slots_;  // slot numbers 1..100
    int historyPos_ = 1;
    int redoCount_ = 0;
};

}  // namespace korvane
