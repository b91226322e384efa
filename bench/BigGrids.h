#pragma once

// 10 × 10 grids of random entries with many digits, for the benchmarks of
// work on big numbers: the same seed gives the same grid in every run.
#include <random>
#include <string>

#include "core/CellGrid.h"

namespace korvane {

enum class BigEntryKind { kInteger, kFraction, kComplexFraction };

// `count` random digits, the first not 0.
inline std::string BigDigits(std::mt19937& rng, int count) {
    std::uniform_int_distribution<int> digit(0, 9);
    std::string text(1, static_cast<char>('1' + digit(rng) % 9));
    for (int i = 1; i < count; ++i)
        text += static_cast<char>('0' + digit(rng));
    return text;
}

// One entry of the kind, every part `digits` long, with random signs:
// "a", "a/b" or "a/b+ci/d".
inline std::string BigEntryText(std::mt19937& rng, BigEntryKind kind, int digits) {
    std::bernoulli_distribution coin;
    std::string text = coin(rng) ? "-" : "";
    text += BigDigits(rng, digits);
    if (kind == BigEntryKind::kInteger) return text;
    text += "/" + BigDigits(rng, digits);
    if (kind == BigEntryKind::kFraction) return text;
    text += coin(rng) ? "+" : "-";
    return text + BigDigits(rng, digits) + "i/" + BigDigits(rng, digits);
}

inline CellGrid BigRandomGrid(BigEntryKind kind, int digits, unsigned seed = 20250101) {
    std::mt19937 rng(seed);
    CellGrid grid;
    grid.SetRows(10);
    grid.SetCols(10);
    for (int c = 0; c < 10; ++c) {
        for (int r = 0; r < 10; ++r)
            grid.SetCell(c, r, BigEntryText(rng, kind, digits));
    }
    return grid;
}

}  // namespace korvane
