#pragma once

#include <string>
#include <vector>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/parameter/CaseReduction.h"
#include "core/parameter/ParameterGrid.h"

namespace korvane {

// What every command with a parameter starts from: the grid read, and the
// case of all values at which every entry is defined.
struct ParameterStart {
    ParameterMatrix read;
    ParameterCase all;
};

// Reads the grid (throwing before the log is touched), clears the log,
// prints the matrix and, when some entry is undefined somewhere, says which
// values are left out.
ParameterStart StartParameterLog(const CellGrid& grid, StepLog& log);

// "この行列は a を含むので、a の値で場合分けしながら…".
void LogCaseIntroduction(char letter, StepLog& log);

// The closing sentence: "まとめると、a ≠ 1, -2 のとき階数 3、a = 1 のとき階数 1。",
// the values left out at the start last.
void LogCaseSummary(const std::vector<CaseResult>& cases, const ParameterStart& start,
                    StepLog& log);

}  // namespace korvane
