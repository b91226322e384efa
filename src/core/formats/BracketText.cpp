// MATLAB/Octave, Python/JSON nested lists and Mathematica lists.
#include <array>
#include <string>
#include <vector>

#include "core/formats/PasteTable.h"
#include "mklibs/NumberTextFolding.h"

namespace korvane {

namespace {

char Closing(char open) {
    return open == '[' ? ']' : open == '{' ? '}' : ')';
}

// The position just after the bracket that closes the one at open, passing
// nested brackets and quoted strings; npos when it is never closed.
std::size_t AfterClosing(std::string_view text, std::size_t open) {
    if (text[open] == '"' || text[open] == '\'') {
        const std::size_t quote = text.find(text[open], open + 1);
        return quote == std::string_view::npos ? quote : quote + 1;
    }
    std::string stack;
    for (std::size_t pos = open; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"' || c == '\'') {
            pos = text.find(c, pos + 1);
            if (pos == std::string_view::npos) return pos;
        } else if (c == '[' || c == '{' || c == '(') {
            stack.push_back(Closing(c));
        } else if (c == ']' || c == '}' || c == ')') {
            if (stack.empty() || stack.back() != c) return std::string_view::npos;
            stack.pop_back();
            if (stack.empty()) return pos + 1;
        }
    }
    return std::string_view::npos;
}

// Splits a list's inside at its own commas (not those nested deeper).
std::vector<std::string_view> SplitTopLevel(std::string_view inside) {
    std::vector<std::string_view> items;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos <= inside.size(); ++pos) {
        if (pos < inside.size()) {
            const char c = inside[pos];
            if (c == '[' || c == '{' || c == '(' || c == '"' || c == '\'') {
                pos = AfterClosing(inside, pos);
                if (pos == std::string_view::npos) ThrowUnreadable();
                --pos;
                continue;
            }
            if (c != ',') continue;
        }
        items.push_back(TrimBlanks(inside.substr(start, pos - start)));
        start = pos + 1;
    }
    if (items.size() == 1 && items.front().empty()) items.clear();
    return items;
}

// A list item as a cell: a quoted string is a typed cell text, anything
// else an expression.
void AddItem(std::string_view item, TableBuilder& table, bool unclear = false) {
    if (unclear) {
        table.Cell(std::string(item), CellSyntax::kRefused);
    } else if (item.size() >= 2 && (item.front() == '"' || item.front() == '\'') &&
               item.back() == item.front()) {
        table.Cell(std::string(item.substr(1, item.size() - 2)), CellSyntax::kTyped);
    } else {
        table.Cell(std::string(item), CellSyntax::kProgram);
    }
}

// [[1, 2], [3, 4]] or {{1, 2}, {3, 4}}: a list of rows, or one row. An
// empty item ([1, , 2], or Python's trailing comma) is no cell to guess.
RawTable SplitNested(std::string_view list, PasteFormat format) {
    const char open = list.front();
    TableBuilder table(format);
    const std::vector<std::string_view> items = SplitTopLevel(list.substr(1, list.size() - 2));
    const bool rows = !items.empty() && items.front().starts_with(open);
    for (const std::string_view item : items) {
        if (!rows) {
            if (item.starts_with(open) || item.empty()) ThrowUnreadable();
            AddItem(item, table);
            continue;
        }
        if (!item.starts_with(open) || AfterClosing(item, 0) != item.size()) ThrowUnreadable();
        for (const std::string_view cell : SplitTopLevel(item.substr(1, item.size() - 2))) {
            if (cell.starts_with(open) || cell.empty()) ThrowUnreadable();  // a third level
            AddItem(cell, table);
        }
        table.EndRow();
    }
    if (!rows) table.EndRow();
    return table.Finish();
}

// NumPy's print of an array, "[[1 2]\n [3 4]]": rows in brackets side by
// side, cells between blanks as in MATLAB, no comma anywhere.
RawTable SplitNumpyPrint(std::string_view list) {
    TableBuilder table(PasteFormat::kNestedLists);
    std::string_view rows = TrimBlanks(list.substr(1, list.size() - 2));
    while (!rows.empty()) {
        const std::size_t end = rows.front() == '[' ? AfterClosing(rows, 0) : std::string_view::npos;
        if (end == std::string_view::npos) ThrowUnreadable();
        const std::string_view row = rows.substr(1, end - 2);
        if (row.find_first_of("[{") != std::string_view::npos) ThrowUnreadable();
        SplitMatlabRow(row, table);
        table.EndRow();
        rows = TrimBlanks(rows.substr(end));
    }
    return table.Finish();
}

// Whether the three bytes at text's front are a look-alike of + or − (the
// minus sign U+2212, dashes, full-width signs), all three bytes long.
bool IsLookAlikeSign(std::string_view text) {
    if (text.size() < 3 || static_cast<unsigned char>(text.front()) < 0x80) return false;
    const std::string folded = FoldNumberText(text.substr(0, 3));
    return folded == "-" || folded == "+";
}

bool IsOperator(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == '\\';
}

bool EndsInOperator(const std::string& cell) {
    return IsOperator(cell.back()) ||
           (cell.size() >= 3 && IsLookAlikeSign(std::string_view(cell).substr(cell.size() - 3)));
}

// What the blank run at row[pos..] does in a MATLAB row: "1 2" and "1 -2"
// are two cells, "1 - 2", "1 -\t2" and "1 * 2" one. With a typeset minus,
// "1 − 2" is unclear: MATLAB would subtract, a text from a document rather
// means two entries.
enum class Blank { kSeparates, kJoins, kUnclear };

Blank BlankBetween(std::string_view row, std::size_t pos, const std::string& cell) {
    std::size_t next = pos;
    while (next < row.size() && IsAsciiBlank(row[next]))
        ++next;
    if (cell.empty() || next == row.size() || row[next] == ',') return Blank::kJoins;
    const char after = row[next];
    if (EndsInOperator(cell) || cell.back() == '(') return Blank::kJoins;
    if (after == '*' || after == '/' || after == '^' || after == ')') return Blank::kJoins;
    const bool lookAlike = IsLookAlikeSign(row.substr(next));
    if (after != '+' && after != '-' && !lookAlike) return Blank::kSeparates;
    const std::size_t sign = lookAlike ? 3 : 1;
    const bool blankAfter = next + sign >= row.size() || IsAsciiBlank(row[next + sign]);
    if (!blankAfter) return Blank::kSeparates;
    return lookAlike ? Blank::kUnclear : Blank::kJoins;
}

// The calls around a list that only show it: SymPy's and NumPy's
// constructors, Mathematica's display forms.
constexpr std::array<std::string_view, 14> kShowingCalls{
    "Matrix",      "sympy.Matrix", "sp.Matrix", "ImmutableMatrix", "array",      "np.array",
    "numpy.array", "matrix",       "np.matrix", "numpy.matrix",    "np.asarray", "numpy.asarray",
    "MutableDenseMatrix", "ImmutableDenseMatrix"};
constexpr std::array<std::string_view, 4> kShowingForms{"MatrixForm", "TableForm",
                                                        "TraditionalForm", "InputForm"};

template <std::size_t N>
bool OneOf(const std::array<std::string_view, N>& names, std::string_view name) {
    for (const std::string_view n : names) {
        if (n == name) return true;
    }
    return false;
}

bool IsWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           c == '_' || c == '.';
}

// Reads the text before and after the list: a label, the showing calls
// around the list and what closes them.
class Surroundings {
  public:
    explicit Surroundings(std::string_view text) : text_(text) {}

    // The position of the list's opening bracket after the label and calls.
    std::size_t ListStart() {
        SkipBlanks();
        TakePrompt();
        TakeLabel();
        while (true) {
            SkipBlanks();
            if (Peek() == '[' || Peek() == '{') return pos_;
            const std::string_view name = Word();
            SkipBlanks();
            const char open = Peek();
            if ((open == '(' && OneOf(kShowingCalls, name)) ||
                (open == '[' && OneOf(kShowingForms, name))) {
                closers_.push_back(Closing(open));
                ++pos_;
                continue;
            }
            // Another call (Inverse[, np.linalg.inv() or text: shown up to
            // its bracket.
            const std::size_t shown =
                open == '(' || open == '[' ? pos_ + 1 : text_.find_first_of("[{", pos_);
            throw PasteError::Beside(TrimBlanks(text_.substr(0, shown)));
        }
    }

    // Checks what follows the list, which ends at end.
    void CheckEnd(std::size_t end) {
        pos_ = end;
        while (!closers_.empty()) {
            SkipBlanks();
            if (closers_.back() == ')') SkipKeywordArguments();
            if (Peek() != closers_.back()) RefuseAfter();
            ++pos_;
            closers_.pop_back();
        }
        SkipBlanks();
        if (Peek() == ';') ++pos_;
        SkipBlanks();
        if (text_.substr(pos_).starts_with("//")) {  // Mathematica's m // MatrixForm
            pos_ += 2;
            SkipBlanks();
            if (!OneOf(kShowingForms, Word())) RefuseAfter();
            SkipBlanks();
        }
        if (pos_ != text_.size()) RefuseAfter();
    }

  private:
    char Peek(std::size_t ahead = 0) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }
    void SkipBlanks() {
        while (IsAsciiBlank(Peek()))
            ++pos_;
    }
    std::string_view Word() {
        const std::size_t start = pos_;
        while (IsWordChar(Peek()))
            ++pos_;
        return text_.substr(start, pos_ - start);
    }
    bool Take(std::string_view sequence) {
        if (!text_.substr(pos_).starts_with(sequence)) return false;
        pos_ += sequence.size();
        return true;
    }

    // The prompts of Mathematica ("In[3]:= ", "Out[3]= ", "Out[3]//MatrixForm= ")
    // and IPython ("In [3]: ", "Out[3]: ").
    void TakePrompt() {
        const std::size_t start = pos_;
        if (!Take("In") && !Take("Out")) return;
        SkipBlanks();
        const bool numbered = Take("[");
        const std::string_view number = Word();
        if (!numbered || number.empty() || number.find_first_not_of("0123456789") != npos ||
            !Take("]")) {
            pos_ = start;
            return;
        }
        if (Take("//")) Word();
        if (!Take(":=") && !Take("=") && !Take(":")) pos_ = start;
    }

    // "A = ", "A := " (an assignment's left side names the matrix).
    void TakeLabel() {
        const std::size_t start = pos_;
        const std::string_view name = Word();
        SkipBlanks();
        const bool named = !name.empty() && !(name.front() >= '0' && name.front() <= '9') &&
                           !OneOf(kShowingCalls, name) && !OneOf(kShowingForms, name);
        if (named && (Take(":=") || (Peek() == '=' && Peek(1) != '=' && Take("=")))) return;
        pos_ = start;
    }

    // NumPy's ", dtype=object" before the closing parenthesis.
    void SkipKeywordArguments() {
        while (Peek() == ',') {
            ++pos_;
            SkipBlanks();
            if (Word().empty()) RefuseAfter();
            SkipBlanks();
            if (Peek() != '=') RefuseAfter();
            ++pos_;
            SkipBlanks();
            while (pos_ < text_.size() && std::string_view(",()[]{}").find(Peek()) == npos)
                ++pos_;
        }
    }

    [[noreturn]] void RefuseAfter() const {
        const std::string_view rest = TrimBlanks(text_.substr(pos_));
        if (rest.find_first_of("[{") != npos) throw PasteError::Of(PasteError::Kind::kTwoMatrices);
        throw PasteError::Beside(rest);
    }

    static constexpr std::size_t npos = std::string_view::npos;
    std::string_view text_;
    std::size_t pos_ = 0;
    std::string closers_;  // of the showing calls, innermost last
};

}  // namespace

void SplitMatlabRow(std::string_view row, TableBuilder& table) {
    std::string cell;
    bool unclear = false;
    const auto endCell = [&] {
        const std::string_view text = TrimBlanks(cell);
        if (!text.empty()) AddItem(text, table, unclear);
        cell.clear();
        unclear = false;
    };
    for (std::size_t pos = 0; pos < row.size(); ++pos) {
        const char c = row[pos];
        if (c == '(' || c == '[' || c == '{' || c == '"' || c == '\'') {
            const std::size_t end = AfterClosing(row, pos);
            if (end == std::string_view::npos) ThrowUnreadable();
            cell += row.substr(pos, end - pos);
            pos = end - 1;
        } else if (c == ',') {
            if (TrimBlanks(cell).empty()) ThrowUnreadable();  // "1,,2"
            endCell();
        } else if (IsAsciiBlank(c)) {
            const Blank blank = BlankBetween(row, pos, cell);
            if (blank == Blank::kSeparates) {
                endCell();
            } else if (!cell.empty()) {
                cell += ' ';
                unclear = unclear || blank == Blank::kUnclear;
            }
            while (pos + 1 < row.size() && IsAsciiBlank(row[pos + 1]))
                ++pos;
        } else {
            cell += c;
        }
    }
    endCell();
}

void SplitMatlabBody(std::string_view body, TableBuilder& table) {
    std::size_t start = 0;
    for (std::size_t pos = 0; pos <= body.size(); ++pos) {
        if (pos < body.size()) {
            const char c = body[pos];
            if (c == '(' || c == '[' || c == '{' || c == '"' || c == '\'') {
                pos = AfterClosing(body, pos);
                if (pos == std::string_view::npos) ThrowUnreadable();
                --pos;
                continue;
            }
            if (c != ';' && c != '\n' && c != '\r') continue;
        }
        SplitMatlabRow(body.substr(start, pos - start), table);
        table.EndRow();
        start = pos + 1;
    }
}

RawTable SplitBrackets(std::string_view text) {
    Surroundings surroundings(text);
    const std::size_t open = surroundings.ListStart();
    const std::size_t end = AfterClosing(text, open);
    if (end == std::string_view::npos) ThrowUnreadable();
    surroundings.CheckEnd(end);
    const std::string_view list = text.substr(open, end - open);
    if (list.front() == '{') return SplitNested(list, PasteFormat::kMathematica);
    const std::string_view inside = TrimBlanks(list.substr(1, list.size() - 2));
    if (inside.starts_with('[')) {
        if (list.find(',') == std::string_view::npos) return SplitNumpyPrint(list);
        return SplitNested(list, PasteFormat::kNestedLists);
    }
    TableBuilder table(PasteFormat::kMatlab);
    SplitMatlabBody(inside, table);
    return table.Finish();
}

}  // namespace korvane
