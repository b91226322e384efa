#include "main/engine/WorkMatrix.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace korvane {

ComplexFraction CpxOne() {
    return {{1, 1}, {0, 1}};
}

ComplexFraction CpxZero() {
    return {{0, 1}, {0, 1}};
}

WorkMatrix::WorkMatrix() {
    entries_.fill(CpxZero());
    texts_.fill("0");
}

std::size_t WorkMatrix::Index(int col, int row) {
    assert(col >= 0 && col < kMaxCols && row >= 0 && row < kMaxRows);
    return static_cast<std::size_t>(col * kMaxRows + row);
}

void WorkMatrix::Resize(int cols, int rows) {
    assert(cols >= 1 && cols <= kMaxCols && rows >= 1 && rows <= kMaxRows);
    lastCol_ = cols - 1;
    lastRow_ = rows - 1;
    for (int c = 0; c < cols; ++c) {
        for (int r = 0; r < rows; ++r) {
            const std::size_t i = Index(c, r);
            if (!CpxIsZero(entries_[i])) entries_[i] = CpxZero();
            texts_[i].assign(1, '0');
            textStale_[i] = false;
        }
        widths_[c] = 1;
        widthStale_[c] = false;
    }
}

void WorkMatrix::Set(int col, int row, ComplexFraction value) {
    const std::size_t i = Index(col, row);
    entries_[i] = std::move(value);
    textStale_[i] = true;
    widthStale_[col] = true;
}

void WorkMatrix::SwapRows(int a, int b) {
    // Every column keeps its set of entries, so its width stays.
    for (int c = 0; c <= lastCol_; ++c) {
        const std::size_t i = Index(c, a);
        const std::size_t j = Index(c, b);
        std::swap(entries_[i], entries_[j]);
        std::swap(texts_[i], texts_[j]);
        std::swap(textStale_[i], textStale_[j]);
    }
}

void WorkMatrix::KeepColumnsFrom(int from) {
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
}

const std::string& WorkMatrix::Text(int col, int row) const {
    const std::size_t i = Index(col, row);
    if (textStale_[i]) {
        texts_[i] = CpxText(entries_[i]);
        textStale_[i] = false;
    }
    return texts_[i];
}

std::size_t WorkMatrix::ColumnWidth(int col) const {
    if (widthStale_[col]) {
        std::size_t width = 0;
        for (int r = 0; r <= lastRow_; ++r)
            width = std::max(width, Text(col, r).size());
        widths_[col] = width;
        widthStale_[col] = false;
    }
    return widths_[col];
}

}  // namespace korvane
