#pragma once

// The ranks of the powers of N = A − λI for one eigenvalue, each power
// printed with its reduced form, up to the power whose rank is n − m
// (m the algebraic multiplicity), where the ranks stop falling.
#include <string>
#include <vector>

#include "core/StepLog.h"
#include "core/engine/MatrixArithmetic.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

template <EngineField F>
struct BasicPowerRanks {
    // ranks[k] = rank N^k, ranks[0] = n; the last one is n − m.
    std::vector<int> ranks;
    // reduced[k]: N^k in reduced row echelon form (reduced[0] unused).
    std::vector<BasicWorkMatrix<F>> reduced;
    // The number of Jordan blocks of each size k ≥ 1 (index k).
    std::vector<int> blockCounts;

    int LargestBlock() const { return static_cast<int>(ranks.size()) - 1; }
    // A basis of ker N^k (empty for k = 0).
    std::vector<BasicVector<F>> KernelOfPower(int k) const;
};
using PowerRanks = BasicPowerRanks<ComplexRationals>;

// "(A - 2I)^3", "A - 2I" for k = 1; "A^2" for λ = 0.
template <class Value>
std::string ShiftedPowerName(const Value& eigenvalue, int k);
// "r₃"
std::string RankName(int k);

// Logs rank N^k for k = 1, 2, … and the block counts from their
// differences, as a textbook derives them.
template <EngineField F>
BasicPowerRanks<F> LoggedPowerRanks(const BasicWorkMatrix<F>& a, const typename F::Number& eigenvalue,
                                    int algebraic, StepLog& log);

// The rank of a matrix by an unlogged reduction.
template <EngineField F>
int RankOf(BasicWorkMatrix<F> matrix);
// The matrix with these columns.
template <EngineField F>
BasicWorkMatrix<F> MatrixOfColumns(const std::vector<BasicVector<F>>& columns, int rows);

}  // namespace korvane
