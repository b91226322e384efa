#include "mklibs/FractionRounding.h"

#include "mklibs/RawInteger.h"

namespace korvane {

Integer NearestInteger(const Fraction& x) {
    // floor((2·num + den) / (2·den)), den being positive.
    const Integer numerator = x.num * 2 + x.den;
    const Integer denominator = x.den * 2;
    Integer result;
    fmpz_fdiv_q(RawInteger::Of(result), RawInteger::Of(numerator), RawInteger::Of(denominator));
    return result;
}

}  // namespace korvane
