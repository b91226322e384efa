#include "main/engine/RowArithmetic.h"

namespace korvane {

ComplexFraction SubtractProduct(const ComplexFraction& target, const ComplexFraction& source,
                                const ComplexFraction& factor) {
    return CpxSub(target, CpxMul(source, factor));
}

}  // namespace korvane
