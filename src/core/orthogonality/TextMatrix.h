#pragma once

// Matrices whose entries are texts, such as surds, printed as the engine
// prints its matrices.
#include <string>
#include <vector>

#include "core/StepLog.h"

namespace korvane {

// Rows of entry texts.
using TextRows = std::vector<std::vector<std::string>>;

// One log line per row: "  ( ", each entry left-aligned in a field one
// wider than its column's widest text (counted in characters), then ")".
void PrintTextMatrix(const TextRows& rows, StepLog& log);

}  // namespace korvane
