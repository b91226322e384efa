#pragma once

namespace korvane {

// How the step log words its row operations. Both choices are off by
// default, so the log reads exactly as it always has.
struct LogStyle {
    // Each row operation's line ends with the operation in textbook
    // notation, after two spaces: "  R₂ → R₂ − 3R₁".
    bool notation = false;
    // A subtraction of a multiple that reads negative is worded as the
    // addition of its opposite ("2行目に1行目のi倍を足します。"), and the
    // determinant says in one more sentence how it follows from the tally.
    bool additionWording = false;
};

}  // namespace korvane
