#pragma once

// A linear recurrence with constant coefficients as typed, read strictly:
//   a(n+2) = a(n+1) + a(n); a(0) = 0; a(1) = 1
// The recurrence gives a(n+k) as a sum of multiples of a(n+j), j < k
// (indices n-1, n-2, … are taken as shifted); the other parts give
// a(0), …, a(k-1), each exactly once. Coefficients and values are exact
// numbers (2, -1/2, 1+i, (3-i)) before the term, optionally with * or ·.
// Anything else is refused with its place.
#include <string>
#include <string_view>
#include <vector>

#include "mklibs/Errors.h"
#include "mklibs/mklibs.h"

namespace korvane {

// A text that is not a recurrence; what() names the place and the reason.
class RecurrenceError : public Error {
  public:
    explicit RecurrenceError(const std::string& message) : Error(message) {}
};

struct Recurrence {
    char name = 'a';
    // a(n+k) = Σ coefficients[j]·a(n+j); k = coefficients.size().
    std::vector<ComplexFraction> coefficients;
    std::vector<ComplexFraction> initial;  // a(0), …, a(k-1)
};

// The largest order: the companion matrix fits the grid.
inline constexpr int kMaxRecurrenceOrder = 10;

Recurrence ReadRecurrence(std::string_view text);

// "a(n+2) = a(n+1) + a(n)", the recurrence as the log writes it; read back,
// it gives the same coefficients.
std::string RecurrenceText(const Recurrence& recurrence);
// "a(0) = 0, a(1) = 1"
std::string InitialValuesText(const Recurrence& recurrence);

}  // namespace korvane
