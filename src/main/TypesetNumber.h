#pragma once

#include <QTextCursor>
#include <string_view>

namespace korvane {

// Writes a number's canonical text at cursor as a reader of mathematics
// expects it: a true minus sign, and each fraction stacked, its numerator
// over a rule over its denominator ("1/2+3i/4" as ½ + ¾i, stacked). Any
// other text is written as it stands.
void TypesetNumber(QTextCursor& cursor, std::string_view text);

}  // namespace korvane
