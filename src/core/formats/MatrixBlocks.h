#pragma once

// A matrix too wide for the paper set as blocks of whole columns, one block
// under the other, so that its entries keep their size: the typesetters of
// the LaTeX document and of the window's PDF and print split alike.
#include <cstddef>
#include <vector>

namespace korvane {

// Columns first … first + count − 1 of a matrix.
struct ColumnBlock {
    std::size_t first = 0;
    std::size_t count = 0;
    bool operator==(const ColumnBlock&) const = default;
};

// Splits columns of the given widths into consecutive blocks, each at most
// room wide (a column wider than room stands alone). One block when the
// whole fits. An augmented matrix (barAfter > 0) that does not fit is split
// at its bar first, [A | B] as A over B, and each half again as a matrix of
// its own when it is still too wide. The blocks of one half are as few as
// fit and about equally wide: 11 columns that fit by 10 go as 6 and 5.
std::vector<ColumnBlock> SplitColumns(const std::vector<double>& widths, double room,
                                      std::size_t barAfter = 0);

}  // namespace korvane
