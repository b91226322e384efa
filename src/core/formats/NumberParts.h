#pragma once

#include <optional>
#include <string_view>

namespace korvane {

// A canonical number text taken apart without computing with it, so that
// each written form can be built from the digits as they stand: "-3i/4" is
// no real part and an imaginary part −3/4. The views point into the text.
struct NumberParts {
    struct Part {
        bool present = false;
        bool negative = false;
        std::string_view numerator;    // digits; empty for the unwritten 1 of "i"
        std::string_view denominator;  // digits; empty for a whole number
    };
    Part re;  // "0" is a present real part with numerator "0"
    Part im;
};

// The parts of a text shaped as CpxText writes: 0, -3, 1/2, i, -2i, i/2,
// -3i/4, 1/2+3i/4. Nothing for any other text.
std::optional<NumberParts> SplitNumberText(std::string_view text);

// Whether the text reads back as itself: the canonical text of its value.
bool IsCanonicalNumberText(std::string_view text);

}  // namespace korvane
