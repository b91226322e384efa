// The slip behind a typed matrix when the student named the step: each named
// operation done another way is tried, each way one kind of slip.
#include "core/practice/SlipDiagnosis.h"

#include <algorithm>

#include "core/practice/SlipEvidence.h"
#include "core/practice/StepRecognition.h"

namespace korvane {

using slips::BestCandidate;

namespace {

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
            const auto factor = slips::VoteMultiple(ZeroRow(row.size()), typed[op.target], row);
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
                slips::VoteMultiple(prefix[op.target], typed[op.target], prefix[op.source]);
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
        d.wrongCells = slips::WrongCells(typed, expected);
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
        d.wrongCells = slips::WrongCells(typed, Applied(before, named));
        return d;
    }
    return slips::Judge(before, typed, named).diagnosis;
}

}  // namespace korvane
