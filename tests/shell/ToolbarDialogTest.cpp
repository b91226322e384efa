#include <QLayout>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>

#include "ToolbarDrag.h"
#include "toolset/TForm3.h"

using korvane::TForm3;
using korvane::testing::FloatToolbar;

namespace {

constexpr int kCount = TForm3::kToolbarCount;

// A main window with the three toolbars docked in one row, and the dialog.
struct Shell {
    QMainWindow main;
    TForm3::Toolbars bars{};
    std::array<QRect, kCount> startUpPlaces;
    TForm3* dialog;

    Shell() {
        main.resize(640, 453);
        main.setCentralWidget(new QTextEdit);
        const char* names[kCount] = {"ToolBar3", "ToolBar4", "ToolBar1"};
        const int buttons[kCount] = {4, 7, 6};
        for (int i = 0; i < kCount; ++i) {
            bars[i] = new QToolBar(QString::fromLatin1(names[i]), &main);
            bars[i]->setObjectName(QString::fromLatin1(names[i]));
            for (int b = 0; b < buttons[i]; ++b)
                bars[i]->addAction(QString::number(b));
            main.addToolBar(Qt::TopToolBarArea, bars[i]);
        }
        dialog = new TForm3(&main, bars);
        main.show();
        Settle();
        for (int i = 0; i < kCount; ++i)
            startUpPlaces[i] = bars[i]->geometry();
    }

    QListWidget* List() const { return dialog->findChild<QListWidget*>("CheckListBox1"); }
    QPushButton* Button(const char* name) const { return dialog->findChild<QPushButton*>(name); }
    bool Mark(int i) const { return List()->item(i)->checkState() == Qt::Checked; }

    // The user clicking a mark's check box.
    void Toggle(int i) const {
        QListWidgetItem* item = List()->item(i);
        item->setCheckState(Mark(i) ? Qt::Unchecked : Qt::Checked);
    }

    void Open() const { dialog->Open(); }

    void Settle() const {
        QApplication::processEvents();
        main.layout()->activate();
        QApplication::processEvents();
    }
};

QList<bool> Marks(const Shell& shell) {
    QList<bool> marks;
    for (int i = 0; i < kCount; ++i)
        marks << shell.Mark(i);
    return marks;
}

QList<bool> Shown(const Shell& shell) {
    QList<bool> shown;
    for (QToolBar* bar : shell.bars)
        shown << !bar->isHidden();
    return shown;
}

}  // namespace

class ToolbarDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void hasItsCaptionButtonsAndMarks();
    void marksFollowTheToolbarsOwnFlags_data();
    void marksFollowTheToolbarsOwnFlags();
    void clearingAMarkHidesTheToolbarInPlace();
    void floatingToolbarHidesAndComesBackFloating();
    void oneToggleReappliesAllThreeMarks();
    void closedFloatingWindowShowsUncheckedAtNextOpening();
    void resetRestoresTheStartUpRow_data();
    void resetRestoresTheStartUpRow();
    void okAndCloseBoxHideWithoutUndoingAnything();
    void escDoesNothingAndEnterPressesOnlyTheFocusedButton();
    void opensCentredFirstThenWhereTheUserLeftIt();
};

void ToolbarDialogTest::hasItsCaptionButtonsAndMarks() {
    Shell shell;
    TForm3& dialog = *shell.dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("Form3"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("ツールバーの設定"));
    QCOMPARE(dialog.minimumSize(), QSize(200, 167));
    QCOMPARE(dialog.maximumSize(), QSize(200, 167));
    const Qt::WindowFlags flags = dialog.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(dialog.isHidden());

    const struct {
        const char* name;
        QString text;
    } buttons[] = {{"binitialize", QStringLiteral("初期化")}, {"OK", QStringLiteral("OK")}};
    for (const auto& expected : buttons) {
        QPushButton* button = shell.Button(expected.name);
        QVERIFY2(button != nullptr, expected.name);
        QCOMPARE(button->text(), expected.text);
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }

    const QStringList items = {QStringLiteral("システム"), QStringLiteral("入力補助"),
                               QStringLiteral("演算")};
    QCOMPARE(shell.List()->count(), kCount);
    for (int i = 0; i < kCount; ++i) {
        QCOMPARE(shell.List()->item(i)->text(), items[i]);
        QVERIFY(shell.List()->item(i)->flags().testFlag(Qt::ItemIsUserCheckable));
    }
}

void ToolbarDialogTest::marksFollowTheToolbarsOwnFlags_data() {
    QTest::addColumn<QList<bool>>("shown");
    QTest::addColumn<bool>("mainWindowShown");
    QTest::newRow("all shown") << QList<bool>{true, true, true} << true;
    QTest::newRow("none shown") << QList<bool>{false, false, false} << true;
    QTest::newRow("only system") << QList<bool>{true, false, false} << true;
    QTest::newRow("only input aids") << QList<bool>{false, true, false} << true;
    QTest::newRow("only computation") << QList<bool>{false, false, true} << true;
    QTest::newRow("main window hidden") << QList<bool>{true, false, true} << false;
}

void ToolbarDialogTest::marksFollowTheToolbarsOwnFlags() {
    QFETCH(QList<bool>, shown);
    QFETCH(bool, mainWindowShown);
    Shell shell;
    for (int i = 0; i < kCount; ++i)
        shell.bars[i]->setVisible(shown[i]);
    shell.main.setVisible(mainWindowShown);
    shell.dialog->SyncToolbarChecks();
    QCOMPARE(Marks(shell), shown);
    // Syncing is no toggle: it must not write back to the toolbars.
    QCOMPARE(Shown(shell), shown);
}

void ToolbarDialogTest::clearingAMarkHidesTheToolbarInPlace() {
    Shell shell;
    shell.Open();
    QToolBar* computation = shell.bars[2];
    const QRect before = computation->geometry();

    shell.Toggle(2);
    QVERIFY(computation->isHidden());
    shell.Toggle(2);
    shell.Settle();
    QVERIFY(!computation->isHidden());
    QVERIFY(!computation->isFloating());
    QCOMPARE(computation->geometry(), before);
}

void ToolbarDialogTest::floatingToolbarHidesAndComesBackFloating() {
    Shell shell;
    QToolBar* inputAids = shell.bars[1];
    FloatToolbar(inputAids);
    QVERIFY(inputAids->isFloating());
    const QPoint place = inputAids->pos();
    shell.Open();

    shell.Toggle(1);
    QVERIFY(inputAids->isHidden());
    shell.Toggle(1);
    QVERIFY(inputAids->isVisible());
    QVERIFY(inputAids->isFloating());
    QCOMPARE(inputAids->pos(), place);
}

void ToolbarDialogTest::oneToggleReappliesAllThreeMarks() {
    Shell shell;
    shell.Open();
    // Hidden behind the dialog's back: its mark is still set.
    shell.bars[0]->hide();
    shell.Toggle(2);
    QCOMPARE(Shown(shell), (QList<bool>{true, true, false}));

    shell.bars[1]->hide();
    shell.Toggle(0);
    QCOMPARE(Shown(shell), (QList<bool>{false, true, false}));
}

void ToolbarDialogTest::closedFloatingWindowShowsUncheckedAtNextOpening() {
    Shell shell;
    FloatToolbar(shell.bars[2]);
    shell.Open();
    shell.bars[2]->close();
    QVERIFY(shell.bars[2]->isHidden());
    // The open dialog does not notice; the mark is only read on opening.
    QVERIFY(shell.Mark(2));

    shell.dialog->OKClick();
    shell.Open();
    QCOMPARE(Marks(shell), (QList<bool>{true, true, false}));
}

// Each row disarranges the toolbars in its own way before the reset.
void ToolbarDialogTest::resetRestoresTheStartUpRow_data() {
    QTest::addColumn<int>("disorder");
    QTest::newRow("all hidden") << 0;
    QTest::newRow("one floating") << 1;
    QTest::newRow("two floating, one hidden") << 2;
    QTest::newRow("reordered") << 3;
    QTest::newRow("second row") << 4;
    QTest::newRow("floating and hidden") << 5;
}

void ToolbarDialogTest::resetRestoresTheStartUpRow() {
    QFETCH(int, disorder);
    Shell shell;
    auto [system, inputAids, computation] = shell.bars;
    switch (disorder) {
        case 0:
            for (QToolBar* bar : shell.bars)
                bar->hide();
            break;
        case 1:
            FloatToolbar(inputAids);
            break;
        case 2:
            FloatToolbar(system);
            FloatToolbar(computation);
            inputAids->hide();
            break;
        case 3:
            shell.main.insertToolBar(system, computation);
            shell.main.insertToolBar(system, inputAids);
            break;
        case 4:
            shell.main.insertToolBarBreak(inputAids);
            shell.main.addToolBarBreak();
            shell.main.addToolBar(system);
            break;
        case 5:
            FloatToolbar(computation);
            computation->close();
            shell.main.insertToolBarBreak(inputAids);
            break;
    }
    shell.Settle();
    shell.Open();

    QTest::mouseClick(shell.Button("binitialize"), Qt::LeftButton);
    shell.Settle();
    QCOMPARE(Marks(shell), (QList<bool>{true, true, true}));
    for (int i = 0; i < kCount; ++i) {
        QToolBar* bar = shell.bars[i];
        QVERIFY(bar->isVisible());
        QVERIFY(!bar->isFloating());
        QCOMPARE(shell.main.toolBarArea(bar), Qt::TopToolBarArea);
        QCOMPARE(bar->geometry().topLeft(), shell.startUpPlaces[i].topLeft());
    }
    QVERIFY(shell.dialog->isVisible());
}

void ToolbarDialogTest::okAndCloseBoxHideWithoutUndoingAnything() {
    for (const bool viaOk : {true, false}) {
        Shell shell;
        shell.Open();
        QVERIFY(shell.dialog->isVisible());
        QVERIFY(!shell.dialog->isModal());
        shell.Toggle(1);

        if (viaOk) {
            QTest::mouseClick(shell.Button("OK"), Qt::LeftButton);
        } else {
            QVERIFY(shell.dialog->close());
        }
        QVERIFY(shell.dialog->isHidden());
        QVERIFY(shell.main.isVisible());
        QCOMPARE(Shown(shell), (QList<bool>{true, false, true}));
        QCOMPARE(Marks(shell), (QList<bool>{true, false, true}));
        // Hidden, not gone: it opens again.
        shell.Open();
        QVERIFY(shell.dialog->isVisible());
    }
}

void ToolbarDialogTest::escDoesNothingAndEnterPressesOnlyTheFocusedButton() {
    Shell shell;
    shell.Open();
    QTest::keyClick(shell.dialog, Qt::Key_Escape);
    QTest::keyClick(shell.List(), Qt::Key_Escape);
    QVERIFY(shell.dialog->isVisible());

    // Enter in the list presses no button.
    shell.List()->setFocus();
    QTest::keyClick(shell.List(), Qt::Key_Return);
    QVERIFY(shell.dialog->isVisible());

    shell.bars[0]->hide();
    QPushButton* reset = shell.Button("binitialize");
    reset->setFocus();
    QTest::keyClick(reset, Qt::Key_Return);
    QVERIFY(!shell.bars[0]->isHidden());
    QVERIFY(shell.dialog->isVisible());

    QPushButton* ok = shell.Button("OK");
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Enter);
    QVERIFY(shell.dialog->isHidden());
}

void ToolbarDialogTest::opensCentredFirstThenWhereTheUserLeftIt() {
    Shell shell;
    shell.Open();
    const QPoint centre = shell.dialog->screen()->availableGeometry().center();
    QCOMPARE(shell.dialog->frameGeometry().center(), centre);

    shell.dialog->move(30, 40);
    const QPoint left = shell.dialog->pos();
    shell.dialog->OKClick();
    shell.Open();
    QCOMPARE(shell.dialog->pos(), left);
}

QTEST_MAIN(ToolbarDialogTest)
#include "ToolbarDialogTest.moc"
