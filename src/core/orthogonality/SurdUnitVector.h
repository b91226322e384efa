#pragma once

// A vector over one square root divided by its norm. Its squared norm
// N = a + b√d (d > 0) is real and positive, but √N may lie outside the
// field: then the entries are written with a nested root, the textbook's
// (1+√5)/√(10+2√5), the vector first scaled by a positive rational so that
// its entries and the radicand have integer coefficients.
#include <optional>
#include <string>
#include <vector>

#include "mklibs/Surd.h"

namespace korvane {

struct SurdUnitVector {
    // w = t·u, t > 0 rational, with Gaussian-integer coefficients and no
    // common factor, so u/√N = w/√M.
    std::vector<Surd> w;
    // M = ⟨w, w⟩.
    Surd m;
    // √M when every entry w/√M is one number of a single square root.
    std::optional<Surd> root;
};

// √n of a real n > 0 as one number of a single square root: for rational n
// its exact root, for n = a + b√d the denesting √((a+c)/2) ± √((a−c)/2)
// when a² − b²d = c² with c rational and the result needs no second root;
// nothing otherwise.
std::optional<Surd> RootInField(const Surd& n);

// u/√n, n = ⟨u, u⟩ > 0.
SurdUnitVector UnitVectorOf(const std::vector<Surd>& u, const Surd& n);
// x/√M for an x of the vector's field: the rationalised surd when √M is in
// the field, else "(1+√5)/√(10+2√5)", "-2/√(10+2√5)", "(1+√5)/√6".
std::string OverNormText(const SurdUnitVector& unit, const Surd& x);
// The entries' texts.
std::vector<std::string> UnitVectorTexts(const std::vector<Surd>& u, const Surd& n);
// √n: "√6", "1+√2", "√((5+√5)/2)".
std::string NormText(const Surd& n);

}  // namespace korvane
