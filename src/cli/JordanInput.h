#pragma once

// The inputs of exp --x0 and recurrence beside the matrix.
#include <istream>
#include <string>

#include "cli/CliArguments.h"
#include "core/engine/MatrixArithmetic.h"
#include "core/jordan/RecurrenceReader.h"

namespace korvane {

// The vector in path ("-": standard input), read as a matrix is: one row or
// one column. Throws UsageError for anything else.
ExactVector ReadInitialValue(const std::string& path, std::istream& in);
// The recurrence's text read strictly; a text that is not one is a
// UsageError with the reader's message.
Recurrence ReadRecurrenceArgument(const CliOptions& options);

}  // namespace korvane
