#pragma once

// The strict reader of a typed quadratic form such as "x^2 + 4xy + y^2".
#include <string_view>

#include "core/CellGrid.h"
#include "core/orthogonality/QuadraticForm.h"
#include "mklibs/Errors.h"

namespace korvane {

// A text that is not a quadratic form; what() names the place.
class FormError : public Error {
  public:
    explicit FormError(const std::string& message) : Error(message) {}
};

// The form's symmetric matrix in a grid and its variables.
struct TypedForm {
    CellGrid grid;
    QuadraticFormSource source;
};

// Reads terms joined by + and -, each an optional coefficient (an integer,
// a decimal or a fraction such as 3/2) and variables whose exponents add up
// to 2: "x^2", "x²", "3xy", "-x*z", "1/2 x1 x2". A variable is a lowercase
// letter other than i, optionally followed by digits (x1, x2, …: written
// x₁, x₂); at most ten. Variables are ordered by letter, then by number.
// Throws FormError naming the place of anything else: another character, a
// term of another degree, an exponent other than 1 or 2, a division by 0, a
// sign without a term.
TypedForm ReadQuadraticForm(std::string_view text);

}  // namespace korvane
