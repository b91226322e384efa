#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "core/practice/SlipDiagnosis.h"

namespace korvane::slips {

// What the two diagnoses weigh typed matrices with.

// An explanation of the typed matrix and how many separate slips it needs.
// The one needing fewest wins; among equals the more specific kind, then
// the one found first.
struct Candidate {
    Diagnosis diagnosis;
    std::size_t slips = 0;
};

class BestCandidate {
  public:
    void Consider(Candidate candidate);
    const std::optional<Candidate>& Best() const { return best_; }

  private:
    std::optional<Candidate> best_;
};

// The typed entries that differ from expected, row by row.
std::vector<GridCell> WrongCells(const MatrixRows& typed, const MatrixRows& expected);

// The m for which from + m × by agrees with to in the most entries, voted
// by the entries that changed where by is not zero; ties go to the
// leftmost, where a student starts. Nothing when no such entry changed.
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
