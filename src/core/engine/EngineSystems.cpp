// The solve and rank commands.
#include <string>
#include <vector>

#include "core/engine/Engine.h"
#include "core/engine/EngineCommands.h"
#include "core/engine/EngineDispatch.h"
#include "core/parameter/ParameterCommands.h"
#include "core/parameter/ParameterGrid.h"

namespace korvane {

namespace {

// The refusal for a grid that cannot be split, or nothing.
std::string SplitRefusal(const CellGrid& grid, RightHandSides sides) {
    if (sides == RightHandSides::kOne && grid.Cols() < 2)
        return "列が1つだけなので、係数行列と右辺に分けられません。";
    if (sides == RightHandSides::kSeveral && grid.Cols() <= grid.Rows())
        return "列の数が行の数より多くないので、正方行列 A と右辺 B に分けられません。";
    return "";
}

std::string Introduction(const CellGrid& grid, std::int32_t unknowns) {
    if (grid.Cols() - unknowns == 1)
        return "この行列を拡大係数行列 (A | b) として、連立一次方程式 Ax = b を解きます。";
    return "この行列の左の" + std::to_string(unknowns) + "列を係数行列 A、残りの" +
           std::to_string(grid.Cols() - unknowns) +
           "列を右辺 B として、連立一次方程式 AX = B を解きます。";
}

}  // namespace

bool Engine::Solve(const CellGrid& grid, StepLog& log, RightHandSides sides) {
    if (const std::string refusal = SplitRefusal(grid, sides); !refusal.empty()) {
        log.ClearStepLog();
        log.AppendStepLog(refusal);
        return false;
    }
    const std::int32_t unknowns = sides == RightHandSides::kOne ? grid.Cols() - 1 : grid.Rows();
    const std::string introduction = Introduction(grid, unknowns);
    if (GridParameterLetter(grid) != '\0')
        return ParameterSolve(grid, unknowns, introduction, log, style_);
    log.ClearStepLog();
    return InGridField(grid, [&](auto& matrix, auto& tally) {
        return SolveIn(matrix, tally, grid, unknowns, introduction, log, style_);
    });
}

bool Engine::Rank(const CellGrid& grid, StepLog& log) {
    if (GridParameterLetter(grid) != '\0') return ParameterRank(grid, log, style_);
    return InGridField(grid, [&](auto& matrix, auto& tally) {
        return RankIn(matrix, tally, grid, log, style_);
    });
}

}  // namespace korvane
