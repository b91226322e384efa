#pragma once

#include <string>
#include <string_view>

namespace korvane {

// The text a copy writes for a cell in a parameter letter ("1 - a", "2 a"),
// which every copy form reads back as the same expression, defined at the
// same values: the text without blanks and with look-alike characters
// folded ("1-a", "2a") where that reads so, else the value's canonical
// text, with (p)/(p) after it for the values where the cell as typed means
// nothing but its value would ((a^2-1)/(a i-i) as (a+1)(a-1)/(a-1)·(-i)'s
// text). What the grid shows stays as typed.
std::string ParameterCopyText(std::string_view typed);

}  // namespace korvane
