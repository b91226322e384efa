#pragma once

// The closed forms of Aⁿ and e^{tA}: each entry is a linear combination of
// the modes a Jordan block contributes. For a block of eigenvalue λ, the
// mode of order j is C(n,j)·λ^(n-j) in the power and t^j/j!·e^(λt) in the
// exponential; both obey one shift rule, M(λ,j) ↦ λ·M(λ,j) + M(λ,j-1)
// (Pascal's rule for n ↦ n + 1, the derivative for t). The numbers are the
// field's: complex rationals, or surds for quadratic eigenvalues.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/engine/ComplexRationals.h"
#include "core/jordan/JordanNumbers.h"
#include "mklibs/mklibs.h"

namespace korvane {

// The binomial coefficient C(n,k) for 0 ≤ k, 0 when n < k.
ComplexFraction Binomial(std::int64_t n, int k);

// z^k for k ≥ 0 by repeated squaring.
template <EngineField F>
typename F::Number FieldPower(const typename F::Number& z, std::int64_t k) {
    typename F::Number result = F::One();
    typename F::Number square = z;
    for (std::int64_t e = k; e > 0; e >>= 1) {
        if ((e & 1) != 0) result = F::Mul(result, square);
        if (e > 1) square = F::Mul(square, square);
    }
    return result;
}
ComplexFraction CpxPower(const ComplexFraction& z, std::int64_t k);

template <EngineField F>
struct BasicModeTerm {
    typename F::Number eigenvalue;
    int order = 0;  // j
    typename F::Number coefficient;
};

// A sum of distinct modes with nonzero coefficients, grouped by eigenvalue
// in the order the eigenvalues came, by order within a group.
template <EngineField F>
class BasicModeSum {
  public:
    using Number = typename F::Number;
    using Term = BasicModeTerm<F>;

    // Adds coefficient·M(eigenvalue, order), merging an equal mode.
    void Add(const Number& eigenvalue, int order, const Number& coefficient) {
        if (F::IsZero(coefficient)) return;
        const auto same = std::find_if(terms_.begin(), terms_.end(), [&](const Term& t) {
            return t.order == order && t.eigenvalue == eigenvalue;
        });
        if (same != terms_.end()) {
            same->coefficient = F::Add(same->coefficient, coefficient);
            if (F::IsZero(same->coefficient)) terms_.erase(same);
            return;
        }
        // λ^n before n·λ^(n-1) within the group of λ.
        auto place = terms_.end();
        for (auto t = terms_.begin(); t != terms_.end(); ++t) {
            if (!(t->eigenvalue == eigenvalue)) continue;
            place = t + 1;
            if (t->order > order) {
                place = t;
                break;
            }
        }
        terms_.insert(place, {eigenvalue, order, coefficient});
    }
    void AddScaled(const BasicModeSum& other, const Number& factor) {
        if (F::IsZero(factor)) return;
        for (const Term& t : other.terms_)
            Add(t.eigenvalue, t.order, F::Mul(t.coefficient, factor));
    }
    const std::vector<Term>& Terms() const { return terms_; }
    bool IsZero() const { return terms_.empty(); }

    // The value of the power's modes at the integer n ≥ 0: C(n,j)·λ^(n-j),
    // which is 0 for n < j (and 0^0 = 1).
    Number PowerValue(std::int64_t n) const {
        Number value = F::Zero();
        for (const Term& t : terms_) {
            if (n < t.order) continue;
            const Number mode = F::Mul(FromComplex<F>(Binomial(n, t.order)),
                                       FieldPower<F>(t.eigenvalue, n - t.order));
            value = F::Add(value, F::Mul(t.coefficient, mode));
        }
        return value;
    }
    // The value of the exponential's modes at t = 0.
    Number ValueAtZero() const {
        Number value = F::Zero();
        for (const Term& t : terms_) {
            if (t.order == 0) value = F::Add(value, t.coefficient);
        }
        return value;
    }
    // Every mode shifted by the rule above.
    BasicModeSum Shifted() const {
        BasicModeSum shifted;
        for (const Term& t : terms_) {
            shifted.Add(t.eigenvalue, t.order, F::Mul(t.coefficient, t.eigenvalue));
            if (t.order > 0) shifted.Add(t.eigenvalue, t.order - 1, t.coefficient);
        }
        return shifted;
    }

    friend bool operator==(const BasicModeSum& a, const BasicModeSum& b) {
        BasicModeSum difference = a;
        difference.AddScaled(b, F::Neg(F::One()));
        return difference.IsZero();
    }

  private:
    std::vector<Term> terms_;
};

using ModeTerm = BasicModeTerm<ComplexRationals>;
using ModeSum = BasicModeSum<ComplexRationals>;

template <EngineField F>
using BasicModeMatrix = std::vector<std::vector<BasicModeSum<F>>>;  // [row][col]
using ModeMatrix = BasicModeMatrix<ComplexRationals>;

}  // namespace korvane
