#pragma once

// The formulas in the log's sentences, found and typeset: the plain log
// writes λ^2, pₖ₋₁(λ), 1/2, t1 and (1,2) as text, the marked-up forms set
// them as mathematics.
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// A piece of a log sentence: prose, or a formula in the log's notation.
struct SentencePiece {
    bool formula = false;
    std::string text;
};

// The sentence cut into prose and formulas. A formula is a run of the
// notation's characters (ASCII, λ, ≈, ≠, …, subscripts) between Japanese
// characters that holds a letter, an operator or a bracket; whole numbers
// ("2か所", "1行目") and entry positions ("(1,4)成分") stay prose. The blanks
// around a formula stay with the prose.
std::vector<SentencePiece> SplitFormulas(std::string_view sentence);

// A formula as TeX math, without delimiters: λ^2 as \lambda^{2}, 1/2 as
// \frac{1}{2}, pₖ₋₁ and t1 with subscripts, h(k,k) as h_{k,k}, a tuple of
// numbers after "=" or a matrix's name as a column vector.
std::string LatexFormula(std::string_view formula);
// The same as MathML, to stand inside <math>.
std::string MathmlFormula(std::string_view formula);

}  // namespace korvane
