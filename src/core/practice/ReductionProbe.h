#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/practice/MatrixRows.h"
#include "core/practice/RowOperation.h"

namespace korvane {

// The program's own reduction run on a copy of a practice matrix and watched
// one logged operation at a time: what it would do next, and how many
// operations it needs.

// One operation of the reduction: its sentence as the reduction logs it, and
// the same operation for the practice session.
struct ReductionStep {
    std::string sentence;
    RowOperation operation;
};

// Which of the reduction's operations count. Towards row echelon form the
// eliminations above a pivot are left out: they change only rows above the
// pivot row, which later operations never read, so every operation that
// counts applies as it stands to the matrix without them.
enum class ReductionAim { kReducedForm, kEchelonForm };

// The reduction's first operation on matrix that counts for aim; nothing
// when there is none left.
std::optional<ReductionStep> FirstReductionStep(const MatrixRows& matrix, ReductionAim aim);

// How many operations that count for aim the reduction does on matrix
// before reached holds of it (0 when it holds at once); all of them when it
// never does.
int ReductionStepsUntil(const MatrixRows& matrix, ReductionAim aim,
                        const std::function<bool(const MatrixRows&)>& reached);

// The reduced row echelon form of matrix, as the reduction computes it.
MatrixRows ReducedForm(const MatrixRows& matrix);

}  // namespace korvane
