#pragma once

#include <QTextCharFormat>
#include <QTextCursor>
#include <string_view>

namespace korvane {

// Writes a number's canonical text at cursor as a reader of mathematics
// expects it, in format: a true minus sign, spaces around the sign between
// the parts, and each fraction as a raised numerator, a slash and a lowered
// denominator ("1/2+3i/4" as ¹/₂ + ³/₄i). Any other text is written as it
// stands.
void TypesetNumber(QTextCursor& cursor, std::string_view text, const QTextCharFormat& format);

// About how many character widths the typeset number takes: for fitting a
// matrix to the page before it is laid out.
double TypesetWidth(std::string_view text);

}  // namespace korvane
