#pragma once

#include <cstdint>
#include <string_view>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/LogStyle.h"

namespace korvane {

// The engine's commands for a grid whose cells name a parameter letter
// (GridParameterLetter): each reads the grid over Q(i)(a), logs its working
// by cases of the parameter's value and ends with one sentence gathering
// the cases. They return what the engine's own commands return. A text
// that cannot be read throws Error before anything is logged.
bool ParameterRank(const CellGrid& grid, StepLog& log, const LogStyle& style);
bool ParameterKernel(const CellGrid& grid, StepLog& log, const LogStyle& style);
bool ParameterImage(const CellGrid& grid, StepLog& log, const LogStyle& style);
// Without cases: the determinant over Q(i)(a) holds for every value at which
// the entries are defined. Refuses a non-square grid.
bool ParameterDeterminant(const CellGrid& grid, StepLog& log, const LogStyle& style);
// For each case whether the inverse exists, and which it is. Only when one
// inverse serves every value (no case split off) is it written into the grid
// and true returned; otherwise the grid keeps its texts. Refuses a
// non-square grid.
bool ParameterInverse(CellGrid& grid, StepLog& log, const LogStyle& style);
// The system of the leading `unknowns` columns for each column after them
// (Ax = b, or AX = B), introduced by the sentence given; the grid must
// split so.
bool ParameterSolve(const CellGrid& grid, std::int32_t unknowns, std::string_view introduction,
                    StepLog& log, const LogStyle& style);

}  // namespace korvane
