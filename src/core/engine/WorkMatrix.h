#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/engine/ComplexRationals.h"
#include "core/engine/EngineField.h"
#include "mklibs/mklibs.h"

namespace korvane {

// The engine's matrix of exact numbers of the field F, indexed (column, row)
// from 0. Beside every entry it keeps the entry's canonical text, and beside
// every column the width of its widest text, so that printing after a row
// operation formats only the entries that operation changed. The members are
// in WorkMatrixDefinitions.h, instantiated in WorkMatrix.cpp for Q(i).
template <EngineField F>
class BasicWorkMatrix {
  public:
    using Field = F;
    using Number = typename F::Number;

    static constexpr int kMaxCols = 20;  // an augmented 10 × 10 grid
    static constexpr int kMaxRows = 10;

    BasicWorkMatrix();

    // Makes the matrix cols × rows (1..20 × 1..10) with every entry zero.
    void Resize(int cols, int rows);
    std::int32_t LastCol() const { return lastCol_; }
    std::int32_t LastRow() const { return lastRow_; }

    const Number& At(int col, int row) const { return entries_[Index(col, row)]; }
    void Set(int col, int row, Number value);
    // The entry for changing in place; its text and column width are redone
    // at the next print.
    Number& Edit(int col, int row);
    void SwapRows(int a, int b);
    // Moves columns from..LastCol to 0.. and drops the rest.
    void KeepColumnsFrom(int from);

    // The entry's canonical text (F::AppendText), formatted once per change.
    const std::string& Text(int col, int row) const;
    // Width of the widest text in the column as the log shows it (code points,
    // bytes for Q(i)'s ASCII texts); 0 for a matrix without rows.
    std::size_t ColumnWidth(int col) const;
    // The row as printed: "  ( ", each text padded to its column's width
    // plus one, ")". Only the part from the first changed entry or column
    // width on is rebuilt.
    const std::string& RowLine(int row) const;

  private:
    static constexpr std::size_t kCells = kMaxCols * kMaxRows;
    static std::size_t Index(int col, int row);
    // The text of every entry of a fresh matrix.
    static const std::string& ZeroText();
    void MarkChanged(int col, int row);
    void ForgetLines();

    std::int32_t lastCol_ = -1;
    std::int32_t lastRow_ = -1;
    std::array<Number, kCells> entries_;
    mutable std::array<std::string, kCells> texts_;
    mutable std::array<bool, kCells> textStale_{};
    mutable std::array<std::size_t, kMaxCols> widths_{};
    mutable std::array<bool, kMaxCols> widthStale_{};

    // Per row: its printed line, the column widths it was built with, and the
    // first column whose entry changed since (kMaxCols when none did).
    mutable std::array<std::string, kMaxRows> lines_;
    mutable std::array<std::array<std::size_t, kMaxCols>, kMaxRows> lineWidths_{};
    mutable std::array<int, kMaxRows> lineStaleFrom_{};
};

extern template class BasicWorkMatrix<ComplexRationals>;
using WorkMatrix = BasicWorkMatrix<ComplexRationals>;

}  // namespace korvane
