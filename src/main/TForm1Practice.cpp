// The practice mode in the window: the goal asked, the panel's commands
// handed to the practice session, its steps taken into the grid and the
// History, its wrong cells marked, and the grid kept from every other route
// of change while the student works.
#include <QAbstractSpinBox>
#include <QAction>
#include <QDockWidget>
#include <QLineEdit>
#include <QToolButton>
#include <array>
#include <memory>

#include "core/CellValue.h"
#include "core/practice/RowOperation.h"
#include "main/CellGridModel.h"
#include "main/CellGridView.h"
#include "main/LogShapes.h"
#include "main/PracticePanel.h"
#include "main/StepSpinBox.h"
#include "main/TForm1.h"
#include "mklibs/Errors.h"

namespace korvane {

namespace {

// In the order the question lists them.
constexpr std::array kGoals = {PracticeGoal::kReducedRowEchelon, PracticeGoal::kRowEchelon,
                               PracticeGoal::kInverse, PracticeGoal::kDeterminant};

// The commands that would write the grid other than by a checked step.
const char* const kChangesGrid[] = {"O1", "N3",  "N4",  "L1",  "N6",  "N7",
                                    "N9", "N10", "N12", "N13", "N14",
                                    "RecallMatrix1", "Evaluate1"};

const QString kLockedNote = QStringLiteral("（練習モードの間は使えません。）");
const QString kSizeLocked = QStringLiteral("練習モードの間は、行列の大きさは変えられません。");

}  // namespace

void TForm1::BuildPractice() {
    practicePanel_ = new PracticePanel;
    practiceDock_ = new QDockWidget(QStringLiteral("練習モード"), this);
    practiceDock_->setObjectName(QStringLiteral("PracticeDock"));
    practiceDock_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    practiceDock_->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    practiceDock_->setWidget(practicePanel_);
    addDockWidget(Qt::BottomDockWidgetArea, practiceDock_);
    practiceDock_->hide();

    // The window's shortcuts win over the boxes' editing keys, as in the
    // other boxes of the window.
    for (QWidget* box : practicePanel_->findChildren<QLineEdit*>())
        box->installEventFilter(this);
    for (QWidget* box : practicePanel_->findChildren<QAbstractSpinBox*>())
        box->installEventFilter(this);

    connect(practicePanel_, &PracticePanel::swapRequested, this,
            [this](int a, int b) { PracticeApply([a, b] { return RowOperation::Swap(a, b); }); });
    connect(practicePanel_, &PracticePanel::scaleRequested, this,
            [this](int row, const QString& factor) {
                PracticeApply([row, typed = factor.toStdString()] {
                    return RowOperation::Scale(row, ReadFactor(typed));
                });
            });
    connect(practicePanel_, &PracticePanel::addRequested, this,
            [this](int target, int source, const QString& factor) {
                PracticeApply([target, source, typed = factor.toStdString()] {
                    return RowOperation::Add(target, source, ReadFactor(typed));
                });
            });
    connect(practicePanel_, &PracticePanel::checkRequested, this, &TForm1::PracticeCheck);
    connect(practicePanel_, &PracticePanel::hintRequested, this, &TForm1::PracticeHint);
    connect(this, &TForm1::computationFinished, this, &TForm1::TakeStartedPractice);
}

void TForm1::Practice1Click() {
    if (practice_) {
        LeavePractice();
    } else {
        StartPractice();
    }
}

// Starting works the whole reduction out (the goal's pivots, the program's
// own count of operations), which takes seconds on long numbers: it runs
// through the window's worker and can be stopped like a computation.
void TForm1::StartPractice() {
    if (Computing()) return;
    std::optional<std::size_t> chosen;
    Run([this, &chosen] {
        std::vector<std::string> goals;
        for (PracticeGoal goal : kGoals)
            goals.push_back(GoalName(goal));
        chosen = dialogs_->ChooseOne("練習モード", "どの形まで変形しますか？", goals);
    });
    if (!chosen || *chosen >= kGoals.size()) {
        ShowPracticeMode();
        return;
    }
    auto started = std::make_shared<std::optional<PracticeSession>>();
    startingPractice_ = started;
    const PracticeGoal goal = kGoals[*chosen];
    Compute(
        [started, goal](CellGrid& grid, StepLog& log) {
            *started = PracticeSession::Start(grid, goal, log);
            if (!*started) return false;  // the reason is in the log
            const bool changed = !((*started)->Shown() == grid);
            grid = (*started)->Shown();
            return changed;
        },
        goal == PracticeGoal::kInverse ? InverseShape(grid_) : AugmentedShape{});
}

void TForm1::TakeStartedPractice() {
    if (!startingPractice_) return;
    practice_ = std::move(*startingPractice_);
    startingPractice_.reset();
    if (practice_) practice_->SetLogStyle(logStyle_);  // as the options stand now
    ShowPracticeMode();
}

void TForm1::LeavePractice() {
    practice_.reset();
    model_->ClearMarks();
    ShowPracticeMode();
}

void TForm1::ShowPracticeMode() {
    const bool practising = practice_.has_value();
    findChild<QAction*>(QStringLiteral("Practice1"))->setChecked(practising);
    practiceDock_->setVisible(practising);
    practicePanel_->ShowDeterminantFactor(practising &&
                                          practice_->Goal() == PracticeGoal::kDeterminant);
    LockForPractice();
    RefreshPractice();
    if (practising) practicePanel_->FirstControl()->setFocus();
}

// The operation is made inside the window's one error wrapper, so that a
// factor that is no number is refused in the error box.
void TForm1::PracticeApply(const std::function<RowOperation()>& operation) {
    if (!practice_ || Computing()) return;
    sgmatrix_->CommitEdit();  // a cell being typed into counts, as everywhere
    Run([this, &operation] {
        TakePracticeResult(practice_->Apply(operation(), logStore_, DeterminantAnswer()));
    });
}

void TForm1::PracticeCheck() {
    if (!practice_ || Computing()) return;
    sgmatrix_->CommitEdit();
    Run([this] {
        TakePracticeResult(practice_->Check(grid_, logStore_, {}, DeterminantAnswer()));
    });
}

std::optional<ComplexFraction> TForm1::DeterminantAnswer() const {
    const std::string typed = practicePanel_->DeterminantFactor().toStdString();
    if (practice_->Goal() != PracticeGoal::kDeterminant || IsEmptyCell(typed)) return std::nullopt;
    return ReadFactor(typed);
}

void TForm1::PracticeHint() {
    if (!practice_ || Computing()) return;
    sgmatrix_->CommitEdit();
    Run([this] {
        if (const auto step = practice_->Hint(logStore_)) practicePanel_->Prefill(step->operation);
    });
}

void TForm1::TakePracticeResult(const PracticeResult& result) {
    switch (result.outcome) {
        case PracticeResult::Outcome::kAccepted:
            model_->ClearMarks();
            practicePanel_->ClearDeterminantFactor();  // each step answers its own
            grid_ = result.grid;
            Record(true);  // one state for every step, as the practice keeps them
            break;
        case PracticeResult::Outcome::kWrong:
            model_->Mark(result.diagnosis->wrongCells);
            break;
        case PracticeResult::Outcome::kRefused:
            break;
    }
}

void TForm1::RefuseResizeInPractice(const CellGrid& next) const {
    if (practice_ && (next.Rows() != grid_.Rows() || next.Cols() != grid_.Cols()))
        throw Error(kSizeLocked.toStdString());
}

void TForm1::FollowPractice(GridChange change) {
    if (practice_) practice_->Follow(grid_, change, logStore_);
}

void TForm1::LockForPractice() {
    const bool practising = practice_.has_value();
    for (const char* name : kChangesGrid) {
        auto* action = findChild<QAction*>(QLatin1String(name));
        if (action == nullptr) continue;
        if (!Computing()) action->setEnabled(!practising);
        QString hint = action->toolTip();
        hint.remove(kLockedNote);
        action->setToolTip(practising ? hint + kLockedNote : hint);
        // Its toolbar button tells a screen reader why it is disabled.
        for (QObject* shown : action->associatedObjects()) {
            if (auto* button = qobject_cast<QToolButton*>(shown))
                button->setAccessibleDescription(practising ? kLockedNote : QString());
        }
    }
    for (StepSpinBox* box : {seRows_, seCols_}) {
        if (!Computing()) box->setEnabled(!practising);
        box->setToolTip(practising ? kSizeLocked : QString());
    }
    practicePanel_->setEnabled(!Computing());
}

void TForm1::RefreshPractice() {
    if (!practice_) return;
    const QString progress = QString::fromStdString(practice_->ProgressText());
    practicePanel_->ShowProgress(progress + QStringLiteral("　操作 %1回・ヒント %2回・間違い %3回")
                                                .arg(practice_->Operations())
                                                .arg(practice_->HintsUsed())
                                                .arg(practice_->WrongAttempts()));
    practicePanel_->SetRows(grid_.Rows());
}

}  // namespace korvane
