#include "core/practice/SlipDiagnosis.h"

#include <algorithm>
#include <utility>

#include "core/practice/StepRecognition.h"

namespace korvane {

namespace {

// An explanation of the typed matrix and how many separate slips it needs.
// The one needing fewest wins; among equals the more specific kind, then
// the one found first.
struct Candidate {
    Diagnosis diagnosis;
    std::size_t slips = 0;
};

// A whole row matching a result meant for another row, or an operation
// done another way, is the strongest evidence; a pattern of entries next.
int Specificity(SlipKind kind) {
    switch (kind) {
        case SlipKind::kWrongRow:
            return 0;
        case SlipKind::kSign:
            return 1;
        case SlipKind::kMultiple:
            return 2;
        case SlipKind::kPartialRow:
            return 3;
        case SlipKind::kOneEntry:
            return 4;
        case SlipKind::kOtherStep:
            return 5;
        case SlipKind::kSeveral:
            break;
    }
    return 6;
}

class BestCandidate {
  public:
    void Consider(Candidate candidate) {
        if (!best_ || Key(candidate) < Key(*best_)) best_ = std::move(candidate);
    }
    const std::optional<Candidate>& Best() const { return best_; }

  private:
    static std::pair<std::size_t, int> Key(const Candidate& c) {
        return {c.slips, Specificity(c.diagnosis.kind)};
    }
    std::optional<Candidate> best_;
};

bool Contains(const std::vector<int>& rows, int row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

MatrixRow Scaled(MatrixRow row, const ComplexFraction& factor) {
    for (ComplexFraction& z : row)
        z = CpxMul(z, factor);
    return row;
}

std::vector<GridCell> WrongCells(const MatrixRows& typed, const MatrixRows& expected) {
    std::vector<GridCell> cells;
    for (std::size_t r = 0; r < typed.size(); ++r) {
        for (std::size_t c = 0; c < typed[r].size(); ++c) {
            if (typed[r][c] != expected[r][c])
                cells.push_back({static_cast<int>(c), static_cast<int>(r)});
        }
    }
    return cells;
}

// The m for which from + m × by agrees with to in the most entries, voted
// by the entries that changed where by is not zero; ties go to the
// leftmost, where a student starts. Nothing when no such entry changed.
std::optional<ComplexFraction> VoteMultiple(const MatrixRow& from, const MatrixRow& to,
                                            const MatrixRow& by) {
    std::vector<std::pair<ComplexFraction, int>> votes;
    for (std::size_t c = 0; c < by.size(); ++c) {
        if (CpxIsZero(by[c]) || to[c] == from[c]) continue;
        const ComplexFraction vote = QuotientOf(CpxSub(to[c], from[c]), by[c]);
        auto same = std::find_if(votes.begin(), votes.end(),
                                 [&](const auto& entry) { return entry.first == vote; });
        if (same == votes.end()) {
            votes.emplace_back(vote, 1);
        } else {
            ++same->second;
        }
    }
    if (votes.empty()) return std::nullopt;
    return std::max_element(votes.begin(), votes.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// Per row with wrong cells, the first of them, when each such row was left
// as it was from there to its end after part of its change was done.
std::optional<std::vector<GridCell>> UntouchedTails(const MatrixRows& before,
                                                    const MatrixRows& typed,
                                                    const MatrixRows& expected,
                                                    const std::vector<GridCell>& wrong) {
    std::vector<GridCell> tails;
    for (const GridCell& cell : wrong) {
        if (!tails.empty() && tails.back().row == cell.row) continue;
        const MatrixRow& was = before[cell.row];
        const MatrixRow& now = typed[cell.row];
        for (std::size_t c = cell.col; c < was.size(); ++c) {
            if (now[c] != was[c]) return std::nullopt;
        }
        bool partDone = false;
        for (int c = 0; c < cell.col; ++c)
            partDone = partDone || expected[cell.row][c] != was[c];
        if (!partDone) return std::nullopt;
        tails.push_back(cell);
    }
    return tails;
}

// The entry is the right one negated, or the old entry with the change
// made in the opposite direction.
bool IsSignSlip(const ComplexFraction& was, const ComplexFraction& now,
                const ComplexFraction& right) {
    if (!CpxIsZero(right) && now == CpxNeg(right)) return true;
    return right != was && now == CpxSub(was, CpxSub(right, was));
}

// How typed departs from the result of intended, cell by cell.
Candidate Judge(const MatrixRows& before, const MatrixRows& typed,
                const std::vector<RowOperation>& intended) {
    const MatrixRows expected = Applied(before, intended);
    Candidate candidate;
    Diagnosis& d = candidate.diagnosis;
    d.intended = intended;
    d.wrongCells = WrongCells(typed, expected);
    const std::size_t wrong = d.wrongCells.size();
    if (auto tails = UntouchedTails(before, typed, expected, d.wrongCells)) {
        d.kind = SlipKind::kPartialRow;
        d.untouchedFrom = std::move(*tails);
        candidate.slips = d.untouchedFrom.size();
        return candidate;
    }
    const bool signs = std::all_of(d.wrongCells.begin(), d.wrongCells.end(), [&](GridCell cell) {
        return IsSignSlip(before[cell.row][cell.col], typed[cell.row][cell.col],
                          expected[cell.row][cell.col]);
    });
    if (signs) {
        d.kind = SlipKind::kSign;
        candidate.slips = wrong;
    } else if (wrong == 1) {
        d.kind = SlipKind::kOneEntry;
        candidate.slips = 1;
    } else {
        d.kind = SlipKind::kSeveral;
        candidate.slips = wrong + 1;
    }
    return candidate;
}

// How many separate slips it takes to get typed from right, for one row
// when before is what it was: as Judge counts them for a whole matrix.
std::size_t RowSlips(const MatrixRow& before, const MatrixRow& typed, const MatrixRow& right) {
    std::vector<std::size_t> wrong;
    for (std::size_t c = 0; c < typed.size(); ++c) {
        if (typed[c] != right[c]) wrong.push_back(c);
    }
    if (wrong.empty()) return 0;
    const std::size_t first = wrong.front();
    const bool tailUntouched =
        std::equal(typed.begin() + static_cast<std::ptrdiff_t>(first), typed.end(),
                   before.begin() + static_cast<std::ptrdiff_t>(first));
    const bool partDone = !std::equal(
        right.begin(), right.begin() + static_cast<std::ptrdiff_t>(first), before.begin());
    if (tailUntouched && partDone) return 1;
    const bool signs = std::all_of(wrong.begin(), wrong.end(), [&](std::size_t c) {
        return IsSignSlip(before[c], typed[c], right[c]);
    });
    if (signs) return wrong.size();
    return wrong.size() == 1 ? 1 : wrong.size() + 1;
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
        return RowSlips(before[row], typed[row], result) <
               RowSlips(before[row], typed[row], before[row]);
    };
    ComplexFraction scale = CpxOne();
    if (Contains(changed, pivot)) {
        const auto factor = VoteMultiple(ZeroRow(base.size()), typed[pivot], base);
        if (factor && !CpxIsOne(*factor) && better(pivot, Scaled(base, *factor))) {
            scale = *factor;
            operations.push_back(RowOperation::Scale(pivot, scale));
        }
    }
    for (const int row : changed) {
        if (row == pivot) continue;
        const auto multiple = VoteMultiple(before[row], typed[row], base);
        if (!multiple) continue;
        MatrixRow result = before[row];
        AddMultiple(result, *multiple, base);
        if (better(row, result))
            operations.push_back(RowOperation::Add(row, pivot, QuotientOf(*multiple, scale)));
    }
    return operations;
}

Candidate Misplaced(const MatrixRows& before, const MatrixRows& typed, const RowOperation& op,
                    int into) {
    Candidate candidate;
    Diagnosis& d = candidate.diagnosis;
    d.kind = SlipKind::kWrongRow;
    d.intended = {op};
    d.misplacedFrom = op.target;
    d.misplacedInto = into;
    d.wrongCells = WrongCells(typed, Applied(before, d.intended));
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

// The named operation done differently, each way a slip of a known kind.
std::vector<std::pair<SlipKind, RowOperation>> Variants(const RowOperation& op,
                                                        const MatrixRows& prefix,
                                                        const MatrixRows& typed) {
    std::vector<std::pair<SlipKind, RowOperation>> variants;
    const int rows = static_cast<int>(prefix.size());
    const auto otherMultiple = [&](const std::optional<ComplexFraction>& m) {
        return m && *m != op.factor && *m != CpxNeg(op.factor);
    };
    switch (op.kind) {
        case RowOperation::Kind::kSwap:
            for (int other = 0; other < rows; ++other) {
                if (other == op.target || other == op.source) continue;
                for (const int kept : {op.target, op.source})
                    variants.emplace_back(
                        SlipKind::kWrongRow,
                        RowOperation::Swap(std::min(kept, other), std::max(kept, other)));
            }
            break;
        case RowOperation::Kind::kScale: {
            variants.emplace_back(SlipKind::kSign,
                                  RowOperation::Scale(op.target, CpxNeg(op.factor)));
            const MatrixRow& row = prefix[op.target];
            const auto factor = VoteMultiple(ZeroRow(row.size()), typed[op.target], row);
            if (otherMultiple(factor) && !CpxIsZero(*factor))
                variants.emplace_back(SlipKind::kMultiple, RowOperation::Scale(op.target, *factor));
            for (int other = 0; other < rows; ++other) {
                if (other != op.target)
                    variants.emplace_back(SlipKind::kWrongRow,
                                          RowOperation::Scale(other, op.factor));
            }
            break;
        }
        case RowOperation::Kind::kAdd: {
            variants.emplace_back(SlipKind::kSign,
                                  RowOperation::Add(op.target, op.source, CpxNeg(op.factor)));
            const auto multiple =
                VoteMultiple(prefix[op.target], typed[op.target], prefix[op.source]);
            if (otherMultiple(multiple))
                variants.emplace_back(SlipKind::kMultiple,
                                      RowOperation::Add(op.target, op.source, *multiple));
            variants.emplace_back(SlipKind::kWrongRow,
                                  RowOperation::Add(op.source, op.target, op.factor));
            for (int other = 0; other < rows; ++other) {
                if (other == op.target || other == op.source) continue;
                variants.emplace_back(SlipKind::kWrongRow,
                                      RowOperation::Add(other, op.source, op.factor));
                variants.emplace_back(SlipKind::kWrongRow,
                                      RowOperation::Add(op.target, other, op.factor));
            }
            break;
        }
    }
    return variants;
}

// The rows an operation changes.
std::vector<int> RowsChangedBy(const RowOperation& op) {
    if (op.kind == RowOperation::Kind::kSwap) return {op.target, op.source};
    return {op.target};
}

// Named operation `at` done another way; each way that gives typed exactly
// is one slip.
void ConsiderNamedSlips(const MatrixRows& before, const MatrixRows& typed,
                        const std::vector<RowOperation>& named, std::size_t at,
                        BestCandidate& best) {
    const std::vector<RowOperation> head(named.begin(), named.begin() + at);
    const std::vector<RowOperation> tail(named.begin() + at + 1, named.end());
    const MatrixRows prefix = Applied(before, head);
    const MatrixRows expected = Applied(before, named);
    const auto consider = [&](const MatrixRows& state, Diagnosis d) {
        if (Applied(state, tail) != typed) return;
        d.intended = named;
        d.slipAt = at;
        d.wrongCells = WrongCells(typed, expected);
        best.Consider({std::move(d), 1});
    };
    for (const auto& [kind, variant] : Variants(named[at], prefix, typed)) {
        if (RefusalOf(variant, static_cast<int>(before.size()))) continue;
        Diagnosis d;
        d.kind = kind;
        d.done = variant;
        consider(Applied(prefix, {variant}), d);
    }
    const MatrixRows result = Applied(prefix, {named[at]});
    const RowOperation& op = named[at];
    if (op.kind != RowOperation::Kind::kSwap) {
        for (std::size_t into = 0; into < prefix.size(); ++into) {
            if (static_cast<int>(into) == op.target) continue;
            MatrixRows state = prefix;
            state[into] = result[op.target];
            Diagnosis d;
            d.kind = SlipKind::kWrongRow;
            d.misplacedFrom = op.target;
            d.misplacedInto = static_cast<int>(into);
            consider(state, d);
        }
    }
    for (std::size_t from = 1; from < prefix.front().size(); ++from) {
        MatrixRows state = result;
        for (const int row : RowsChangedBy(op)) {
            std::copy(prefix[row].begin() + static_cast<std::ptrdiff_t>(from), prefix[row].end(),
                      state[row].begin() + static_cast<std::ptrdiff_t>(from));
        }
        Diagnosis d;
        d.kind = SlipKind::kPartialRow;
        consider(state, d);
    }
}

}  // namespace

Diagnosis DiagnoseStep(const MatrixRows& before, const MatrixRows& typed) {
    const std::vector<int> changed = ChangedRows(before, typed);
    const int rows = static_cast<int>(before.size());
    BestCandidate best;
    for (int pivot = 0; pivot < rows; ++pivot) {
        const std::vector<RowOperation> guess = PivotGuess(before, typed, changed, pivot);
        if (!guess.empty()) best.Consider(Judge(before, typed, guess));
    }
    for (const int row : changed) {
        for (int other = 0; other < rows; ++other) {
            if (other == row || (other < row && Contains(changed, other))) continue;
            const RowOperation swap =
                RowOperation::Swap(std::min(row, other), std::max(row, other));
            best.Consider(Judge(before, typed, {swap}));
        }
    }
    if (changed.size() == 1) ConsiderMisplacements(before, typed, changed.front(), best);
    if (best.Best()) return best.Best()->diagnosis;
    // Nothing to compare with (a single row that was zero): every change is wrong.
    Diagnosis d;
    d.wrongCells = WrongCells(typed, before);
    return d;
}

Diagnosis DiagnoseNamedStep(const MatrixRows& before, const MatrixRows& typed,
                            const std::vector<RowOperation>& named) {
    BestCandidate best;
    for (std::size_t at = 0; at < named.size(); ++at)
        ConsiderNamedSlips(before, typed, named, at, best);
    if (best.Best()) {
        Diagnosis d = best.Best()->diagnosis;
        if (d.kind == SlipKind::kPartialRow) {
            for (const GridCell& cell : d.wrongCells) {
                if (d.untouchedFrom.empty() || d.untouchedFrom.back().row != cell.row)
                    d.untouchedFrom.push_back(cell);
            }
        }
        return d;
    }
    if (auto other = RecogniseStep(before, typed)) {
        Diagnosis d;
        d.kind = SlipKind::kOtherStep;
        d.intended = named;
        d.other = std::move(*other);
        d.wrongCells = WrongCells(typed, Applied(before, named));
        return d;
    }
    return Judge(before, typed, named).diagnosis;
}

}  // namespace korvane
