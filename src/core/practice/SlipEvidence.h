#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "core/practice/SlipDiagnosis.h"

namespace korvane::slips {

// What the two diagnoses weigh typed matrices with.

// An explanation of the typed matrix and how many separate slips it needs.
struct Candidate {
    Diagnosis diagnosis;
    std::size_t slips = 0;
};

// The explanation needing fewest slips; among equals the more specific
// kind, then the step the exercise calls for next (expected, when given),
// then the plainer step (fewer operations, factors of fewer and smaller
// digits), then the one found first.
class BestCandidate {
  public:
    explicit BestCandidate(std::vector<RowOperation> expected = {})
        : expected_(std::move(expected)) {}
    void Consider(Candidate candidate);
    const std::optional<Candidate>& Best() const { return best_; }

  private:
    std::vector<RowOperation> expected_;
    std::optional<Candidate> best_;
};

// The typed entries that differ from expected, row by row.
std::vector<GridCell> WrongCells(const MatrixRows& typed, const MatrixRows& expected);

// The m for which from + m × by agrees with to in the most entries, voted
// by the entries that changed where by is not zero: every m with the most
// votes, leftmost first. Empty when no such entry changed.
std::vector<ComplexFraction> TopMultiples(const MatrixRow& from, const MatrixRow& to,
                                          const MatrixRow& by);
// The first of TopMultiples, the leftmost, where a student starts.
std::optional<ComplexFraction> VoteMultiple(const MatrixRow& from, const MatrixRow& to,
                                            const MatrixRow& by);

// How typed departs from the result of intended on before, cell by cell: a
// partly done row, flipped signs, one entry, or several.
Candidate Judge(const MatrixRows& before, const MatrixRows& typed,
                const std::vector<RowOperation>& intended);

// The same count for one row: how many slips lead from right to typed when
// the row was before.
std::size_t RowSlips(const MatrixRow& before, const MatrixRow& typed, const MatrixRow& right);

}  // namespace korvane::slips
