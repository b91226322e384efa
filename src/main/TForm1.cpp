#include "main/TForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTableView>
#include <QToolBar>
#include <exception>

#include "core/editing/History.h"
#include "core/editing/InputAids.h"
#include "core/editing/MatrixFile.h"
#include "main/CellGridModel.h"
#include "main/CentreOnScreen.h"
#include "main/ControlBand.h"
#include "main/HelpViewer.h"
#include "main/QtDialogs.h"
#include "main/StepSpinBox.h"
#include "main/WindowFonts.h"

namespace korvane {

namespace {
const QString kWindowIcon = QStringLiteral(":/icons/window.svg");
}  // namespace

TForm1::TForm1(std::unique_ptr<Dialogs> dialogs, QWidget* parent)
    : QMainWindow(parent), history_(std::make_unique<History>()), dialogs_(std::move(dialogs)) {
    if (!dialogs_) {
        dialogs_ = std::make_unique<QtDialogs>(this);
    }
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Korvane"));
    if (QFile::exists(kWindowIcon)) {
        setWindowIcon(QIcon(kWindowIcon));
    }
    setFont(ControlsFont());
    BuildMenus();
    BuildToolbars();
    BuildWorkArea();
    BuildStatusBar();
    SetAccessibleNames();
    resize(kClientWidth, kClientHeight);
    FormCreate();
}

TForm1::~TForm1() = default;

QMainWindow* TForm1::ControlBar1() const {
    return controlBar1_;
}

// --- wiring of the other windows -------------------------------------------

void TForm1::SetVersionWindow(QWidget* form2) {
    versionWindow_ = form2;
}

void TForm1::SetToolbarDialog(QWidget* form3, ToolbarMarks setMarks) {
    toolbarDialog_ = form3;
    setToolbarMarks_ = std::move(setMarks);
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
    QCoreApplication::exit(0);
}

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();  // the window is hidden
    QCoreApplication::exit(0);
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
    if (versionWindow_) {
        versionWindow_->hide();
    }
    if (toolbarDialog_) {
        toolbarDialog_->hide();
    }
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
    {
        const QSignalBlocker rowsBlocker(seRows_);
        const QSignalBlocker colsBlocker(seCols_);
        seRows_->setValue(grid_.Rows());
        seCols_->setValue(grid_.Cols());
    }
    log_->Flush();
    statusPanel1_->setText(QString::fromStdString(history_->CountsText()));
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

void TForm1::Undo1Click() {
    Run([this] { history_->Undo1Click(grid_, *dialogs_); });
}

void TForm1::Repeat1Click() {
    Run([this] { history_->Repeat1Click(grid_, *dialogs_); });
}

void TForm1::N3Click() {
    Run([this] { Record(korvane::N3Click(grid_, *log_)); });
}

void TForm1::N4Click() {
    Run([this] { Record(korvane::N4Click(grid_, *log_)); });
}

void TForm1::L1Click() {
    Run([this] { Record(korvane::L1Click(grid_, *dialogs_)); });
}

void TForm1::N6Click() {
    Run([this] { Record(korvane::N6Click(grid_, *log_)); });
}

void TForm1::N7Click() {
    Run([this] { Record(korvane::N7Click(grid_, *log_)); });
}

void TForm1::N9Click() {
    Run([this] { Record(korvane::N9Click(grid_, *log_)); });
}

void TForm1::N10Click() {
    Run([this] { Record(korvane::N10Click(grid_, *log_)); });
}

void TForm1::ControlBar1DblClick() {
    Run([this] {
        if (!toolbarDialog_) {
            return;
        }
        SyncToolbarChecks();
        toolbarDialog_->show();
        toolbarDialog_->raise();
        toolbarDialog_->activateWindow();
    });
}

void TForm1::SyncToolbarChecks() {
    if (setToolbarMarks_) {
        setToolbarMarks_(!toolBar3_->isHidden(), !toolBar4_->isHidden(), !toolBar1_->isHidden());
    }
}

// --- Compute -----------------------------------------------------------------

void TForm1::N12Click() {
    Run([this] { Record(engine_.Transpose(grid_, *log_)); });
}

void TForm1::N13Click() {
    Run([this] { Record(engine_.Inverse(grid_, *log_)); });
}

void TForm1::N14Click() {
    Run([this] { Record(engine_.ReducedRowEchelonForm(grid_, *log_)); });
}

void TForm1::N16Click() {
    Run([this] { engine_.Image(grid_, *log_); });
}

void TForm1::C1Click() {
    Run([this] { engine_.Kernel(grid_, *log_); });
}

void TForm1::ToolButton6Click() {
    Run([this] { engine_.Determinant(grid_, *log_); });
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
    Run([this] {
        if (versionWindow_) {
            versionWindow_->show();
            versionWindow_->raise();
            versionWindow_->activateWindow();
        }
    });
}

// --- grid and count boxes ----------------------------------------------------

void TForm1::sgmatrixDblClick() {
    const QModelIndex current = sgmatrix_->currentIndex();
    const int col = current.isValid() ? current.column() : 0;
    const int row = current.isValid() ? current.row() : 0;
    Run([this, col, row] { Record(korvane::sgmatrixDblClick(grid_, col, row, *dialogs_)); });
}

void TForm1::sgmatrixMouseMove(int x, int y) {
    Run([this, x, y] {
        const int col = sgmatrix_->columnAt(x);
        const int row = sgmatrix_->rowAt(y);
        statusPanel0_->setText(QString::fromStdString(MouseReadout(col, row)));
    });
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
            if (action->shortcut() == pressed) {
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace korvane
