#pragma once

// What may stand around a LaTeX matrix without changing it: math
// delimiters, a label such as "A =", \left( … \right), punctuation.
#include <string_view>

namespace korvane {

// pmatrix, bmatrix, array and the other environments a matrix is set in.
bool IsMatrixEnvironment(std::string_view name);

// Takes \left or \right (command) and its delimiter off text's front:
// "\left(", "\right\}", "\left."; false when command does not stand there.
// Throws PasteError (kUnreadable) for the command without a delimiter.
bool TakeSizedDelimiter(std::string_view& text, std::string_view command);

// Checks the text before a matrix environment: math openers ($, \[,
// \begin{equation}), a label up to its "=" and a \left delimiter may stand
// there. Throws PasteError (kSurroundingText) for anything else, such as a
// factor (2, -, \frac{1}{2}) or an operator's name.
void CheckTextBeforeMatrix(std::string_view before);

// Checks the text after a matrix (after \end{…} or a bare body's \right):
// a \right delimiter, math closers, \\, \label, \tag and punctuation. Throws
// PasteError: kTwoMatrices when a second matrix follows, kSurroundingText
// for anything else (^T, ^{-1}, \cdot).
void CheckTextAfterMatrix(std::string_view after);

}  // namespace korvane
