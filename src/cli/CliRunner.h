#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

#include "cli/CliArguments.h"
#include "main/CellGrid.h"
#include "main/StepLog.h"
#include "main/engine/Engine.h"

namespace korvane {

// Exit statuses of korvane-cli.
inline constexpr int kExitRan = 0;
inline constexpr int kExitComputationError = 1;
inline constexpr int kExitBadUsage = 2;

// Runs one computation on the grid, logging into log.
void RunCommand(CliCommand command, Engine& engine, CellGrid& grid, StepLog& log);

// The whole program: arguments (without the program name), the matrix from
// in (or a file), the log to out, explanations and errors to err. Returns the
// exit status.
int RunCli(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace korvane
