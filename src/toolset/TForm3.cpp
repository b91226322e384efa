#include "toolset/TForm3.h"

#include "main/CentreOnScreen.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QToolBar>

namespace korvane {

namespace {

const std::array<QString, TForm3::kToolbarCount> kItemTexts = {
    QStringLiteral("システム"), QStringLiteral("入力補助"), QStringLiteral("演算")};

bool IsEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

TForm3::TForm3(QMainWindow* mainWindow, Toolbars toolbars)
    : QWidget(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      mainWindow_(mainWindow),
      toolbars_(toolbars),
      CheckListBox1_(new QListWidget(this)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("ツールバーの設定"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/window.svg")));
    setFixedSize(kClientSize);

    auto* reset = AddButton("binitialize", QStringLiteral("初期化"), {8, 8, 73, 25});
    auto* ok = AddButton("OK", QStringLiteral("OK"), {8, 40, 73, 25});
    connect(reset, &QPushButton::clicked, this, &TForm3::binitializeClick);
    connect(ok, &QPushButton::clicked, this, &TForm3::OKClick);

    CheckListBox1_->setObjectName(QStringLiteral("CheckListBox1"));
    CheckListBox1_->setGeometry(88, 8, 105, 153);
    FillCheckList();
    connect(CheckListBox1_, &QListWidget::itemChanged, this, &TForm3::CheckListBox1Click);
}

// Neither button is a default or cancel button: Enter presses only the button
// that has the focus, and Esc does nothing.
QPushButton* TForm3::AddButton(const char* name, const QString& text, QRect place) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->installEventFilter(this);
    return button;
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button != nullptr && IsEnterKey(event)) {
        button->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm3::FillCheckList() {
    for (const QString& text : kItemTexts) {
        auto* item = new QListWidgetItem(text, CheckListBox1_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
}

// Sets the marks without touching the toolbars.
void TForm3::SyncToolbarChecks() {
    const QSignalBlocker quiet(CheckListBox1_);
    for (int i = 0; i < kToolbarCount; ++i) {
        const bool shown = !toolbars_[i]->isHidden();
        CheckListBox1_->item(i)->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
    }
}

void TForm3::Open() {
    SyncToolbarChecks();
    show();
    raise();
    activateWindow();
}

// Every toggle re-applies all three marks, not only the one that changed.
// Hiding leaves a toolbar where it is, docked or floating.
void TForm3::CheckListBox1Click() {
    for (int i = 0; i < kToolbarCount; ++i) {
        toolbars_[i]->setVisible(CheckListBox1_->item(i)->checkState() == Qt::Checked);
    }
}

// Docking a toolbar again takes it out of its row (a row left empty goes
// away) and puts it at the end of the band's last row, so docking all three
// in their start-up order rebuilds the start-up row, whatever the user did to
// them: floated, moved, reordered or put in rows of their own.
void TForm3::binitializeClick() {
    for (QToolBar* toolbar : toolbars_) {
        mainWindow_->addToolBar(Qt::TopToolBarArea, toolbar);
        toolbar->show();
    }
    SyncToolbarChecks();
}

void TForm3::OKClick() {
    hide();
}

// Whoever shows the dialog, it comes up centred the first time; afterwards
// it keeps the place the user left it at.
void TForm3::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shownBefore_) return;
    shownBefore_ = true;
    CentreOnScreen(*this);
}

}  // namespace korvane
