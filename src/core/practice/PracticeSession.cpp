#include "core/practice/PracticeSession.h"

#include <utility>

#include "core/editing/History.h"
#include "core/engine/RowOperationText.h"
#include "core/methods/CommandFrame.h"
#include "core/parameter/ParameterGrid.h"
#include "core/practice/EchelonForm.h"
#include "core/practice/StepRecognition.h"

namespace korvane {

namespace {

// [A | I] fits the 10 columns of the grid up to this size.
constexpr int kLargestInverse = CellGrid::kMaxSize / 2;

// As many grids as the window's History can go back and forth over.
constexpr std::size_t kMomentsKept = History::kReachableStates;

bool SameShown(const CellGrid& a, const CellGrid& b) {
    if (a.Rows() != b.Rows() || a.Cols() != b.Cols()) return false;
    for (int r = 0; r < a.Rows(); ++r) {
        for (int c = 0; c < a.Cols(); ++c) {
            if (a.Cell(c, r) != b.Cell(c, r)) return false;
        }
    }
    return true;
}

// Columns from..from+width of every row.
MatrixRows Columns(const MatrixRows& matrix, std::size_t from, std::size_t width) {
    MatrixRows part;
    for (const MatrixRow& row : matrix)
        part.emplace_back(row.begin() + static_cast<std::ptrdiff_t>(from),
                          row.begin() + static_cast<std::ptrdiff_t>(from + width));
    return part;
}

MatrixRows Product(const MatrixRows& a, const MatrixRows& b) {
    MatrixRows product(a.size(), ZeroRow(b.front().size()));
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t k = 0; k < b.size(); ++k)
            AddMultiple(product[i], a[i][k], b[k]);
    }
    return product;
}

bool LeftHalfHasZeroRow(const MatrixRows& matrix) {
    for (const MatrixRow& row : Columns(matrix, 0, matrix.size())) {
        if (IsZeroRow(row)) return true;
    }
    return false;
}

bool IsIdentityMatrix(const MatrixRows& matrix) {
    for (std::size_t r = 0; r < matrix.size(); ++r) {
        for (std::size_t c = 0; c < matrix[r].size(); ++c) {
            if (r == c ? !CpxIsOne(matrix[r][c]) : !CpxIsZero(matrix[r][c])) return false;
        }
    }
    return true;
}

}  // namespace

std::optional<PracticeSession> PracticeSession::Start(const CellGrid& grid, PracticeGoal goal,
                                                      StepLog& log, const LogStyle& style) {
    if (const char letter = GridParameterLetter(grid)) {
        log.ClearStepLog();
        std::string refusal = "練習モードでは、文字 ";
        refusal += letter;
        refusal += " を含む行列はまだ扱えません。数だけの行列で練習してください。";
        log.AppendStepLog(refusal);
        return std::nullopt;
    }
    MatrixRows start = ReadRows(grid);
    if (goal == PracticeGoal::kDeterminant && !grid.IsSquare()) {
        log.ClearStepLog();
        log.AppendStepLog(kNoDeterminant);
        return std::nullopt;
    }
    if (goal == PracticeGoal::kInverse) {
        if (!grid.IsSquare()) {
            log.ClearStepLog();
            log.AppendStepLog("正方行列でないので、逆行列はありません。");
            return std::nullopt;
        }
        if (grid.Cols() > kLargestInverse) {
            log.ClearStepLog();
            log.AppendStepLog("逆行列の練習は、" + std::to_string(kLargestInverse) + "行" +
                              std::to_string(kLargestInverse) + "列までの行列でできます。");
            return std::nullopt;
        }
        start = WithIdentity(start);
    }
    PracticeSession session(goal, grid, std::move(start), style);
    log.ClearStepLog();
    PrintRows(session.start_, log);
    log.AppendStepLog(TaskSentence(goal));
    if (session.InGoalForm(session.start_)) session.LogFinish(log);
    return session;
}

PracticeSession::PracticeSession(PracticeGoal goal, const CellGrid& grid, MatrixRows start,
                                 LogStyle style)
    : goal_(goal), style_(style), start_(std::move(start)) {
    const MatrixRows reduced = ReducedForm(start_);
    for (const MatrixRow& row : reduced)
        pivotsNeeded_ += IsZeroRow(row) ? 0 : 1;
    programSteps_ = ReductionStepsUntil(
        start_, Aim(), [this](const MatrixRows& matrix) { return InGoalForm(matrix); });
    moments_.push_back(
        {StoreRows(start_, grid), std::make_shared<const Accepted>(start_, 0, FrontFactor{})});
}

ReductionAim PracticeSession::Aim() const {
    return goal_ == PracticeGoal::kRowEchelon || goal_ == PracticeGoal::kDeterminant
               ? ReductionAim::kEchelonForm
               : ReductionAim::kReducedForm;
}

bool PracticeSession::InGoalForm(const MatrixRows& matrix) const {
    if (goal_ == PracticeGoal::kRowEchelon) return IsRowEchelon(matrix);
    if (goal_ == PracticeGoal::kDeterminant) return IsUpperTriangular(matrix);
    // A zero row in the left half settles it: the matrix has no inverse.
    if (goal_ == PracticeGoal::kInverse && LeftHalfHasZeroRow(matrix)) return true;
    return IsReducedRowEchelon(matrix);
}

PracticeResult PracticeSession::Apply(const RowOperation& op, StepLog& log,
                                      const std::optional<ComplexFraction>& detAnswer) {
    if (const auto refusal = RefusalOf(op, static_cast<int>(BaseMatrix().size()))) {
        log.AppendStepLog(*refusal);
        return {};
    }
    if (AnswerMissing(detAnswer, log)) return {};
    return AcceptAnswered({{op}}, detAnswer, Shown(), log);
}

PracticeResult PracticeSession::Check(const CellGrid& typed, StepLog& log,
                                      const std::vector<RowOperation>& named,
                                      const std::optional<ComplexFraction>& detAnswer) {
    if (AnswerMissing(detAnswer, log)) return {};
    const MatrixRows& base = BaseMatrix();
    if (static_cast<std::size_t>(typed.Rows()) != base.size() ||
        static_cast<std::size_t>(typed.Cols()) != base.front().size()) {
        log.AppendStepLog("入力された行列は、前の行列と大きさが違います。");
        return {};
    }
    for (const RowOperation& op : named) {
        if (const auto refusal = RefusalOf(op, static_cast<int>(base.size()))) {
            log.AppendStepLog(*refusal);
            return {};
        }
    }
    const MatrixRows matrix = ReadRows(typed);
    if (!named.empty()) {
        if (Applied(base, named) == matrix) return AcceptAnswered({named}, detAnswer, typed, log);
        return Wrong(matrix, DiagnoseNamedStep(base, matrix, named), true, log);
    }
    if (matrix == base) {
        log.AppendStepLog("入力された行列は、前の行列と同じです。");
        return {};
    }
    if (const auto readings = StepReadings(base, matrix); !readings.empty())
        return AcceptAnswered(readings, detAnswer, typed, log);
    std::optional<RowOperation> next;
    if (const auto step = NextStep()) next = step->operation;
    return Wrong(matrix, DiagnoseStep(base, matrix, next), false, log);
}

bool PracticeSession::AnswerMissing(const std::optional<ComplexFraction>& detAnswer,
                                    StepLog& log) const {
    if (goal_ != PracticeGoal::kDeterminant || detAnswer) return false;
    log.AppendStepLog("行列式の練習では、操作の前の行列式が後の行列式の何倍かも答えてください。");
    return true;
}

PracticeResult PracticeSession::AcceptAnswered(
    const std::vector<std::vector<RowOperation>>& readings,
    const std::optional<ComplexFraction>& detAnswer, const CellGrid& shownOn, StepLog& log) {
    if (goal_ != PracticeGoal::kDeterminant) return Accept(readings.front(), shownOn, log);
    for (const std::vector<RowOperation>& operations : readings) {
        ComplexFraction expected = CpxOne();
        for (const RowOperation& op : operations)
            expected = CpxMul(expected, FrontFactorOf(op));
        if (*detAnswer == expected) return Accept(operations, shownOn, log);
    }
    ++wrongAttempts_;
    for (const std::string& line : WrongFactorSentences(readings.front()))
        log.AppendStepLog(line);
    PracticeResult result;
    result.outcome = PracticeResult::Outcome::kWrong;
    result.diagnosis = Diagnosis{};  // the matrix itself is right: nothing to mark
    return result;
}

PracticeResult PracticeSession::Accept(const std::vector<RowOperation>& operations,
                                       const CellGrid& shownOn, StepLog& log) {
    // Everything is computed before the session changes.
    const bool wasFinished = InGoalForm(BaseMatrix());
    auto next = std::make_shared<Accepted>(
        BaseMatrix(), Operations() + static_cast<int>(operations.size()), Base().front);
    for (const RowOperation& op : operations) {
        ApplyOperation(op, next->matrix);
        log.AppendStepLog(RowOperationLine(op, style_));
        PrintRows(next->matrix, log);
        if (goal_ != PracticeGoal::kDeterminant) continue;
        next->front.Take(FrontFactorOf(op));
        log.AppendStepLog(RelationSentence(op, next->front, "A"));
    }
    PracticeResult result;
    result.outcome = PracticeResult::Outcome::kAccepted;
    result.grid = StoreRows(next->matrix, shownOn);
    result.finished = !wasFinished && InGoalForm(next->matrix);

    Record({result.grid, std::move(next)});
    if (result.finished) LogFinish(log);
    return result;
}

PracticeResult PracticeSession::Wrong(const MatrixRows& typed, Diagnosis diagnosis, bool named,
                                      StepLog& log) {
    ++wrongAttempts_;
    log.AppendStepLog(named ? "入力された行列は、指定された操作の結果になっていません。"
                            : "入力された行列は、前の行列に行基本変形をした結果になっていません。");
    PrintRows(typed, log);
    const int width = static_cast<int>(typed.front().size());
    const int augmentedFrom = goal_ == PracticeGoal::kInverse ? width / 2 : -1;
    for (const std::string& line :
         SlipSentences(diagnosis, named, width, augmentedFrom, style_.additionWording))
        log.AppendStepLog(line);
    PracticeResult result;
    result.outcome = PracticeResult::Outcome::kWrong;
    result.diagnosis = std::move(diagnosis);
    return result;
}

std::optional<ReductionStep> PracticeSession::NextStep() const {
    if (InGoalForm(BaseMatrix())) return std::nullopt;
    return FirstReductionStep(BaseMatrix(), Aim());
}

std::optional<ReductionStep> PracticeSession::Hint(StepLog& log) {
    const std::optional<ReductionStep> step = NextStep();
    if (!step) {
        log.AppendStepLog("もう完成しています。");
        return step;
    }
    ++hints_;
    log.AppendStepLog("ヒント：" + RowOperationLine(step->operation, style_));
    return step;
}

void PracticeSession::Follow(const CellGrid& shown, GridChange change, StepLog& log) {
    if (change == GridChange::kUndone && at_ > 0 && SameShown(moments_[at_ - 1].grid, shown)) {
        MoveTo(at_ - 1, log);
    } else if (change == GridChange::kRedone && CanRedo() &&
               SameShown(moments_[at_ + 1].grid, shown)) {
        MoveTo(at_ + 1, log);
    } else if (SameShown(Shown(), shown)) {
        return;
    } else if (change == GridChange::kEdited) {
        Record({shown, moments_[at_].base});
    } else {
        // Out of step with the window (a change it did not report): take
        // the nearest grid the session has seen that matches, looking the
        // way the window moved; anything else is an attempt on the base.
        const bool back = change == GridChange::kUndone;
        for (std::size_t d = 1; d < moments_.size(); ++d) {
            const std::size_t at = back ? at_ - d : at_ + d;
            if (back ? d > at_ : at >= moments_.size()) break;
            if (SameShown(moments_[at].grid, shown)) return MoveTo(at, log);
        }
    }
}

// The new grid drops what could be redone, and the oldest grid once the
// History would have let it go.
void PracticeSession::Record(Moment moment) {
    moments_.resize(at_ + 1);
    moments_.push_back(std::move(moment));
    if (moments_.size() > kMomentsKept) {
        moments_.pop_front();
        startDropped_ = true;
    }
    at_ = moments_.size() - 1;
}

void PracticeSession::MoveTo(std::size_t at, StepLog& log) {
    const bool back = at < at_;
    const std::shared_ptr<const Accepted> before = moments_[at_].base;
    at_ = at;
    if (moments_[at_].base == before) return;
    log.AppendStepLog(back ? "元に戻します。" : "やり直します。");
    PrintRows(BaseMatrix(), log);
}

PracticeProgress PracticeSession::Progress() const {
    const MatrixRows& base = BaseMatrix();
    const bool reduced =
        goal_ == PracticeGoal::kReducedRowEchelon || goal_ == PracticeGoal::kInverse;
    return {PivotsInPlace(base, reduced), pivotsNeeded_, InGoalForm(base)};
}

std::string PracticeSession::ProgressText() const {
    const PracticeProgress progress = Progress();
    const std::string head = "練習（" + GoalName(goal_) + "）：";
    if (progress.goalReached) return head + "完成";
    return head + "ピボット " + std::to_string(progress.pivotsDone) + "/" +
           std::to_string(progress.pivotsNeeded);
}

void PracticeSession::LogFinish(StepLog& log) const {
    log.AppendStepLog("完成です。");
    if (goal_ == PracticeGoal::kInverse) LogInverse(log);
    if (goal_ == PracticeGoal::kDeterminant) LogDeterminant(log);
    log.AppendStepLog("操作は" + std::to_string(Operations()) + "回、ヒントは" +
                      std::to_string(hints_) + "回、間違いは" + std::to_string(wrongAttempts_) +
                      "回でした。");
    log.AppendStepLog("自動で計算すると、操作は" + std::to_string(programSteps_) + "回です。");
}

void PracticeSession::LogDeterminant(StepLog& log) const {
    std::vector<ComplexFraction> diagonal;
    for (std::size_t i = 0; i < BaseMatrix().size(); ++i)
        diagonal.push_back(BaseMatrix()[i][i]);
    const ComplexFraction detB = LogDiagonalProduct(diagonal, log);
    DeterminantResult(LogFrontTimes(Base().front, detB, "A", log), log);
}

void PracticeSession::LogInverse(StepLog& log) const {
    const std::size_t n = start_.size();
    const MatrixRows& base = BaseMatrix();
    const MatrixRows left = Columns(base, 0, n);
    if (!IsIdentityMatrix(left)) {
        for (std::size_t r = 0; r < n; ++r) {
            if (IsZeroRow(left[r])) {
                log.AppendStepLog("左半分の" + std::to_string(r + 1) +
                                  "行目が、すべて0になりました。");
                break;
            }
        }
        log.AppendStepLog("よって、この行列は非可逆です。");
        return;
    }
    const MatrixRows inverse = Columns(base, n, n);
    log.AppendStepLog("よって、逆行列は、");
    PrintRows(inverse, log);
    log.AppendStepLog("です。");
    // Every accepted step was exact, so this holds; it is shown as the
    // check a student would make.
    const bool checked = IsIdentityMatrix(Product(Columns(start_, 0, n), inverse));
    log.AppendStepLog(checked ? "元の行列に掛けると、単位行列になることを確かめました。"
                              : "元の行列に掛けても、単位行列になりません。");
}

}  // namespace korvane
