// Weighing typed matrices against a right step, shared by both diagnoses.
#include "core/practice/SlipEvidence.h"

#include <algorithm>
#include <string>
#include <tuple>

#include "core/practice/StepRecognition.h"

namespace korvane::slips {

namespace {

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

// Whether the operations only move row by swaps and compute nothing in it:
// its entries are copied, and a copy has no sign to get wrong.
bool OnlyMoved(const std::vector<RowOperation>& operations, int row) {
    bool moved = false;
    for (const RowOperation& op : operations) {
        if (op.kind != RowOperation::Kind::kSwap) {
            if (op.target == row) return false;
        } else if (op.target == row || op.source == row) {
            moved = true;
        }
    }
    return moved;
}

// How much writing the step meant takes: its operations, then the digits
// of their factors (signs aside), then how large those digits read.
// Students reach for the plainer step.
std::tuple<std::size_t, std::size_t, std::string> Effort(
    const std::vector<RowOperation>& operations) {
    std::string digits;
    for (const RowOperation& op : operations) {
        if (op.kind == RowOperation::Kind::kSwap) continue;
        for (const char c : CpxText(op.factor)) {
            if (c >= '0' && c <= '9') digits += c;
        }
    }
    return {operations.size(), digits.size(), digits};
}

}  // namespace

void BestCandidate::Consider(Candidate candidate) {
    const auto key = [this](const Candidate& c) {
        return std::tuple(c.slips, Specificity(c.diagnosis.kind), c.diagnosis.intended != expected_,
                          Effort(c.diagnosis.intended));
    };
    if (!best_ || key(candidate) < key(*best_)) best_ = std::move(candidate);
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

std::vector<ComplexFraction> TopMultiples(const MatrixRow& from, const MatrixRow& to,
                                          const MatrixRow& by) {
    std::vector<std::pair<ComplexFraction, int>> votes;
    int most = 0;
    for (std::size_t c = 0; c < by.size(); ++c) {
        if (CpxIsZero(by[c]) || to[c] == from[c]) continue;
        const ComplexFraction vote = QuotientOf(CpxSub(to[c], from[c]), by[c]);
        auto same = std::find_if(votes.begin(), votes.end(),
                                 [&](const auto& entry) { return entry.first == vote; });
        if (same == votes.end()) same = votes.insert(votes.end(), {vote, 0});
        most = std::max(most, ++same->second);
    }
    std::vector<ComplexFraction> top;
    for (const auto& [vote, count] : votes) {
        if (count == most) top.push_back(vote);
    }
    return top;
}

std::optional<ComplexFraction> VoteMultiple(const MatrixRow& from, const MatrixRow& to,
                                            const MatrixRow& by) {
    std::vector<ComplexFraction> top = TopMultiples(from, to, by);
    if (top.empty()) return std::nullopt;
    return std::move(top.front());
}

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
        return !OnlyMoved(intended, cell.row) &&
               IsSignSlip(before[cell.row][cell.col], typed[cell.row][cell.col],
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

}  // namespace korvane::slips
