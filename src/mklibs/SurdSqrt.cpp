#include <flint/fmpz.h>
#include <flint/fmpz_factor.h>

#include "mklibs/RawInteger.h"
#include "mklibs/Surd.h"

namespace korvane {

namespace {

// n = outside²·inside with inside square-free, for n > 0 (FLINT factors n).
void SplitSquare(const Integer& n, Integer& outside, Integer& inside) {
    fmpz_factor_t factors;
    fmpz_factor_init(factors);
    fmpz_factor(factors, RawInteger::Of(n));
    outside = 1;
    inside = 1;
    for (slong k = 0; k < factors->num; ++k) {
        Integer prime;
        fmpz_set(RawInteger::Of(prime), factors->p + k);
        const ulong exponent = factors->exp[k];
        for (ulong e = 0; e < exponent / 2; ++e)
            outside = outside * prime;
        if (exponent % 2 == 1) inside = inside * prime;
    }
    fmpz_factor_clear(factors);
}

}  // namespace

Surd SurdSqrt(const Fraction& q) {
    if (q.num.IsZero()) return SurdZero();
    // √(n/m) = √(|n|·m)/m, times i for a negative n.
    Integer outside, inside;
    SplitSquare(q.num.Abs() * q.den, outside, inside);
    const Fraction coefficient = FracReduce({outside, q.den});
    const ComplexFraction root =
        q.num.Sign() < 0 ? ComplexFraction{{}, coefficient} : ComplexFraction{coefficient, {}};
    if (inside.IsOne()) return SurdFromCpx(root);
    return {{}, root, inside};
}

}  // namespace korvane
