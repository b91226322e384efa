#pragma once

// The members of BasicWorkMatrix, for the .cpp files that instantiate it
// for a field.

#include <algorithm>
#include <cassert>
#include <string_view>
#include <type_traits>
#include <utility>

#include "core/StopSignal.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// The characters an entry's text takes in the log. Q(i) texts are ASCII, one
// byte a character, which spares the printing of its long logs a scan.
template <EngineField F>
std::size_t EntryTextWidth(std::string_view text) {
    if constexpr (std::is_same_v<F, ComplexRationals>) {
        return text.size();
    } else {
        return TextWidth(text);
    }
}

template <EngineField F>
BasicWorkMatrix<F>::BasicWorkMatrix() {
    entries_.fill(F::Zero());
    texts_.fill(ZeroText());
    ForgetLines();
}

template <EngineField F>
const std::string& BasicWorkMatrix<F>::ZeroText() {
    static const std::string text = FieldText<F>(F::Zero());
    return text;
}

template <EngineField F>
void BasicWorkMatrix<F>::ForgetLines() {
    lineStaleFrom_.fill(0);
}

template <EngineField F>
void BasicWorkMatrix<F>::MarkChanged(int col, int row) {
    textStale_[Index(col, row)] = true;
    widthStale_[col] = true;
    lineStaleFrom_[row] = std::min(lineStaleFrom_[row], col);
}

template <EngineField F>
std::size_t BasicWorkMatrix<F>::Index(int col, int row) {
    assert(col >= 0 && col < kMaxCols && row >= 0 && row < kMaxRows);
    return static_cast<std::size_t>(col * kMaxRows + row);
}

template <EngineField F>
void BasicWorkMatrix<F>::Resize(int cols, int rows) {
    assert(cols >= 1 && cols <= kMaxCols && rows >= 1 && rows <= kMaxRows);
    lastCol_ = cols - 1;
    lastRow_ = rows - 1;
    for (int c = 0; c < cols; ++c) {
        for (int r = 0; r < rows; ++r) {
            const std::size_t i = Index(c, r);
            if (!F::IsZero(entries_[i])) entries_[i] = F::Zero();
            texts_[i] = ZeroText();
            textStale_[i] = false;
        }
        widths_[c] = ZeroText().size();
        widthStale_[c] = false;
    }
    ForgetLines();
}

template <EngineField F>
void BasicWorkMatrix<F>::Set(int col, int row, Number value) {
    entries_[Index(col, row)] = std::move(value);
    MarkChanged(col, row);
}

template <EngineField F>
typename F::Number& BasicWorkMatrix<F>::Edit(int col, int row) {
    MarkChanged(col, row);
    return entries_[Index(col, row)];
}

template <EngineField F>
void BasicWorkMatrix<F>::SwapRows(int a, int b) {
    // Every column keeps its set of entries, so its width stays.
    for (int c = 0; c <= lastCol_; ++c) {
        const std::size_t i = Index(c, a);
        const std::size_t j = Index(c, b);
        std::swap(entries_[i], entries_[j]);
        std::swap(texts_[i], texts_[j]);
        std::swap(textStale_[i], textStale_[j]);
    }
    std::swap(lines_[a], lines_[b]);
    std::swap(lineWidths_[a], lineWidths_[b]);
    std::swap(lineStaleFrom_[a], lineStaleFrom_[b]);
}

template <EngineField F>
void BasicWorkMatrix<F>::KeepColumnsFrom(int from) {
    assert(from >= 0 && from <= lastCol_);
    for (int c = from; c <= lastCol_; ++c) {
        for (int r = 0; r <= lastRow_; ++r) {
            const std::size_t i = Index(c - from, r);
            const std::size_t j = Index(c, r);
            std::swap(entries_[i], entries_[j]);
            std::swap(texts_[i], texts_[j]);
            std::swap(textStale_[i], textStale_[j]);
        }
        std::swap(widths_[c - from], widths_[c]);
        std::swap(widthStale_[c - from], widthStale_[c]);
    }
    lastCol_ -= from;
    ForgetLines();
}

template <EngineField F>
const std::string& BasicWorkMatrix<F>::Text(int col, int row) const {
    const std::size_t i = Index(col, row);
    if (textStale_[i]) {
        StopPoint();  // the text of a huge entry takes a while
        texts_[i].clear();
        F::AppendText(texts_[i], entries_[i]);
        textStale_[i] = false;
    }
    return texts_[i];
}

template <EngineField F>
std::size_t BasicWorkMatrix<F>::ColumnWidth(int col) const {
    if (widthStale_[col]) {
        std::size_t width = 0;
        for (int r = 0; r <= lastRow_; ++r)
            width = std::max(width, EntryTextWidth<F>(Text(col, r)));
        widths_[col] = width;
        widthStale_[col] = false;
    }
    return widths_[col];
}

template <EngineField F>
const std::string& BasicWorkMatrix<F>::RowLine(int row) const {
    // Fields have the width of their column plus one, so the part before the
    // first changed column or width is still right. Widths count characters,
    // so a field's bytes are its text's bytes plus its padding.
    std::string& line = lines_[row];
    std::array<std::size_t, kMaxCols>& built = lineWidths_[row];
    int from = lineStaleFrom_[row];
    for (int c = 0; c <= lastCol_ && c < from; ++c) {
        if (built[c] != ColumnWidth(c)) {
            from = c;
            break;
        }
    }
    if (from > lastCol_) return line;

    if (from == 0) {
        line.assign("  ( ");
    } else {
        std::size_t offset = 4;  // "  ( "
        for (int c = 0; c < from; ++c) {
            const std::string& text = Text(c, row);
            offset += text.size() + built[c] + 1 - EntryTextWidth<F>(text);
        }
        line.resize(offset);
    }
    for (int c = from; c <= lastCol_; ++c) {
        built[c] = ColumnWidth(c);
        const std::string& text = Text(c, row);
        line += text;
        line.append(built[c] + 1 - EntryTextWidth<F>(text), ' ');
    }
    line += ')';
    lineStaleFrom_[row] = kMaxCols;
    return line;
}

}  // namespace korvane
