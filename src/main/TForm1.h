#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "core/BackgroundComputation.h"
#include "core/CellGrid.h"
#include "core/LogStore.h"
#include "core/editing/Dialogs.h"
#include "core/engine/Engine.h"
#include "core/formats/CopyFormats.h"
#include "core/formats/LogExport.h"
#include "core/practice/PracticeSession.h"
#include "core/workspace/Workspace.h"
#include "main/PaneStepLog.h"

class QDockWidget;
class QPlainTextEdit;
class QPrinter;
class QSplitter;
class QTableView;
class QTimer;
class QToolBar;
class QToolButton;

namespace korvane {

class AnchoredPanel;
class CellGridModel;
class CellGridView;
class ControlBand;
class ExpressionLine;
class MatricesPanel;
class HelpViewer;
class History;
class LogPane;
class NotePanel;
class PracticePanel;
class StatusPanel;
class StepSpinBox;

// The main window Form1: the matrix grid with its two count boxes, the log
// pane, the menus, the three toolbars in their band and the status bar. It
// owns the CellGrid, the Engine and the History, and routes every command
// to them through one wrapper that shows any error in the "Korvane" box.
// The other windows are reached through its signals, connected at start-up.
class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    // The client area of a 640 × 453 window with a usual frame (4-pixel
    // borders, 22-pixel caption); every child size below derives from it.
    static constexpr int kClientWidth = 632;
    static constexpr int kClientHeight = 427;

    // dialogs: the editing commands' dialogs; the Qt ones when null.
    explicit TForm1(std::unique_ptr<Dialogs> dialogs = nullptr, QWidget* parent = nullptr);
    ~TForm1() override;

    // The toolbars; a toolbar's own flag is !isHidden(), also while Form1 is
    // hidden. The band is a QMainWindow's tool bar area.
    QToolBar* ToolBar1() const { return toolBar1_; }
    QToolBar* ToolBar3() const { return toolBar3_; }
    QToolBar* ToolBar4() const { return toolBar4_; }
    QMainWindow* ControlBar1() const;

    const CellGrid& Grid() const { return grid_; }
    // The whole log of the last command, of which the pane may show a part.
    const LogStore& StepLogStore() const { return logStore_; }
    // Sets up the printer for Print1Click and says whether to print: the
    // print dialog unless replaced (tests print to a PDF file).
    using PrinterSetup = std::function<bool(QPrinter& printer)>;
    void SetPrinterSetup(PrinterSetup setup) { printerSetup_ = std::move(setup); }
    // A computation or input aid is running off the event-loop thread, or
    // the end of its log is still being shown.
    bool Computing() const { return computation_ != nullptr || finishingLog_; }
    // The practice under way, or null outside the practice mode.
    const PracticeSession* Practice() const { return practice_ ? &*practice_ : nullptr; }
    // The named matrices of the History's current state.
    const Workspace& NamedMatrices() const;

  signals:
    // About1Click: the version window is wanted.
    void versionWindowRequested();
    // ControlBar1DblClick (band double-click and menu item C2): the
    // toolbar-settings dialog is wanted.
    void toolbarSettingsRequested();
    // FormActivate: Form1 became the active window.
    void activated();
    // A computation that ran off the event-loop thread has ended and its
    // outcome is in the grid, the History and the log.
    void computationFinished();

  public slots:
    // Shows Form1 (centred at its first showing) and brings it to the front.
    void ShowAndRaise();
    // File
    void O1Click();
    void S1Click();
    // The whole log into a file, in the form the export dialog's filter names.
    void Export1Click();
    void Print1Click();
    void Exit1Click();
    // Edit
    void Undo1Click();
    void Repeat1Click();
    void Copy1Click();
    void Paste1Click();
    void CopyAsLatex1Click();
    void CopyAsMatlab1Click();
    void CopyAsPython1Click();
    void CopyAsMathematica1Click();
    void CopyAsMarkdown1Click();
    void N3Click();
    void N4Click();
    void L1Click();
    void N6Click();
    void N7Click();
    void N9Click();
    void N10Click();
    void ControlBar1DblClick();
    // Compute
    void N12Click();
    void N13Click();
    void N14Click();
    void N16Click();
    void C1Click();
    void ToolButton6Click();
    void Solve1Click();
    // Switches the solve command between (A | b) and (A | B) with A square.
    void SeveralRhs1Click();
    void Rank1Click();
    void CharPoly1Click();
    void Eigenvalues1Click();
    void Eigenvectors1Click();
    void Diagonalize1Click();
    // TForm1Methods.cpp: the textbook's other ways. The cofactor expansion
    // first asks along which line.
    void Expansion1Click();
    void Sarrus1Click();
    void IntegerDet1Click();
    void Adjugate1Click();
    void Cramer1Click();
    void Lu1Click();
    void Elementary1Click();
    // TForm1Orthogonality.cpp: inner products and orthogonality. Inner
    // products and norms take the rows as the vectors while RowVectors1 is
    // checked.
    void Inner1Click();
    void Norm1Click();
    void RowVectors1Click();
    void GramSchmidt1Click();
    void Qr1Click();
    void Projection1Click();
    void Complement1Click();
    void LeastSquares1Click();
    void OrthogonalDiagonalize1Click();
    void QuadraticForm1Click();
    // The Jordan normal form and what it is for (TForm1Jordan.cpp).
    void Jordan1Click();
    void Power1Click();
    void Exponential1Click();
    void Recurrence1Click();
    void MinPoly1Click();
    // The practice mode on (the goal is asked, the practice starts on the
    // grid) or off (the grid and the log stay as they are).
    void Practice1Click();
    // The wording of the next commands' logs: the textbook notation after
    // each row operation, a negative multiple's subtraction as an addition.
    void Notation1Click();
    void AdditionWording1Click();
    // Stops the running computation (Esc, menu item and button shown while
    // one runs); the grid and the History stay as they were.
    void Stop1Click();
    // The named matrices: the grid stored under a name chosen from the free
    // ones (or replacing one), the chosen one brought into the grid,
    // renamed, deleted; each a History state.
    void StoreMatrix1Click();
    void RecallMatrix1Click();
    void RenameMatrix1Click();
    void DeleteMatrix1Click();
    // Works out the expression line's expression (or equation) in the
    // worker, its matrix into the grid; an empty line takes the focus.
    void Evaluate1Click();
    // The workspace file: no names, a file's names, the names into a file.
    // Leaving names not saved asks first.
    void NewWorkspace1Click();
    void OpenWorkspace1Click();
    void SaveWorkspace1Click();
    // Help
    void H2Click();
    void About1Click();
    // Grid and count boxes
    void sgmatrixDblClick();
    void sgmatrixMouseMove(int x, int y);
    void se_rowsChange();
    void se_colsChange();
    // A text typed into cell (col, row) in place and committed.
    void sgmatrixCellTyped(int col, int row, const QString& text);
    // Delete or Backspace on the grid's selection.
    void sgmatrixClear();
    // A file from the desktop (the command line, a drop): a workspace file
    // (.kvw) as OpenWorkspaceFile, any other as OpenMatrixFile.
    void OpenDesktopFile(const QString& path);
    // Opens the matrix file at path into the grid, as 開く does once a file
    // is chosen.
    void OpenMatrixFile(const QString& path);
    // Opens the workspace file at path into the panel, as ワークスペースを開く
    // does once a file is chosen, after the question about unsaved names.
    void OpenWorkspaceFile(const QString& path);
    // Window
    void FormActivate();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;  // FormClose
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // TForm1Layout.cpp
    void BuildWorkArea();
    AnchoredPanel* BuildGridPanel();
    AnchoredPanel* BuildLogPanel();
    void BuildStatusBar();
    void SetAccessibleNames();
    // TForm1Editing.cpp
    void BuildEditing();
    // The selected cells' rectangle; the current cell when none is selected.
    CellRect SelectedCells() const;
    // Every shown cell is selected.
    bool WholeGridSelected() const;
    // What the copy command copies: the selection, or the whole shown
    // matrix when nothing or everything is selected.
    CellRect CopiedCells() const;
    void CopyMatrixAs(CopyFormat form);
    // TForm1Workspace.cpp
    QWidget* BuildMatricesPanel();
    QWidget* BuildExpressionBar();
    void RefreshWorkspace();
    // next as the named matrices of a new History state, the grid as it is;
    // then chosen is the name chosen in the panel.
    void RecordNamedMatrices(Workspace next);
    void RecordNamedMatrices(Workspace next, char chosen);
    // A name from the choice of the free names first, then (offerStored)
    // the stored ones to replace; nothing when cancelled.
    std::optional<char> AskName(const std::string& caption, const std::string& prompt,
                                bool offerStored);
    // The name chosen in the panel; '\0', saying so, for none.
    char ChosenMatrix() const;
    // Whether the named matrices may be left: they are as last saved or
    // opened, or the user says yes to the question after saying they are not.
    bool MayLeaveNamedMatrices(const char* question);
    // Reads the workspace file at path into the panel, as one History state.
    void ReadIntoPanel(const std::string& path);
    // Ends the program; a running computation is told to stop.
    void EndProgram();
    // TForm1Commands.cpp
    void BuildActions();
    void BuildMenus();
    void BuildToolbars();

    void FormCreate();
    // Runs one command: an escaping error is shown in the error box, then
    // the grid, the count boxes, the log and the status bar are refreshed.
    void Run(const std::function<void()>& command);
    void Refresh();
    void Record(bool gridChanged);

    // TForm1Computing.cpp. Runs work off the event-loop thread on a copy of
    // the grid, logging into the log store; when it ends, a changed grid is
    // taken over and recorded, an error shown, a stop logged. Commands that
    // touch the grid or the History are disabled meanwhile.
    // augmented: where the bar of the log's augmented matrices goes, for the
    // exports, when the work writes a new log.
    void Compute(BackgroundComputation::Work work, AugmentedShape augmented = {});
    void PollComputation();
    // The ended work's outcome into the grid, the History and the log.
    void TakeOutcome();
    // Once the log is shown: the commands come back, an error is shown.
    void EndComputation();
    void ShowComputing(bool computing);
    // TForm1Export.cpp
    ExportOptions LogExportOptions(bool notation) const;
    // Puts the log on paper off the event-loop thread, as a computation that
    // changes nothing: status shows paint's progress (%1, in percent) and
    // Esc stops it.
    void ComputeOnPaper(std::function<void(std::atomic<int>& progress)> paint, QString status);
    // Refuses with a message, true, when the log holds nothing.
    bool RefuseEmptyLog(const char* message);

    // TForm1Practice.cpp. The practice panel's commands run on the event-loop
    // thread: each is one row operation, or a comparison of two matrices of
    // at most 10 × 10, done within a few tens of milliseconds even with long
    // numbers (bench/PracticeBench.cpp).
    void BuildPractice();
    void StartPractice();
    // Once the start's work has ended: the practice it made, if any.
    void TakeStartedPractice();
    void LeavePractice();
    // The panel, the status panel, the menu check and the locks as the
    // practice stands.
    void ShowPracticeMode();
    void PracticeApply(const std::function<RowOperation()>& operation);
    void PracticeCheck();
    void PracticeHint();
    // Towards the determinant, the factor typed in the panel: nothing for an
    // empty box (the practice asks for one), else the number read strictly
    // (throws Error, saying why, for what is no number). Nothing for other
    // goals.
    std::optional<ComplexFraction> DeterminantAnswer() const;
    // The accepted step's grid becomes one History state; a wrong step's
    // cells are marked.
    void TakePracticeResult(const PracticeResult& result);
    // Tells the practice how the grid changed outside its commands.
    void FollowPractice(GridChange change);
    // Inside the mode an edit keeps the size: throws Error, saying so, for
    // a grid next of another size.
    void RefuseResizeInPractice(const CellGrid& next) const;
    // Inside the mode, the commands that would change the grid another way
    // are disabled, saying why.
    void LockForPractice();
    void RefreshPractice();

    CellGrid grid_;
    Engine engine_;
    LogStore logStore_;
    std::unique_ptr<History> history_;
    std::unique_ptr<Dialogs> dialogs_;

    ControlBand* controlBar1_ = nullptr;
    QToolBar* toolBar1_ = nullptr;
    QToolBar* toolBar3_ = nullptr;
    QToolBar* toolBar4_ = nullptr;
    QSplitter* splitter1_ = nullptr;
    StepSpinBox* seRows_ = nullptr;
    StepSpinBox* seCols_ = nullptr;
    CellGridView* sgmatrix_ = nullptr;
    CellGridModel* model_ = nullptr;
    LogPane* memoutput_ = nullptr;
    StatusPanel* statusPanel0_ = nullptr;
    StatusPanel* statusPanel1_ = nullptr;
    StatusPanel* statusPanel2_ = nullptr;  // shown while a computation runs
    QToolButton* stopButton_ = nullptr;    // with it
    NotePanel* readingNote_ = nullptr;     // how a typed or pasted text was read
    HelpViewer* help_ = nullptr;
    std::unique_ptr<PaneStepLog> log_;
    std::optional<PracticeSession> practice_;
    // Filled by the start's work off the event-loop thread.
    std::shared_ptr<std::optional<PracticeSession>> startingPractice_;
    QDockWidget* practiceDock_ = nullptr;
    MatricesPanel* matricesPanel_ = nullptr;
    ExpressionLine* expressionLine_ = nullptr;
    Workspace savedNames_;  // as last saved or opened
    PracticePanel* practicePanel_ = nullptr;

    bool shownBefore_ = false;
    RightHandSides rightHandSides_ = RightHandSides::kOne;
    bool rowVectors_ = false;
    LogStyle logStyle_;
    PrinterSetup printerSetup_;
    AugmentedShape logShape_;             // of the log in the store
    AugmentedShape gridShape_;            // of the grid, when the log works on it as it stands
    AugmentedShape pendingShape_;         // of the running work's log, if it makes one
    std::uint64_t generationBefore_ = 0;  // the store's before the running work

    // Last, so that it is stopped and joined before what its work uses goes.
    QTimer* pollTimer_ = nullptr;
    QElapsedTimer computingFor_;
    bool finishingLog_ = false;  // the work has ended; its log's end is being shown
    QString outcomeError_;
    // While the log goes to paper: its progress and the status that shows it.
    std::shared_ptr<std::atomic<int>> paperProgress_;
    QString paperStatus_;
    std::unique_ptr<BackgroundComputation> computation_;
};

}  // namespace korvane
