#pragma once

#include <istream>

#include "cli/CliArguments.h"
#include "core/workspace/Workspace.h"

namespace korvane {

// The named matrices korvane-cli eval works on: those of the workspace
// FILE, if one is given, then each NAME=FILE over them, FILE read in any
// form the commands' FILE takes and "-" from standard input. The expression
// is read and its names checked against them. Throws UsageError naming the
// file or saying what is wrong with the expression.
Workspace ReadEvalWorkspace(const CliOptions& options, std::istream& in);

}  // namespace korvane
