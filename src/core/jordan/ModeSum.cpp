#include "core/jordan/ModeSum.h"

#include "mklibs/Polynomial.h"

namespace korvane {

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
    return FieldPower<ComplexRationals>(z, k);
}

}  // namespace korvane
