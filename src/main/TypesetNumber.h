#pragma once

#include <QTextCharFormat>
#include <QTextCursor>
#include <string_view>

class QFont;
class QPaintDevice;

namespace korvane {

// The sizes of the log on paper: the text's, and the smallest, of the
// numerals of a fraction, an exponent and an index.
constexpr qreal kBodyPoints = 10.5;
constexpr qreal kScriptPoints = 8;

// format at the script size, raised (an exponent, a numerator) or lowered
// (an index, a denominator).
QTextCharFormat Raised(const QTextCharFormat& format);
QTextCharFormat Lowered(const QTextCharFormat& format);

// Writes a number's canonical text at cursor as a reader of mathematics
// expects it, in format: a true minus sign, spaces around the sign between
// the parts, and each fraction as a raised numerator, a slash and a lowered
// denominator at the script size ("1/2+3i/4" as ¹/₂ + ³/₄i). Any other text
// is written as it stands.
void TypesetNumber(QTextCursor& cursor, std::string_view text, const QTextCharFormat& format);

// How wide TypesetNumber sets the text in font (at the body size) on device.
qreal TypesetWidth(std::string_view text, const QFont& font, QPaintDevice* device);

}  // namespace korvane
