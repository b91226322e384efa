#pragma once

#include <utility>

#include "core/engine/ComplexRationals.h"
#include "core/engine/EngineField.h"
#include "mklibs/mklibs.h"

namespace korvane {

enum class RowOperationKind { kSwap, kScale, kAdd };

// One elementary row operation over the field F: as the reduction makes it,
// as a student chooses it in practice, as an exported log reads it back. Rows
// count from 0 here and from 1 in every sentence.
template <EngineField F>
struct BasicRowOperation {
    using Kind = RowOperationKind;
    using Number = typename F::Number;

    Kind kind = Kind::kSwap;
    int target = 0;  // the row that changes; for a swap, the first row
    int source = 0;  // the other row of a swap or an addition; unused by a scaling
    Number factor = F::One();  // the scaling factor, or the multiple added

    static BasicRowOperation Swap(int a, int b) { return {Kind::kSwap, a, b, F::One()}; }
    static BasicRowOperation Scale(int row, Number factor) {
        return {Kind::kScale, row, row, std::move(factor)};
    }
    // target := target + multiple × source.
    static BasicRowOperation Add(int target, int source, Number multiple) {
        return {Kind::kAdd, target, source, std::move(multiple)};
    }

    friend bool operator==(const BasicRowOperation&, const BasicRowOperation&) = default;
};

using RowOperation = BasicRowOperation<ComplexRationals>;

}  // namespace korvane
