#include "main/engine/RowArithmetic.h"

#include <flint/fmpq.h>
#include <flint/fmpz.h>

#include <cassert>
#include <type_traits>

namespace korvane {

namespace {

// An Integer is one fmpz word (its header says so), so FLINT's rational
// kernels can work on it directly: they reduce with fewer and smaller gcds
// than a product followed by a difference, and reuse the target's limbs.
static_assert(std::is_standard_layout_v<Integer> && sizeof(Integer) == sizeof(fmpz));

fmpz* Raw(Integer& value) {
    return reinterpret_cast<fmpz*>(&value);
}

const fmpz* Raw(const Integer& value) {
    return reinterpret_cast<const fmpz*>(&value);
}

// x := x − a·b (or x + a·b when add); a zero factor leaves x as it is.
void MultiplyInto(Fraction& x, const Fraction& a, const Fraction& b, bool add) {
    if (a.num.IsZero() || b.num.IsZero()) return;
    if (add) {
        _fmpq_addmul(Raw(x.num), Raw(x.den), Raw(a.num), Raw(a.den), Raw(b.num), Raw(b.den));
    } else {
        _fmpq_submul(Raw(x.num), Raw(x.den), Raw(a.num), Raw(a.den), Raw(b.num), Raw(b.den));
    }
}

}  // namespace

void SubtractProduct(ComplexFraction& target, const ComplexFraction& source,
                     const ComplexFraction& factor) {
    assert(&target != &factor && &target != &source);
    // (t.re − s.re·f.re + s.im·f.im) + (t.im − s.re·f.im − s.im·f.re)·i
    MultiplyInto(target.re, source.re, factor.re, false);
    MultiplyInto(target.re, source.im, factor.im, true);
    MultiplyInto(target.im, source.re, factor.im, false);
    MultiplyInto(target.im, source.im, factor.re, false);
}

}  // namespace korvane
