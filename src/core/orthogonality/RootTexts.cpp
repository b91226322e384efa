#include "core/orthogonality/RootTexts.h"

#include <string_view>

#include "mklibs/Surd.h"

namespace korvane {

namespace {

// Up to this size the radicand is factored whole; beyond, factoring could
// take minutes that no stop interrupts.
constexpr std::string_view kFactoredWhole = "1000000000000000000000000000000000000";
constexpr std::int64_t kLargestTrialPrime = 3000;

bool IsPrime(std::int64_t p) {
    for (std::int64_t d = 2; d * d <= p; ++d) {
        if (p % d == 0) return false;
    }
    return p >= 2;
}

// √q for a large q ≥ 0: the squares of the small primes drawn out of the
// radicand, the rest left under the root (exact, though a square of a large
// prime may stay inside).
Surd LargeRoot(const Fraction& q) {
    Integer inside = q.num * q.den;
    Integer outside = 1;
    for (std::int64_t p = 2; p <= kLargestTrialPrime; ++p) {
        if (!IsPrime(p)) continue;
        const Integer square = Integer(p) * Integer(p);
        while (Gcd(inside, square) == square) {
            inside = DivideExact(inside, square);
            outside = outside * Integer(p);
        }
    }
    const ComplexFraction coefficient{FracReduce({outside, q.den}), Fraction{}};
    if (inside.IsOne()) return SurdFromCpx(coefficient);
    return {{}, coefficient, inside};
}

Surd Real(const Fraction& q) {
    return SurdFromCpx({q, Fraction{}});
}

}  // namespace

Surd RootOf(const Fraction& q) {
    static const Integer factoredWhole = Integer::FromDecimal(kFactoredWhole);
    if (q.num.Abs() * q.den < factoredWhole) return SurdSqrt(q);
    return LargeRoot(q);
}

std::string RootText(const Fraction& n) {
    return SurdText(RootOf(n));
}

std::string OverRootText(const Fraction& c, const Fraction& n) {
    return SurdText(SurdMul(Real(c), SurdInv(RootOf(n))));
}

std::string UnitEntryText(const ComplexFraction& z, const Fraction& n) {
    return SurdText(SurdMul(SurdFromCpx(z), SurdInv(RootOf(n))));
}

std::string TimesRootText(const ComplexFraction& z, const Fraction& n) {
    return SurdText(SurdMul(SurdFromCpx(z), RootOf(n)));
}

}  // namespace korvane
