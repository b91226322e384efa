#pragma once

#include <string>
#include <string_view>

namespace korvane {

// The text a copy writes for a cell in a parameter letter ("1 - a", "2 a"),
// which every copy form reads back as the same expression, defined at the
// same values: the text without blanks and with look-alike characters
// folded ("1-a", "2a") where that reads so; else ("a i", whose "ai" is no
// expression) the value's canonical text ("ia"), with (p)/(p) after it for
// the values where the typed text divides by zero but its value does not.
// What the grid shows stays as typed.
std::string ParameterCopyText(std::string_view typed);

}  // namespace korvane
