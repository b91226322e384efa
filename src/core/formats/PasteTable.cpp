#include "core/formats/PasteTable.h"

#include "core/CellGrid.h"

namespace korvane {

bool IsAsciiBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsAsciiBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsAsciiBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

void ThrowUnreadable() {
    throw PasteError::Of(PasteError::Kind::kUnreadable);
}

void TableBuilder::Cell(std::string text, CellSyntax syntax) {
    if (rowCount_++ < CellGrid::kMaxSize) row_.push_back({std::move(text), syntax});
}

void TableBuilder::EndRow() {
    const int count = rowCount_;
    rowCount_ = 0;
    if (count == 0) {
        if (table_.rows > 0) ++pendingBlanks_;
        row_.clear();
        return;
    }
    if (pendingBlanks_ > 0 && table_.cols == 1 && count == 1) {
        for (; pendingBlanks_ > 0; --pendingBlanks_)
            AddRow({RawCell{"", CellSyntax::kTyped}}, 1);
    }
    pendingBlanks_ = 0;
    AddRow(std::move(row_), count);
    row_.clear();
}

void TableBuilder::AddRow(std::vector<RawCell> row, int count) {
    if (table_.rows == 0) table_.cols = count;
    ++table_.rows;
    if (count != table_.cols) {
        throw PasteError::Ragged(table_.rows, count, table_.cols);
    }
    if (table_.rows <= CellGrid::kMaxSize) table_.cells.push_back(std::move(row));
}

RawTable TableBuilder::Finish() {
    if (rowCount_ > 0) EndRow();
    if (table_.rows == 0) throw PasteError::Of(PasteError::Kind::kEmpty);
    return std::move(table_);
}

}  // namespace korvane
