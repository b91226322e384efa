// Reading what korvane-cli is given to read: a file named on the command
// line or standard input, each within the same limit.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

#include "core/editing/MatrixFile.h"

namespace korvane {

// The most korvane-cli reads from one file or from standard input: as much
// as a matrix file may hold. Larger input is refused, never read on.
inline constexpr std::size_t kMaxInputBytes = kMaxMatrixFileBytes;

// All of the file named on the command line (a matrix, a practice script),
// read at once: a regular file, symbolic links followed, of at most
// kMaxInputBytes. A folder, a pipe or a device is refused without waiting on
// it. Throws UsageError naming the file and saying why.
std::string ReadInputFile(const std::string& path);

// All of standard input, at most kMaxInputBytes; reading stops one piece
// beyond. Throws UsageError when it holds more or cannot be read.
std::string ReadStandardInput(std::istream& in);

}  // namespace korvane
