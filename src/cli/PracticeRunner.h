#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace korvane {

// Exit statuses of korvane-cli practice.
inline constexpr int kPracticeDone = 0;        // every step right, the goal reached
inline constexpr int kPracticeError = 1;       // an error while computing
inline constexpr int kPracticeBadUsage = 2;    // bad arguments, unreadable matrix or script
inline constexpr int kPracticeWrongStep = 3;   // a step refused or wrong
inline constexpr int kPracticeUnfinished = 4;  // every step right, the goal not reached

// korvane-cli practice FILE [SCRIPT]: replays a student's steps on the
// matrix in FILE from SCRIPT (or from in), printing the practice log to out
// as it is written; errors go to err. Returns the exit status.
int RunPractice(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                std::ostream& err);

}  // namespace korvane
