#pragma once

#include <string>
#include <string_view>

#include "core/formats/NumberParts.h"

namespace korvane {

// The written forms of an exact number, each read back to the same value by
// what reads that form: a TeX engine, a MathML renderer, MATLAB/Octave,
// Python with SymPy, Mathematica, and Korvane's own paste reader.
enum class NumberForm {
    kLatex,        // -\frac{1}{2}, \frac{1}{2}+\frac{3}{4}i
    kMathml,       // <mrow><mfrac><mn>1</mn><mn>2</mn></mfrac>…</mrow>
    kMatlab,       // 1/2+3i/4, 1i (never a bare i, which code may have shadowed)
    kPython,       // Rational(1, 2) + Rational(3, 4)*I
    kMathematica,  // 1/2 + (3*I)/4
};

std::string WriteNumber(const NumberParts& parts, NumberForm form);

// The canonical number text in the form, a canonical surd text too
// (WriteRootText); a text of any other shape comes back as it stands.
std::string WriteNumberText(std::string_view text, NumberForm form);

}  // namespace korvane
