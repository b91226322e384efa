#pragma once

#include <filesystem>
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "core/CellGrid.h"
#include "core/practice/PracticeTexts.h"
#include "core/practice/RowOperation.h"

namespace korvane {

// A practice replayed from a script, one command a line:
//   goal rref | ref | inverse     before any other command; rref by default
//   swap I J                      exchange rows I and J
//   scale I C                     multiply row I by C
//   add I J C                     add C times row J to row I
//   check FILE [OP; OP; …]        the matrix worked by hand, with the
//                                 operations it should follow by, if named
//   hint | undo | redo
// Rows count from 1; C is one number (1/2, -3i, 1e-2), else the line is
// refused. Blank lines and lines starting with # are skipped.
struct PracticeCommand {
    enum class Kind { kOperation, kCheck, kHint, kUndo, kRedo };
    Kind kind = Kind::kHint;
    int line = 0;            // in the script, from 1
    RowOperation operation;  // kOperation
    // kCheck; held apart, as a grid is large beside the other commands.
    std::unique_ptr<const CellGrid> typed;
    std::vector<RowOperation> named;  // kCheck
};

struct PracticeScript {
    PracticeGoal goal = PracticeGoal::kReducedRowEchelon;
    std::vector<PracticeCommand> commands;
};

// Reads the whole script, with every matrix it names, before anything runs.
// A relative FILE is taken from folder. Throws UsageError naming the line.
PracticeScript ReadPracticeScript(std::istream& in, const std::filesystem::path& folder);

}  // namespace korvane
