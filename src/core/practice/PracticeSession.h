#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/LogStyle.h"
#include "core/methods/DeterminantRelation.h"
#include "core/practice/MatrixRows.h"
#include "core/practice/PracticeTexts.h"
#include "core/practice/ReductionProbe.h"
#include "core/practice/RowOperation.h"
#include "core/practice/SlipDiagnosis.h"

namespace korvane {

// What one practice command came to, for the front end to show.
struct PracticeResult {
    enum class Outcome {
        kRefused,   // nothing done; the reason is in the log
        kAccepted,  // a right step: grid is the matrix to show now
        kWrong,     // a typed matrix that is not a right step; see diagnosis
    };
    Outcome outcome = Outcome::kRefused;
    // kAccepted: the grid to show, canonical texts, one History state.
    CellGrid grid;
    // kWrong: the slip, with the typed cells to mark in wrongCells.
    std::optional<Diagnosis> diagnosis;
    // kAccepted: this step reached the goal.
    bool finished = false;
};

// How far the student is: rows already standing as in the goal form, out of
// the number of pivots the form will have.
struct PracticeProgress {
    int pivotsDone = 0;
    int pivotsNeeded = 0;
    bool goalReached = false;
};

// How the grid the front end shows came to change, other than by a
// practice command.
enum class GridChange {
    kEdited,  // typed or pasted into: an attempt in progress
    kUndone,  // one History state back
    kRedone,  // one History state forward
};

// A practice: the student brings a matrix to a goal form by elementary row
// operations, chosen from a panel or worked by hand and typed in, and every
// step is checked exactly. Every command writes to the log in the voice of
// the computations; none changes anything when it refuses.
//
// Undo and redo: the session keeps the line of grids the front end has
// shown, each tied to the accepted matrix it works from — the same line as
// the window's History, because every accepted step and every edit is one
// History state, and as long: the oldest grids drop out as the History's
// do, so that a long practice takes no more memory than a short one. Told
// of an undo or redo, it moves along that line and so takes the matching
// accepted matrix as its base again; an attempt typed halfway keeps the
// base it was typed on.
class PracticeSession {
  public:
    // Starts on the grid's shown matrix, or for the inverse on [A | I]:
    // clears the log, prints the matrix and the task. Refuses the inverse of
    // a non-square matrix, or of one wider than 5 (as [A | I] the grid could
    // not hold it), the determinant of a non-square matrix and any matrix
    // with a parameter letter, with the reason in the log. Operations are worded in style, as the
    // computations word theirs.
    static std::optional<PracticeSession> Start(const CellGrid& grid, PracticeGoal goal,
                                                StepLog& log, const LogStyle& style = {});
    // The wording of the operations from now on: the steps, the hints and
    // the steps quoted in slips.
    void SetLogStyle(const LogStyle& style) { style_ = style; }

    // The grid to show: at the start, and after every Follow.
    const CellGrid& Shown() const { return moments_[at_].grid; }

    // One elementary operation on the base matrix, logged with its sentence
    // and the matrix after it.
    //
    // Towards the determinant every step also takes detAnswer, the
    // student's factor k of det(before) = k·det(after): -1 for an exchange,
    // 1/c for a scaling by c, 1 for an addition, their product for several
    // operations. A step without one is refused; one with a wrong factor is
    // wrong and counted; a right one is logged with what it did to the
    // determinant, kept as det A = f·det B. Other goals ignore it.
    PracticeResult Apply(const RowOperation& op, StepLog& log,
                         const std::optional<ComplexFraction>& detAnswer = std::nullopt);
    // Checks a matrix worked by hand: right when it follows from the base
    // by the named operations, or, with none named, by one step as
    // RecogniseStep reads it. Right steps are logged like operations; a
    // wrong one is explained in the log and counted. detAnswer as for Apply.
    PracticeResult Check(const CellGrid& typed, StepLog& log,
                         const std::vector<RowOperation>& named = {},
                         const std::optional<ComplexFraction>& detAnswer = std::nullopt);
    // Logs the operation the program's own reduction would do next from the
    // base, worded as the step will be logged when it is done, without
    // doing it, and returns it; nothing once the goal is reached. Towards
    // row echelon form, eliminations above a pivot are passed over.
    std::optional<ReductionStep> Hint(StepLog& log);
    // The front end changed the grid it shows (see GridChange). Logs the
    // base matrix when an undo or redo moved back or on past a step.
    void Follow(const CellGrid& shown, GridChange change, StepLog& log);

    PracticeGoal Goal() const { return goal_; }
    PracticeProgress Progress() const;
    // For the status bar: "練習（行階段標準形）：ピボット 1/3" or "…：完成".
    std::string ProgressText() const;
    // Operations from the start to the base, along the route now shown.
    int Operations() const { return Base().operations; }
    int HintsUsed() const { return hints_; }
    int WrongAttempts() const { return wrongAttempts_; }
    // Whether an undo or redo would still stay inside the practice, and
    // inside what the History keeps of it.
    bool CanUndo() const { return at_ > 0; }
    bool CanRedo() const { return at_ + 1 < moments_.size(); }
    // Whether the practice's start has fallen out of the History's reach.
    bool StartDropped() const { return startDropped_; }

  private:
    struct Accepted {
        MatrixRows matrix;
        int operations = 0;
        FrontFactor front;  // towards the determinant: det A = f·det(matrix)
    };
    struct Moment {
        CellGrid grid;
        std::shared_ptr<const Accepted> base;  // shared by the edits made on it
    };

    PracticeSession(PracticeGoal goal, const CellGrid& grid, MatrixRows start, LogStyle style);

    const Accepted& Base() const { return *moments_[at_].base; }
    const MatrixRows& BaseMatrix() const { return Base().matrix; }
    bool InGoalForm(const MatrixRows& matrix) const;
    ReductionAim Aim() const;
    // The program's own next operation from the base; nothing at the goal.
    std::optional<ReductionStep> NextStep() const;
    // Whether a step towards the determinant lacks its factor, which is then
    // asked for in the log.
    bool AnswerMissing(const std::optional<ComplexFraction>& detAnswer, StepLog& log) const;
    // The step, read as the first of readings (the ways its operations can
    // be told) whose factor is the one answered towards the determinant; a
    // wrong factor is explained by the first reading's rules and counted.
    PracticeResult AcceptAnswered(const std::vector<std::vector<RowOperation>>& readings,
                                  const std::optional<ComplexFraction>& detAnswer,
                                  const CellGrid& shownOn, StepLog& log);
    PracticeResult Accept(const std::vector<RowOperation>& operations, const CellGrid& shownOn,
                          StepLog& log);
    PracticeResult Wrong(const MatrixRows& typed, Diagnosis diagnosis, bool named, StepLog& log);
    void Record(Moment moment);
    void MoveTo(std::size_t at, StepLog& log);
    void LogFinish(StepLog& log) const;
    void LogInverse(StepLog& log) const;
    void LogDeterminant(StepLog& log) const;

    PracticeGoal goal_;
    LogStyle style_;
    MatrixRows start_;
    int pivotsNeeded_ = 0;
    int programSteps_ = 0;  // operations the program's own reduction needs
    std::deque<Moment> moments_;
    std::size_t at_ = 0;
    bool startDropped_ = false;
    int hints_ = 0;
    int wrongAttempts_ = 0;
};

}  // namespace korvane
