#pragma once

#include <utility>

#include "mklibs/mklibs.h"

namespace korvane {

// One elementary row operation: as the reduction makes it, as a student
// chooses it in practice, as an exported log reads it back. Rows count from
// 0 here and from 1 in every sentence.
struct RowOperation {
    enum class Kind { kSwap, kScale, kAdd };

    Kind kind = Kind::kSwap;
    int target = 0;  // the row that changes; for a swap, the first row
    int source = 0;  // the other row of a swap or an addition; unused by a scaling
    ComplexFraction factor = CpxOne();  // the scaling factor, or the multiple added

    static RowOperation Swap(int a, int b) { return {Kind::kSwap, a, b, CpxOne()}; }
    static RowOperation Scale(int row, ComplexFraction factor) {
        return {Kind::kScale, row, row, std::move(factor)};
    }
    // target := target + multiple × source.
    static RowOperation Add(int target, int source, ComplexFraction multiple) {
        return {Kind::kAdd, target, source, std::move(multiple)};
    }

    friend bool operator==(const RowOperation&, const RowOperation&) = default;
};

}  // namespace korvane
