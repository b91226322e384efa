#pragma once

#include <string>
#include <vector>

#include "core/practice/RowOperation.h"
#include "core/practice/SlipDiagnosis.h"

namespace korvane {

// The goals a practice can have.
enum class PracticeGoal {
    kReducedRowEchelon,  // 行階段標準形
    kRowEchelon,         // 行階段形
    kInverse,            // [A | I] until the left half is the identity
    kDeterminant,        // upper triangular, each step's effect on det A answered
};

// "行階段標準形", "行階段形", "逆行列", "行列式".
std::string GoalName(PracticeGoal goal);
// The task, logged under the starting matrix.
std::string TaskSentence(PracticeGoal goal);

// Why a step of the determinant practice is wrong although its matrix is
// right: the answered factor is not the one its operations put in front of
// det B; the rule of each kind of operation among them, then a request to
// try again.
std::vector<std::string> WrongFactorSentences(const std::vector<RowOperation>& operations);

// "(2,3)成分": the entry in row 2, column 3, counted from 1.
std::string EntryName(GridCell cell);

// The log lines that explain a wrong step, after the typed matrix: what the
// student seems to have meant (when they named nothing), the slip, and a
// request to try again. columns is the matrix's width, augmentedFrom the
// first column of an appended identity, or -1; additionWording words the
// operations quoted as the log's style does.
std::vector<std::string> SlipSentences(const Diagnosis& diagnosis, bool named, int columns,
                                       int augmentedFrom, bool additionWording);

}  // namespace korvane
