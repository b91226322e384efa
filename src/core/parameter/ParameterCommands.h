#pragma once

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
// Ax = b with b the last column; refuses a single column, and several
// right-hand sides.
bool ParameterSolve(const CellGrid& grid, StepLog& log, const LogStyle& style,
                    bool oneRightHandSide);

}  // namespace korvane
