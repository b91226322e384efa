#pragma once

#include <string>
#include <string_view>

#include "mklibs/Errors.h"
#include "mklibs/RationalFunction.h"

namespace korvane {

// The highest degree a numerator or a denominator read may have: enough
// for any exercise, and a typed (a+1)^100000 is refused at once instead of
// filling the memory.
inline constexpr int kMaxParameterDegree = 64;

// What reading an expression in a parameter gave.
struct ParameterReading {
    RationalFunction value;
    // The letter written, also when it cancels (a - a); '\0' when none is.
    char letter = '\0';
    // Monic and squarefree, vanishing exactly where the text divides by
    // zero, also where the value cancels that zero: (a^2-1)/(a-1) is a+1
    // but means nothing at a = 1. 1 when the text never divides by the
    // letter.
    Polynomial undefinedAt = Polynomial::Constant(CpxOne());
};

// Why a text is not an expression in one letter. what() is the whole
// message, "3文字目の「?」は読めません。"; place() the character it is about,
// counted from 1 (0 when it is about the whole text), and reason() the
// message without its place, for a caller that names the place its own way.
class ParameterTextError : public Error {
  public:
    ParameterTextError(int place, const std::string& reason);
    int place() const { return place_; }
    const std::string& reason() const { return reason_; }

  private:
    int place_;
    std::string reason_;
};

// Reads a rational expression over Q(i) in at most one parameter letter,
// strictly: a, 1-a, a^2+1, 2a/3, 1/(a-1), (a+1)(a-2), a^2/(a-1), 3i/4.
// Numerals are decimal (12, 1.5, .5, 1e-3), i is the imaginary unit, and a
// lowercase letter other than i, j and e (the unit and the exponent in
// other programs' numbers) is the parameter. Factors side by side multiply
// and bind tighter than * and /: 1/2a is 1/(2a), as 1/2i is 1/(2i) in a
// cell. Powers take an integer exponent (a^2, a^-1, a**2, a^(-1)). The
// unit may stand before the letter (ia, 2ia); other runs of letters (ai,
// pi, ab) are refused, as are two letters, a numeral after another factor
// (a 2), a degree beyond kMaxParameterDegree and sizes beyond reason.
// Blanks may stand between tokens; full-width digits and look-alike signs
// read as ASCII ones. Throws ParameterTextError with the place and reason.
ParameterReading ReadParameterExpression(std::string_view text);

}  // namespace korvane
