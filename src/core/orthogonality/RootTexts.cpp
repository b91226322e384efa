#include "core/orthogonality/RootTexts.h"

#include "mklibs/Surd.h"

namespace korvane {

namespace {

Surd Real(const Fraction& q) {
    return SurdFromCpx({q, Fraction{}});
}

}  // namespace

std::string RootText(const Fraction& n) {
    return SurdText(SurdSqrt(n));
}

std::string OverRootText(const Fraction& c, const Fraction& n) {
    return SurdText(SurdMul(Real(c), SurdInv(SurdSqrt(n))));
}

std::string UnitEntryText(const ComplexFraction& z, const Fraction& n) {
    return SurdText(SurdMul(SurdFromCpx(z), SurdInv(SurdSqrt(n))));
}

std::string TimesRootText(const ComplexFraction& z, const Fraction& n) {
    return SurdText(SurdMul(SurdFromCpx(z), SurdSqrt(n)));
}

}  // namespace korvane
