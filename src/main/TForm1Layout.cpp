// The window's work area and status bar; all sizes are pixels at 96 dots
// per inch, scaled by Qt on denser screens.
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "main/AnchoredPanel.h"
#include "main/CellGridModel.h"
#include "main/CellGridView.h"
#include "main/ControlBand.h"
#include "main/ExpressionLine.h"
#include "main/LogPane.h"
#include "main/MatricesPanel.h"
#include "main/StatusPanel.h"
#include "main/StepSpinBox.h"
#include "main/TForm1.h"
#include "main/WindowFonts.h"

namespace korvane {

namespace {

constexpr int kLeftPanelWidth = 289;
constexpr int kSplitterWidth = 8;
constexpr int kPanelMinimumWidth = 30;
constexpr int kCellWidth = 64;
constexpr int kCellHeight = 24;
constexpr int kStatusBarHeight = 17;
constexpr int kPositionPanelWidth = 50;

QLabel* NamedLabel(const char* name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

StepSpinBox* CountBox(const char* name) {
    auto* box = new StepSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setValue(CellGrid::kStartSize);
    return box;
}

}  // namespace

void TForm1::BuildWorkArea() {
    splitter1_ = new QSplitter(Qt::Horizontal);
    splitter1_->setObjectName(QStringLiteral("Splitter1"));
    splitter1_->setHandleWidth(kSplitterWidth);
    splitter1_->setChildrenCollapsible(false);
    splitter1_->setOpaqueResize(true);
    splitter1_->addWidget(BuildGridPanel());
    splitter1_->addWidget(BuildLogPanel());
    splitter1_->setStretchFactor(0, 0);
    splitter1_->setStretchFactor(1, 1);
    splitter1_->setSizes({kLeftPanelWidth, kClientWidth - kLeftPanelWidth - kSplitterWidth});
    splitter1_->handle(1)->setCursor(Qt::SizeHorCursor);

    auto* work = new QWidget;
    auto* layout = new QVBoxLayout(work);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(controlBar1_);
    layout->addWidget(BuildExpressionBar());
    auto* besideGrid = new QHBoxLayout;  // the named matrices, then grid and log
    besideGrid->setSpacing(0);
    besideGrid->addWidget(BuildMatricesPanel());
    besideGrid->addWidget(splitter1_, 1);
    layout->addLayout(besideGrid, 1);
    setCentralWidget(work);

    setTabOrder(seRows_, seCols_);
    setTabOrder(seCols_, sgmatrix_);
    setTabOrder(sgmatrix_, memoutput_);
    setTabOrder(memoutput_, expressionLine_);
    setTabOrder(expressionLine_, matricesPanel_->List());
}

AnchoredPanel* TForm1::BuildGridPanel() {
    auto* panel = new AnchoredPanel;
    panel->setObjectName(QStringLiteral("Panel4"));
    panel->setMinimumWidth(kPanelMinimumWidth);

    QLabel* rowsLabel = NamedLabel("Label2", QStringLiteral("行数"));
    QLabel* colsLabel = NamedLabel("Label1", QStringLiteral("列数"));
    seRows_ = CountBox("se_rows");
    seCols_ = CountBox("se_cols");
    rowsLabel->setBuddy(seRows_);
    colsLabel->setBuddy(seCols_);
    panel->Place(rowsLabel, 8, 8);
    panel->Place(seRows_, QRect(8, 24, 41, 21));
    panel->Place(colsLabel, 56, 8);
    panel->Place(seCols_, QRect(56, 24, 41, 21));
    connect(seRows_, &QSpinBox::valueChanged, this, &TForm1::se_rowsChange);
    connect(seCols_, &QSpinBox::valueChanged, this, &TForm1::se_colsChange);

    model_ = new CellGridModel(this);
    sgmatrix_ = new CellGridView;
    sgmatrix_->setObjectName(QStringLiteral("sgmatrix"));
    sgmatrix_->setModel(model_);
    sgmatrix_->horizontalHeader()->hide();
    sgmatrix_->verticalHeader()->hide();
    sgmatrix_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgmatrix_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgmatrix_->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    sgmatrix_->verticalHeader()->setDefaultSectionSize(kCellHeight);
    sgmatrix_->horizontalHeader()->setSectionsMovable(false);
    sgmatrix_->verticalHeader()->setSectionsMovable(false);
    sgmatrix_->setSelectionBehavior(QAbstractItemView::SelectItems);
    sgmatrix_->setTabKeyNavigation(false);
    sgmatrix_->setWordWrap(false);
    sgmatrix_->setToolTip(QStringLiteral("行列：マスをダブルクリックで編集できます。"));
    sgmatrix_->setMinimumSize(0, 0);
    sgmatrix_->viewport()->setMouseTracking(true);
    sgmatrix_->viewport()->installEventFilter(this);
    panel->Anchor(sgmatrix_, QMargins(8, 56, 8, 5));
    return panel;
}

AnchoredPanel* TForm1::BuildLogPanel() {
    auto* panel = new AnchoredPanel;
    panel->setObjectName(QStringLiteral("Panel3"));
    panel->setMinimumWidth(kPanelMinimumWidth);

    QLabel* logLabel = NamedLabel("Label3", QStringLiteral("途中の計算"));
    panel->Place(logLabel, 8, 8);

    memoutput_ = new LogPane;
    memoutput_->setObjectName(QStringLiteral("memoutput"));
    memoutput_->setFont(LogFont());
    memoutput_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoutput_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoutput_->setUndoRedoEnabled(false);  // Ctrl+Z is bound to nothing
    memoutput_->setTabChangesFocus(true);   // Tab moves on, as everywhere in the window
    memoutput_->setMinimumSize(0, 0);
    memoutput_->installEventFilter(this);
    seRows_->installEventFilter(this);
    seCols_->installEventFilter(this);
    logLabel->setBuddy(memoutput_);
    panel->Anchor(memoutput_, QMargins(8, 40, 6, 5));
    log_ = std::make_unique<PaneStepLog>(*memoutput_, logStore_);
    return panel;
}

void TForm1::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFixedHeight(kStatusBarHeight);
    bar->setSizeGripEnabled(true);
    statusPanel0_ = new StatusPanel("StatusPanel0", QStringLiteral("マウスの下のマス（行,列）"));
    statusPanel0_->setFixedWidth(kPositionPanelWidth);
    // The counts and the progress say what they are in their own words.
    statusPanel1_ =
        new StatusPanel("StatusPanel1", QStringLiteral("元に戻せる回数とやり直せる回数"),
                        StatusPanel::Naming::kTextAlone);
    statusPanel2_ = new StatusPanel("StatusPanel2", QStringLiteral("計算の進み具合"),
                                    StatusPanel::Naming::kTextAlone);
    statusPanel2_->hide();
    bar->addWidget(statusPanel0_);
    bar->addWidget(statusPanel1_, 1);
    bar->addPermanentWidget(statusPanel2_);
    // The stop command's button, beside the running computation's progress.
    stopButton_ = new QToolButton;
    stopButton_->setObjectName(QStringLiteral("StopButton"));
    stopButton_->setDefaultAction(findChild<QAction*>(QStringLiteral("Stop1")));
    stopButton_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    stopButton_->setAutoRaise(true);
    stopButton_->hide();
    bar->addPermanentWidget(stopButton_);
}

void TForm1::SetAccessibleNames() {
    seRows_->setAccessibleName(QStringLiteral("行数"));
    seCols_->setAccessibleName(QStringLiteral("列数"));
    sgmatrix_->setAccessibleName(QStringLiteral("行列"));
    sgmatrix_->setAccessibleDescription(sgmatrix_->toolTip());
    memoutput_->setAccessibleName(QStringLiteral("途中の計算"));
    controlBar1_->setAccessibleName(QStringLiteral("ツールバー"));
    for (QToolBar* bar : {toolBar3_, toolBar4_, toolBar1_}) {
        bar->setAccessibleName(bar->windowTitle());
    }
}

}  // namespace korvane
