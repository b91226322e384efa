#include "main/TForm1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTableView>
#include <QToolBar>
#include <exception>

#include "core/editing/History.h"
#include "core/editing/InputAids.h"
#include "core/editing/MatrixFile.h"
#include "main/CellGridModel.h"
#include "main/CellGridView.h"
#include "main/CentreOnScreen.h"
#include "main/ControlBand.h"
#include "main/HelpViewer.h"
#include "main/LogPane.h"
#include "main/LogShapes.h"
#include "main/QtDialogs.h"
#include "main/StatusPanel.h"
#include "main/StepSpinBox.h"
#include "main/WindowFonts.h"

namespace korvane {

TForm1::TForm1(std::unique_ptr<Dialogs> dialogs, QWidget* parent)
    : QMainWindow(parent), history_(std::make_unique<History>()), dialogs_(std::move(dialogs)) {
    if (!dialogs_) {
        dialogs_ = std::make_unique<QtDialogs>(this);
    }
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Korvane"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/window.svg")));
    setFont(ControlsFont());
    BuildActions();
    BuildMenus();
    BuildToolbars();
    BuildWorkArea();
    BuildStatusBar();
    SetAccessibleNames();
    BuildEditing();
    BuildPractice();
    resize(kClientWidth, kClientHeight);
    FormCreate();
}

TForm1::~TForm1() {
    // Closing the window takes the focus from a cell being typed into, which
    // commits it; the window is going, and so is what it would change.
    model_->disconnect(this);
}

QMainWindow* TForm1::ControlBar1() const {
    return controlBar1_;
}

void TForm1::ShowAndRaise() {
    show();
    raise();
    activateWindow();
}

// --- start-up and shutdown ---------------------------------------------------

void TForm1::FormCreate() {
    Run([this] { history_->FormCreate(grid_); });
}

void TForm1::Exit1Click() {
    if (MayLeaveNamedMatrices("保存せずに終了して宜しいでしょうか？")) EndProgram();
}

void TForm1::EndProgram() {
    // A running computation is told to stop now; the window's end waits the
    // moment it takes to notice.
    if (computation_) computation_->RequestStop();
    QCoreApplication::exit(0);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!MayLeaveNamedMatrices("保存せずに終了して宜しいでしょうか？")) {
        event->ignore();
        return;
    }
    event->accept();  // the window is hidden
    EndProgram();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownBefore_) {
        return;
    }
    shownBefore_ = true;
    CentreOnScreen(*this);
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QMainWindow::event(event);
}

void TForm1::FormActivate() {
    emit activated();
}

// --- the command wrapper -----------------------------------------------------

void TForm1::Run(const std::function<void()>& command) {
    QString error;
    try {
        command();
    } catch (const std::exception& e) {
        error = QString::fromUtf8(e.what());
    }
    Refresh();  // what the command finished before the error stays
    if (!error.isNull()) {
        QtDialogs::ShowError(this, error);
    }
}

void TForm1::Refresh() {
    model_->Sync(grid_);
    sgmatrix_->SetRuleAfter(grid_.Cols() == gridShape_.totalCols ? gridShape_.leftCols : 0);
    {
        const QSignalBlocker rowsBlocker(seRows_);
        const QSignalBlocker colsBlocker(seCols_);
        seRows_->setValue(grid_.Rows());
        seCols_->setValue(grid_.Cols());
    }
    // A running computation's log is still growing; it ends when it does.
    if (!Computing()) log_->Finish();
    statusPanel1_->Show(QString::fromStdString(history_->CountsText()));
    RefreshPractice();
    if (matricesPanel_ != nullptr) RefreshWorkspace();
}

void TForm1::Record(bool gridChanged) {
    if (gridChanged) {
        history_->RecordSnapshot(grid_);
    }
}

// --- File --------------------------------------------------------------------

void TForm1::O1Click() {
    Run([this] { Record(korvane::O1Click(grid_, *dialogs_)); });
}

void TForm1::S1Click() {
    Run([this] { korvane::S1Click(grid_, *dialogs_); });
}

// --- Edit --------------------------------------------------------------------

// Inside the practice mode, undo and redo move one step along the practice
// and stop at its start and end.
void TForm1::Undo1Click() {
    Run([this] {
        if (practice_ && !practice_->CanUndo()) {
            // Past the History's reach the History's own end is what stops.
            dialogs_->ShowMessage(practice_->StartDropped()
                                      ? "これ以上は戻せません。"
                                      : "練習を始めたところより前には戻せません。");
            return;
        }
        history_->Undo1Click(grid_, *dialogs_);
        FollowPractice(GridChange::kUndone);
    });
}

void TForm1::Repeat1Click() {
    Run([this] {
        if (practice_ && !practice_->CanRedo()) {
            dialogs_->ShowMessage("今のが最後の動作です。");
            return;
        }
        history_->Repeat1Click(grid_, *dialogs_);
        FollowPractice(GridChange::kRedone);
    });
}

void TForm1::N3Click() {
    Compute([](CellGrid& grid, StepLog& log) { return korvane::N3Click(grid, log); });
}

void TForm1::N4Click() {
    Compute([](CellGrid& grid, StepLog& log) { return korvane::N4Click(grid, log); });
}

void TForm1::L1Click() {
    // The factor is asked here; the products are formed off the event loop.
    Run([this] {
        const ComplexFraction factor = AskFactor(*dialogs_);
        Compute([factor](CellGrid& grid, StepLog&) { return MultiplyCells(grid, factor); });
    });
}

void TForm1::N6Click() {
    Compute([](CellGrid& grid, StepLog& log) { return korvane::N6Click(grid, log); });
}

void TForm1::N7Click() {
    Compute([](CellGrid& grid, StepLog& log) { return korvane::N7Click(grid, log); });
}

void TForm1::N9Click() {
    Compute([](CellGrid& grid, StepLog& log) { return korvane::N9Click(grid, log); });
}

void TForm1::N10Click() {
    Compute([](CellGrid& grid, StepLog& log) { return korvane::N10Click(grid, log); });
}

void TForm1::ControlBar1DblClick() {
    emit toolbarSettingsRequested();
}

// --- Compute -----------------------------------------------------------------

void TForm1::N12Click() {
    Compute([this](CellGrid& grid, StepLog& log) { return engine_.Transpose(grid, log); });
}

void TForm1::N13Click() {
    Compute([this](CellGrid& grid, StepLog& log) { return engine_.Inverse(grid, log); },
            InverseShape(grid_));
}

void TForm1::N14Click() {
    Compute(
        [this](CellGrid& grid, StepLog& log) { return engine_.ReducedRowEchelonForm(grid, log); });
}

void TForm1::N16Click() {
    Compute([this](CellGrid& grid, StepLog& log) {
        engine_.Image(grid, log);
        return false;
    });
}

void TForm1::C1Click() {
    Compute([this](CellGrid& grid, StepLog& log) {
        engine_.Kernel(grid, log);
        return false;
    });
}

void TForm1::ToolButton6Click() {
    Compute([this](CellGrid& grid, StepLog& log) {
        engine_.Determinant(grid, log);
        return false;
    });
}

// The commands below leave the grid as it is: nothing to record.
void TForm1::Solve1Click() {
    Compute(
        [this, rhs = rightHandSides_](CellGrid& grid, StepLog& log) {
            engine_.Solve(grid, log, rhs);
            return false;
        },
        SolveShape(grid_, rightHandSides_));
}

void TForm1::SeveralRhs1Click() {
    const auto* option = findChild<QAction*>(QStringLiteral("SeveralRhs1"));
    rightHandSides_ = option->isChecked() ? RightHandSides::kSeveral : RightHandSides::kOne;
}

void TForm1::Rank1Click() {
    Compute([this](CellGrid& grid, StepLog& log) {
        engine_.Rank(grid, log);
        return false;
    });
}

void TForm1::CharPoly1Click() {
    Compute([this](CellGrid& grid, StepLog& log) {
        engine_.CharacteristicPolynomial(grid, log);
        return false;
    });
}

void TForm1::Eigenvalues1Click() {
    Compute([this](CellGrid& grid, StepLog& log) {
        engine_.Eigenvalues(grid, log);
        return false;
    });
}

void TForm1::Eigenvectors1Click() {
    Compute([this](CellGrid& grid, StepLog& log) {
        engine_.Eigenvectors(grid, log);
        return false;
    });
}

void TForm1::Diagonalize1Click() {
    Compute([this](CellGrid& grid, StepLog& log) {
        engine_.Diagonalize(grid, log);
        return false;
    });
}

// --- Help --------------------------------------------------------------------

void TForm1::H2Click() {
    Run([this] {
        if (!help_) {
            help_ = new HelpViewer(this);
        }
        help_->ShowContents();
    });
}

void TForm1::About1Click() {
    emit versionWindowRequested();
}

// --- grid and count boxes ----------------------------------------------------

void TForm1::sgmatrixDblClick() {
    if (Computing()) return;  // the grid waits for the computation's outcome
    const QModelIndex current = sgmatrix_->currentIndex();
    const int col = current.isValid() ? current.column() : 0;
    const int row = current.isValid() ? current.row() : 0;
    Run([this, col, row] {
        Record(korvane::sgmatrixDblClick(grid_, col, row, *dialogs_));
        FollowPractice(GridChange::kEdited);
    });
}

// Only the readout changes: the mouse moves too often for a whole refresh.
void TForm1::sgmatrixMouseMove(int x, int y) {
    const int col = sgmatrix_->columnAt(x);
    const int row = sgmatrix_->rowAt(y);
    statusPanel0_->Show(QString::fromStdString(MouseReadout(col, row)));
}

void TForm1::se_rowsChange() {
    Run([this] { grid_.SetRows(seRows_->value()); });
}

void TForm1::se_colsChange() {
    Run([this] { grid_.SetCols(seCols_->value()); });
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sgmatrix_->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            sgmatrixMouseMove(at.x(), at.y());
        } else if (event->type() == QEvent::MouseButtonDblClick &&
                   static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            sgmatrixDblClick();
            return true;
        }
    } else if (event->type() == QEvent::ShortcutOverride) {
        // The window's own shortcuts (undo on Alt+Backspace among them) win
        // over the text boxes' editing keys.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : actions()) {
            if (action->isEnabled() && action->isVisible() && action->shortcut() == pressed) {
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace korvane
