// The slip behind a typed matrix when the student named no step: every right
// step the typed entries point to is judged, and the nearest taken as meant.
#include "core/practice/SlipDiagnosis.h"

#include <algorithm>

#include "core/practice/SlipEvidence.h"
#include "core/practice/StepRecognition.h"

namespace korvane {

using slips::BestCandidate;
using slips::Candidate;

namespace {

bool Contains(const std::vector<int>& rows, int row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

MatrixRow Scaled(MatrixRow row, const ComplexFraction& factor) {
    for (ComplexFraction& z : row)
        z = CpxMul(z, factor);
    return row;
}

// The closest step around one pivot row: its scaling and the multiples
// added to the other changed rows, as the typed entries vote for them. A
// row is only taken as changed on purpose when that needs fewer slips than
// taking it as meant to stay.
std::vector<RowOperation> PivotGuess(const MatrixRows& before, const MatrixRows& typed,
                                     const std::vector<int>& changed, int pivot) {
    const MatrixRow& base = before[pivot];
    std::vector<RowOperation> operations;
    if (IsZeroRow(base)) return operations;
    const auto better = [&](int row, const MatrixRow& result) {
        return slips::RowSlips(before[row], typed[row], result) <
               slips::RowSlips(before[row], typed[row], before[row]);
    };
    ComplexFraction scale = CpxOne();
    if (Contains(changed, pivot)) {
        const auto factor = slips::VoteMultiple(ZeroRow(base.size()), typed[pivot], base);
        if (factor && !CpxIsOne(*factor) && better(pivot, Scaled(base, *factor))) {
            scale = *factor;
            operations.push_back(RowOperation::Scale(pivot, scale));
        }
    }
    for (const int row : changed) {
        if (row == pivot) continue;
        const auto multiple = slips::VoteMultiple(before[row], typed[row], base);
        if (!multiple) continue;
        MatrixRow result = before[row];
        AddMultiple(result, *multiple, base);
        if (better(row, result))
            operations.push_back(RowOperation::Add(row, pivot, QuotientOf(*multiple, scale)));
    }
    return operations;
}

// Each single operation on row, with every multiple most of its changed
// entries agree on: an addition of every other row, then its scaling (a
// reduction adds far more often than it scales).
void ConsiderOneRowSteps(const MatrixRows& before, const MatrixRows& typed, int row,
                         BestCandidate& best) {
    const auto consider = [&](const RowOperation& op) {
        best.Consider(slips::Judge(before, typed, {op}));
    };
    for (int source = 0; source < static_cast<int>(before.size()); ++source) {
        if (source == row) continue;
        for (const ComplexFraction& multiple :
             slips::TopMultiples(before[row], typed[row], before[source]))
            consider(RowOperation::Add(row, source, multiple));
    }
    for (const ComplexFraction& grown : slips::TopMultiples(before[row], typed[row], before[row])) {
        const ComplexFraction factor = SumOf(CpxOne(), grown);
        if (!CpxIsZero(factor)) consider(RowOperation::Scale(row, factor));
    }
}

// Whether rows a and b of typed hold each other's entries from before in
// more than half of the places where the two rows differ.
bool MostlyExchanged(const MatrixRows& before, const MatrixRows& typed, int a, int b) {
    int exchanged = 0;
    int telling = 0;
    for (std::size_t c = 0; c < before[a].size(); ++c) {
        if (before[a][c] == before[b][c]) continue;
        telling += 2;
        exchanged += (typed[a][c] == before[b][c] ? 1 : 0) + (typed[b][c] == before[a][c] ? 1 : 0);
    }
    return 2 * exchanged > telling;
}

Candidate Misplaced(const MatrixRows& before, const MatrixRows& typed, const RowOperation& op,
                    int into) {
    Candidate candidate;
    Diagnosis& d = candidate.diagnosis;
    d.kind = SlipKind::kWrongRow;
    d.intended = {op};
    d.misplacedFrom = op.target;
    d.misplacedInto = into;
    d.wrongCells = slips::WrongCells(typed, Applied(before, d.intended));
    candidate.slips = 1;
    return candidate;
}

// The typed row into is exactly the result meant for another row, which
// itself was left as it was.
void ConsiderMisplacements(const MatrixRows& before, const MatrixRows& typed, int into,
                           BestCandidate& best) {
    const int rows = static_cast<int>(before.size());
    for (int from = 0; from < rows; ++from) {
        if (from == into) continue;
        const auto factor = RowRatio(typed[into], before[from]);
        if (factor && !CpxIsZero(*factor) && !CpxIsOne(*factor))
            best.Consider(Misplaced(before, typed, RowOperation::Scale(from, *factor), into));
        MatrixRow added = typed[into];
        AddMultiple(added, CpxNeg(CpxOne()), before[from]);
        if (IsZeroRow(added)) continue;
        for (int source = 0; source < rows; ++source) {
            const auto multiple = source == from ? std::nullopt : RowRatio(added, before[source]);
            if (multiple)
                best.Consider(
                    Misplaced(before, typed, RowOperation::Add(from, source, *multiple), into));
        }
    }
}

}  // namespace

Diagnosis DiagnoseStep(const MatrixRows& before, const MatrixRows& typed,
                       const std::optional<RowOperation>& next) {
    const std::vector<int> changed = ChangedRows(before, typed);
    const int rows = static_cast<int>(before.size());
    BestCandidate best(next ? std::vector{*next} : std::vector<RowOperation>{});
    // One changed row: every operation on it; several: one pivot row used on them.
    if (changed.size() == 1) {
        ConsiderOneRowSteps(before, typed, changed.front(), best);
        ConsiderMisplacements(before, typed, changed.front(), best);
    } else {
        for (int pivot = 0; pivot < rows; ++pivot) {
            const std::vector<RowOperation> guess = PivotGuess(before, typed, changed, pivot);
            if (!guess.empty()) best.Consider(slips::Judge(before, typed, guess));
        }
    }
    for (const int row : changed) {
        for (int other = 0; other < rows; ++other) {
            if (other == row || (other < row && Contains(changed, other))) continue;
            if (MostlyExchanged(before, typed, row, other))
                best.Consider(
                    slips::Judge(before, typed,
                                 {RowOperation::Swap(std::min(row, other), std::max(row, other))}));
        }
    }
    if (best.Best()) return best.Best()->diagnosis;
    // Nothing to compare with (a single row that was zero): every change is wrong.
    Diagnosis d;
    d.wrongCells = slips::WrongCells(typed, before);
    return d;
}

}  // namespace korvane
