#pragma once

#include <string>
#include <string_view>

#include "mklibs/Errors.h"

namespace korvane {

// The kinds of text the paste reader recognises.
enum class PasteFormat {
    kTabSeparated,        // spreadsheets
    kCommaSeparated,      // CSV
    kSemicolonSeparated,  // CSV where the comma is the decimal sign
    kBlankSeparated,      // rows of cells between spaces or tabs
    kMatlab,              // [1 2; 3 4]
    kNestedLists,         // Python, JSON: [[1, 2], [3, 4]]
    kMathematica,         // {{1, 2}, {3, 4}}
    kLatex,               // pmatrix, bmatrix, matrix, array bodies
    kMarkdownTable,       // | 1 | 2 |
    kJulia,               // under Julia's "2×2 Matrix{Int64}:"
    kSympyPretty,         // SymPy's pretty print between ⎡ ⎤ ⎢ ⎥ ⎣ ⎦
};

// Why a text could not be pasted. what() is the Japanese message the window
// shows; the details let another front end word it its own way.
class PasteError : public Error {
  public:
    enum class Kind {
        kEmpty,             // nothing but blanks
        kUnreadable,        // not shaped as a matrix of any known kind
        kRagged,            // row has count cells where the first row has expected
        kTooLarge,          // rows × cols is beyond 10 × 10
        kBadCell,           // the cell at (row, col) is not a number
        kDivisionByZero,    // the cell at (row, col) divides by zero
        kControlCharacter,  // the cell at (row, col) holds a control character
        kDoesNotFit,        // rows × cols pasted at (row, col) reaches past 10 × 10
        kExponentTooLarge,  // the cell at (row, col) has an exponent beyond kMaxExponent
        kSurroundingText,   // text beside the matrix would change it, such as 2 or ^T
        kTwoMatrices,       // the text holds a second matrix
        kRootRefused,       // the cell at (row, col) is written with a root that has no value
                            // here (reason): unreadable, or a second root in the matrix
        kTwoLetters,        // the cell at (row, col) is in another letter than a cell before
    };
    // Rows and columns counted from 1.
    struct Details {
        Kind kind = Kind::kUnreadable;
        int row = 0;
        int col = 0;
        int count = 0;
        int expected = 0;
        int rows = 0;
        int cols = 0;
        // The cell's text, shortened; the character's code, such as 0x01; the
        // text beside the matrix.
        std::string cell;
        // kRootRefused: the sentence saying why.
        std::string reason;
        // kTwoLetters: the letter of the cells before, then the cell's own.
        char firstLetter = '\0';
        char secondLetter = '\0';
    };

    explicit PasteError(Details details);
    static PasteError Of(Kind kind);  // kEmpty, kUnreadable, kTwoMatrices
    static PasteError Ragged(int row, int count, int expected);
    static PasteError TooLarge(int rows, int cols);
    // A cell at (row, col): kBadCell, kDivisionByZero, kControlCharacter.
    static PasteError AtCell(Kind kind, int row, int col, std::string cell = {});
    // kRootRefused at the cell (row, col) with the sentence saying why.
    static PasteError RootRefused(int row, int col, std::string cell, std::string reason);
    // kSurroundingText: the text beside the matrix, shortened.
    static PasteError Beside(std::string_view text);
    // kTwoLetters: the cell at (row, col) is in letter second, cells before
    // it in first.
    static PasteError TwoLetters(int row, int col, std::string cell, char first, char second);
    // A block of rows × cols pasted at (row, col).
    static PasteError DoesNotFit(int rows, int cols, int row, int col);

    const Details& details() const { return details_; }

  private:
    Details details_;
};

// A text for a message: at most about 40 bytes, cut between characters,
// with "…" where it was cut; control characters and blanks shown as spaces,
// bytes that are no UTF-8 as U+FFFD.
std::string ShortenedText(std::string_view text);

}  // namespace korvane
