#pragma once

// The formulas of the log's sentences on paper, read as the marked-up forms
// read them (ReadFormula): letters in italic, exponents raised and indices
// lowered at the script size, a true minus sign, fractions as the entries'.
#include <QTextCharFormat>
#include <QTextCursor>
#include <string_view>

#include "core/formats/FormulaTree.h"

namespace korvane {

// Writes formula at cursor in format, on one line: a vector as a bracketed
// row of its entries.
void TypesetFormula(QTextCursor& cursor, const Formula& formula, const QTextCharFormat& format);

}  // namespace korvane
