#pragma once

#include <optional>
#include <vector>

#include "core/practice/MatrixRows.h"
#include "core/practice/RowOperation.h"

namespace korvane {

// What most likely went wrong when a typed matrix is not the result of a
// right step: the step the student meant, the slip, and the entries to mark.

enum class SlipKind {
    kSign,        // signs flipped: in some entries, or of the whole multiple
    kMultiple,    // the operation done with another factor than the one named
    kPartialRow,  // the operation done on only the left part of a row
    kWrongRow,    // the operation done on, with or written into another row
    kOneEntry,    // one entry miscalculated
    kOtherStep,   // a right step, but not the one named
    kSeveral,     // several entries wrong with no pattern
};

// A cell of the grid, addressed (column, row) from 0 like every cell.
struct GridCell {
    int col = 0;
    int row = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

struct Diagnosis {
    SlipKind kind = SlipKind::kSeveral;
    // The step the student meant (named, or the closest right step).
    std::vector<RowOperation> intended;
    // kSign, kMultiple, kWrongRow: the operation done instead of intended[slipAt].
    std::optional<RowOperation> done;
    std::size_t slipAt = 0;
    // kWrongRow when a result went into another row: the row it belongs to,
    // and the row it was written into.
    int misplacedFrom = -1;
    int misplacedInto = -1;
    // kPartialRow: per row, the first column from which it was left as it was.
    std::vector<GridCell> untouchedFrom;
    // kOtherStep: the step the typed matrix is the result of.
    std::vector<RowOperation> other;
    // The typed entries that differ from the intended result, row by row.
    std::vector<GridCell> wrongCells;
};

// The slip behind typed when the student named no operation; typed has
// before's shape, differs from it, and is not the result of a right step.
// The step meant is the one whose result is nearest to typed; next, the
// step the exercise calls for, wins among equally near ones.
Diagnosis DiagnoseStep(const MatrixRows& before, const MatrixRows& typed,
                       const std::optional<RowOperation>& next = std::nullopt);

// The slip behind typed when the student named the operations that should
// lead from before to it, and typed is not their result.
Diagnosis DiagnoseNamedStep(const MatrixRows& before, const MatrixRows& typed,
                            const std::vector<RowOperation>& named);

}  // namespace korvane
