#pragma once

// The closed forms of Aⁿ and e^{tA}: each entry is a linear combination of
// the modes a Jordan block contributes. For a block of eigenvalue λ, the
// mode of order j is C(n,j)·λ^(n-j) in the power and t^j/j!·e^(λt) in the
// exponential; both obey one shift rule, M(λ,j) ↦ λ·M(λ,j) + M(λ,j-1)
// (Pascal's rule for n ↦ n + 1, the derivative for t).
#include <cstdint>
#include <vector>

#include "mklibs/mklibs.h"

namespace korvane {

struct ModeTerm {
    ComplexFraction eigenvalue;
    int order = 0;  // j
    ComplexFraction coefficient;
};

// A sum of distinct modes with nonzero coefficients, in the order they were
// first added.
class ModeSum {
  public:
    // Adds coefficient·M(eigenvalue, order), merging an equal mode.
    void Add(const ComplexFraction& eigenvalue, int order, const ComplexFraction& coefficient);
    void AddScaled(const ModeSum& other, const ComplexFraction& factor);
    const std::vector<ModeTerm>& Terms() const { return terms_; }
    bool IsZero() const { return terms_.empty(); }

    // The value of the power's modes at the integer n ≥ 0: C(n,j)·λ^(n-j),
    // which is 0 for n < j (and 0^0 = 1).
    ComplexFraction PowerValue(std::int64_t n) const;
    // The value of the exponential's modes at t = 0.
    ComplexFraction ValueAtZero() const;
    // Every mode shifted by the rule above.
    ModeSum Shifted() const;

    friend bool operator==(const ModeSum& a, const ModeSum& b);

  private:
    std::vector<ModeTerm> terms_;
};

using ModeMatrix = std::vector<std::vector<ModeSum>>;  // [row][col]

// The binomial coefficient C(n,k) for 0 ≤ k, 0 when n < k.
ComplexFraction Binomial(std::int64_t n, int k);
// z^k for k ≥ 0.
ComplexFraction CpxPower(const ComplexFraction& z, std::int64_t k);

}  // namespace korvane
