#pragma once

// The paste reader's inside: each kind of text is cut into rows of raw
// cells here, and PasteReader.cpp reads the cells.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/formats/PasteError.h"

namespace korvane {

// Space, tab, CR or LF: the blanks between the cells of every kind of text.
bool IsAsciiBlank(char c);

// The text without the blanks at its ends.
std::string_view TrimBlanks(std::string_view text);

// How a cell cut out of the text is read.
enum class CellSyntax {
    kTyped,    // one number as typed (ReadStrictNumber): spreadsheet and CSV
               // fields, quoted strings; empty, it is a spreadsheet's empty cell, 0
    kTex,      // a LaTeX or Markdown entry; empty, it is 0, as books leave zeros blank
    kProgram,  // an entry of MATLAB, Python or Mathematica, never empty
    kRefused,  // written so that what it means is unclear: refused when read
};

// One cell as cut out of the text.
struct RawCell {
    std::string text;
    CellSyntax syntax = CellSyntax::kTyped;
};

// The cut-out rows: at most the first 10 × 10 cells are kept, but the
// counts are those of the whole text, so that a large block is refused with
// its true size.
struct RawTable {
    PasteFormat format = PasteFormat::kBlankSeparated;
    int rows = 0;
    int cols = 0;
    std::vector<std::vector<RawCell>> cells;
};

// Collects rows as a splitter finds them and refuses a ragged row at once,
// naming it. A row without cells is a blank line: skipped, except inside a
// one-column block, where it is a spreadsheet's empty cell.
class TableBuilder {
  public:
    explicit TableBuilder(PasteFormat format) { table_.format = format; }

    void Cell(std::string text, CellSyntax syntax);
    void EndRow();
    RawTable Finish();

  private:
    void AddRow(std::vector<RawCell> row, int count);

    RawTable table_;
    std::vector<RawCell> row_;
    int rowCount_ = 0;  // cells of the row being cut, kept or not
    int pendingBlanks_ = 0;
};

// The splitters, one per family; each throws PasteError.
RawTable SplitDelimited(std::string_view text);
// MATLAB, nested lists and Mathematica, after a label ("A = ", "Out[2]= ")
// and calls that only show the list ("Matrix(", "np.array(",
// "MatrixForm["); any other text beside the list is refused.
RawTable SplitBrackets(std::string_view text);
// The rows of a MATLAB body: ';' or a line break between rows, commas or
// blanks between cells (a blank before a sign starts a cell, as in MATLAB).
void SplitMatlabBody(std::string_view body, TableBuilder& table);
// One MATLAB row's cells, ended by the caller.
void SplitMatlabRow(std::string_view row, TableBuilder& table);
RawTable SplitLatex(std::string_view text);
RawTable SplitMarkdownTable(std::string_view text);
// SymPy's pretty print, one row a line between ⎡ ⎤, ⎢ ⎥ and ⎣ ⎦ (or [ ]),
// with spacer lines between the rows; nothing when text is not one.
std::optional<RawTable> SplitSympyPretty(std::string_view text);
// The matrix under a label line other programs print above it: Octave's
// and MATLAB's "A =", Julia's "2×2 Matrix{Int64}:"; nothing when the text
// starts with no such line.
std::optional<RawTable> SplitUnderLabel(std::string_view text);

[[noreturn]] void ThrowUnreadable();

// Calls line(text) for each line; CR LF, LF and a bare CR all end one.
template <typename LineFn>
void ForEachLine(std::string_view text, LineFn line) {
    std::size_t start = 0;
    for (std::size_t pos = 0; pos <= text.size(); ++pos) {
        if (pos < text.size() && text[pos] != '\n' && text[pos] != '\r') continue;
        line(text.substr(start, pos - start));
        if (pos + 1 < text.size() && text[pos] == '\r' && text[pos + 1] == '\n') ++pos;
        start = pos + 1;
    }
}

}  // namespace korvane
