#include "core/jordan/ModeSum.h"

#include <algorithm>

#include "mklibs/Polynomial.h"

namespace korvane {

namespace {

bool SameMode(const ModeTerm& term, const ComplexFraction& eigenvalue, int order) {
    return term.order == order && CpxIsZero(CpxSub(term.eigenvalue, eigenvalue));
}

}  // namespace

ComplexFraction Binomial(std::int64_t n, int k) {
    if (k < 0 || n < k) return CpxZero();
    ComplexFraction value = CpxOne();
    for (int m = 0; m < k; ++m) {
        value = CpxMul(value, CpxOfInteger(n - m));
        value = CpxMul(value, CpxInv(CpxOfInteger(m + 1)));
    }
    return value;
}

ComplexFraction CpxPower(const ComplexFraction& z, std::int64_t k) {
    ComplexFraction result = CpxOne();
    ComplexFraction square = z;
    for (std::int64_t e = k; e > 0; e >>= 1) {
        if ((e & 1) != 0) result = CpxMul(result, square);
        if (e > 1) square = CpxMul(square, square);
    }
    return result;
}

void ModeSum::Add(const ComplexFraction& eigenvalue, int order,
                  const ComplexFraction& coefficient) {
    if (CpxIsZero(coefficient)) return;
    const auto same = std::find_if(terms_.begin(), terms_.end(), [&](const ModeTerm& t) {
        return SameMode(t, eigenvalue, order);
    });
    if (same == terms_.end()) {
        // Kept grouped by eigenvalue, in the order the eigenvalues came,
        // and by order within a group: λ^n before n·λ^(n-1).
        auto place = terms_.end();
        for (auto t = terms_.begin(); t != terms_.end(); ++t) {
            if (!CpxIsZero(CpxSub(t->eigenvalue, eigenvalue))) continue;
            place = t + 1;
            if (t->order > order) {
                place = t;
                break;
            }
        }
        terms_.insert(place, {eigenvalue, order, coefficient});
        return;
    }
    same->coefficient = CpxSum(same->coefficient, coefficient);
    if (CpxIsZero(same->coefficient)) terms_.erase(same);
}

void ModeSum::AddScaled(const ModeSum& other, const ComplexFraction& factor) {
    if (CpxIsZero(factor)) return;
    for (const ModeTerm& t : other.terms_)
        Add(t.eigenvalue, t.order, CpxMul(t.coefficient, factor));
}

ComplexFraction ModeSum::PowerValue(std::int64_t n) const {
    ComplexFraction value = CpxZero();
    for (const ModeTerm& t : terms_) {
        if (n < t.order) continue;
        const ComplexFraction mode =
            CpxMul(Binomial(n, t.order), CpxPower(t.eigenvalue, n - t.order));
        value = CpxSum(value, CpxMul(t.coefficient, mode));
    }
    return value;
}

ComplexFraction ModeSum::ValueAtZero() const {
    ComplexFraction value = CpxZero();
    for (const ModeTerm& t : terms_) {
        if (t.order == 0) value = CpxSum(value, t.coefficient);
    }
    return value;
}

ModeSum ModeSum::Shifted() const {
    ModeSum shifted;
    for (const ModeTerm& t : terms_) {
        shifted.Add(t.eigenvalue, t.order, CpxMul(t.coefficient, t.eigenvalue));
        if (t.order > 0) shifted.Add(t.eigenvalue, t.order - 1, t.coefficient);
    }
    return shifted;
}

bool operator==(const ModeSum& a, const ModeSum& b) {
    ModeSum difference = a;
    difference.AddScaled(b, CpxNeg(CpxOne()));
    return difference.IsZero();
}

}  // namespace korvane
