#include "core/formats/MatrixBlocks.h"

#include <algorithm>
#include <numeric>

namespace korvane {

namespace {

using Widths = std::vector<double>;

// Greedy blocks of columns first … end − 1 within limit.
std::vector<ColumnBlock> Greedy(const Widths& widths, std::size_t first, std::size_t end,
                                double limit) {
    std::vector<ColumnBlock> blocks;
    double used = 0;
    for (std::size_t c = first; c < end; ++c) {
        if (blocks.empty() || used + widths[c] > limit) {
            blocks.push_back({c, 0});
            used = 0;
        }
        ++blocks.back().count;
        used += widths[c];
    }
    return blocks;
}

// count blocks of about equal width, none wider than limit: each takes the
// columns whose middle lies within its share of what is left. Nothing when
// the last block would be wider than limit.
std::vector<ColumnBlock> Even(const Widths& widths, std::size_t first, std::size_t end,
                              std::size_t count, double limit) {
    double left = std::accumulate(widths.begin() + static_cast<std::ptrdiff_t>(first),
                                  widths.begin() + static_cast<std::ptrdiff_t>(end), 0.0);
    std::vector<ColumnBlock> blocks;
    std::size_t c = first;
    for (std::size_t k = 0; k + 1 < count && c < end; ++k) {
        const double share = left / static_cast<double>(count - k);
        blocks.push_back({c, 0});
        double used = 0;
        while (c < end && (used == 0 || (used + widths[c] <= limit && used + widths[c] / 2 <= share))) {
            used += widths[c++];
            ++blocks.back().count;
        }
        left -= used;
    }
    if (c < end) {
        if (left > limit) return {};
        blocks.push_back({c, end - c});
    }
    return blocks;
}

// As few blocks as fit room, about equally wide, so that the last block is
// not left with a column or two.
std::vector<ColumnBlock> Balanced(const Widths& widths, std::size_t first, std::size_t end,
                                  double room) {
    const std::vector<ColumnBlock> greedy = Greedy(widths, first, end, room);
    if (greedy.size() == 1) return greedy;
    // The narrowest limit that needs no more blocks.
    double low = *std::max_element(widths.begin() + static_cast<std::ptrdiff_t>(first),
                                   widths.begin() + static_cast<std::ptrdiff_t>(end));
    double high = std::max(room, low);
    for (int step = 0; step < 40 && high - low > 1e-6 * high; ++step) {
        const double middle = (low + high) / 2;
        (Greedy(widths, first, end, middle).size() <= greedy.size() ? high : low) = middle;
    }
    std::vector<ColumnBlock> even = Even(widths, first, end, greedy.size(), high);
    return even.empty() ? Greedy(widths, first, end, high) : even;
}

}  // namespace

std::vector<ColumnBlock> SplitColumns(const std::vector<double>& widths, double room,
                                      std::size_t barAfter) {
    if (widths.empty()) return {};
    if (std::accumulate(widths.begin(), widths.end(), 0.0) <= room) return {{0, widths.size()}};
    if (barAfter == 0 || barAfter >= widths.size()) return Balanced(widths, 0, widths.size(), room);
    std::vector<ColumnBlock> blocks = Balanced(widths, 0, barAfter, room);
    const std::vector<ColumnBlock> right = Balanced(widths, barAfter, widths.size(), room);
    blocks.insert(blocks.end(), right.begin(), right.end());
    return blocks;
}

}  // namespace korvane
