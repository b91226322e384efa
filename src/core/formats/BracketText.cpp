// MATLAB/Octave, Python/JSON nested lists and Mathematica lists.
#include <string>

#include "core/formats/PasteTable.h"

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
void AddItem(std::string_view item, TableBuilder& table) {
    if (item.size() >= 2 && (item.front() == '"' || item.front() == '\'') &&
        item.back() == item.front()) {
        table.Cell(std::string(item.substr(1, item.size() - 2)), true);
    } else {
        table.Cell(std::string(item), false);
    }
}

// [[1, 2], [3, 4]] or {{1, 2}, {3, 4}}: a list of rows, or one row.
RawTable SplitNested(std::string_view list, PasteFormat format) {
    const char open = list.front();
    TableBuilder table(format);
    const std::vector<std::string_view> items = SplitTopLevel(list.substr(1, list.size() - 2));
    const bool rows = !items.empty() && items.front().starts_with(open);
    for (const std::string_view item : items) {
        if (!rows) {
            if (item.starts_with(open)) ThrowUnreadable();
            AddItem(item, table);
            continue;
        }
        if (!item.starts_with(open) || AfterClosing(item, 0) != item.size()) ThrowUnreadable();
        for (const std::string_view cell : SplitTopLevel(item.substr(1, item.size() - 2))) {
            if (cell.starts_with(open)) ThrowUnreadable();  // a third level
            AddItem(cell, table);
        }
        table.EndRow();
    }
    if (!rows) table.EndRow();
    return table.Finish();
}

bool IsOperator(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == '\\';
}

// Whether the blank run at text[pos..] separates two cells of a MATLAB row:
// "1 2" and "1 -2" are two cells, "1 - 2", "1 -\t2" and "1 * 2" one.
bool BlankSeparates(std::string_view row, std::size_t pos, const std::string& cell) {
    std::size_t next = pos;
    while (next < row.size() && IsAsciiBlank(row[next]))
        ++next;
    if (cell.empty() || next == row.size() || row[next] == ',') return false;
    const char before = cell.back();
    const char after = row[next];
    if (IsOperator(before) || before == '(') return false;
    if (after == '*' || after == '/' || after == '^' || after == ')') return false;
    if (after == '+' || after == '-') return next + 1 < row.size() && !IsAsciiBlank(row[next + 1]);
    return true;
}

void SplitMatlabRow(std::string_view row, TableBuilder& table) {
    std::string cell;
    const auto endCell = [&] {
        const std::string_view text = TrimBlanks(cell);
        if (!text.empty()) AddItem(text, table);
        cell.clear();
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
            if (BlankSeparates(row, pos, cell)) {
                endCell();
            } else if (!cell.empty()) {
                cell += ' ';
            }
            while (pos + 1 < row.size() && IsAsciiBlank(row[pos + 1]))
                ++pos;
        } else {
            cell += c;
        }
    }
    endCell();
}

// Whether the text before the first bracket is something a program prints
// or a user types there: "A = ", "Matrix(", "np.array(", "MatrixForm[".
bool IsPrefix(std::string_view prefix) {
    for (const char c : prefix) {
        const bool word = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '_' || c == '.';
        if (!word && !IsAsciiBlank(c) && c != '=' && c != ':' && c != '(' && c != '[') return false;
    }
    return true;
}

// What may follow the list: closing parentheses and brackets, a semicolon,
// or further arguments (", dtype=object)").
bool IsSuffix(std::string_view suffix) {
    suffix = TrimBlanks(suffix);
    if (suffix.starts_with(',')) return true;
    for (const char c : suffix) {
        if (c != ')' && c != ']' && c != ';' && !IsAsciiBlank(c)) return false;
    }
    return true;
}

}  // namespace

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
    std::size_t open = text.find_first_of("[{");
    // Mathematica's MatrixForm[{{…}}]: the list is inside the call.
    if (open != std::string_view::npos && text[open] == '[') {
        const std::size_t inner = text.find_first_not_of(" \t\r\n", open + 1);
        if (inner != std::string_view::npos && text[inner] == '{') open = inner;
    }
    if (open == std::string_view::npos || !IsPrefix(text.substr(0, open))) ThrowUnreadable();
    const std::size_t end = AfterClosing(text, open);
    if (end == std::string_view::npos || !IsSuffix(text.substr(end))) ThrowUnreadable();
    const std::string_view list = text.substr(open, end - open);
    if (list.front() == '{') return SplitNested(list, PasteFormat::kMathematica);
    const std::string_view inside = TrimBlanks(list.substr(1, list.size() - 2));
    if (inside.starts_with('[')) return SplitNested(list, PasteFormat::kNestedLists);
    TableBuilder table(PasteFormat::kMatlab);
    SplitMatlabBody(inside, table);
    return table.Finish();
}

}  // namespace korvane
