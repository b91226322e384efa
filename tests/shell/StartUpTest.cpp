#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "StartUp.h"
#include "ToolbarDrag.h"

using korvane::ProgramWindows;
using korvane::testing::FloatToolbar;

namespace {

QList<QWidget*> WindowsOnScreen() {
    QList<QWidget*> shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) shown << window;
    }
    return shown;
}

// Activation arrives through the window system's queue, and a dialog counts
// as active while its parent is: wait for the application's own view of it.
bool BecomesActive(QWidget* window) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 1000);
}

QTimer* TitleTimer(ProgramWindows& windows) {
    return windows.Form2.findChild<QTimer*>(QStringLiteral("Timer1"));
}

QList<bool> Marks(ProgramWindows& windows) {
    auto* list = windows.Form3.findChild<QListWidget*>(QStringLiteral("CheckListBox1"));
    QList<bool> marks;
    for (int i = 0; i < list->count(); ++i)
        marks << (list->item(i)->checkState() == Qt::Checked);
    return marks;
}

// The program after start-up, with the title window dismissed by its tick.
struct Working {
    ProgramWindows windows;
    Working() {
        windows.Start();
        QMetaObject::invokeMethod(TitleTimer(windows), "timeout");
        QVERIFY(BecomesActive(&windows.Form1));
    }
    QAction* Action(const char* name) {
        return windows.Form1.findChild<QAction*>(QString::fromLatin1(name));
    }
    bool ActivateMainWindow() {
        windows.Form1.activateWindow();
        return BecomesActive(&windows.Form1);
    }
};

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT
  private slots:
    void onlyTheTitleWindowShowsAtStartUp();
    void titleGivesWayToTheMainWindowCentred();
    void versionWindowStaysUntilClickedOrMainWindowActivated();
    void mainWindowKeepsItsPlaceAfterTheVersionWindow();
    void bandOpensTheDialogEvenWithEveryToolbarHidden();
    void activatingTheMainWindowHidesTheDialog();
    void resetDocksTheBandsToolbarsAtTheirStartUpPlaces();
    void floatingToolbarHasATitledWindowWithACloseBox();
    void qtsOwnTextsAreJapanese();
    void fileFromTheCommandLineOpensAsTheMainWindowShows();
    void workspaceFromTheCommandLineOpensIntoThePanel();
};

void StartUpTest::onlyTheTitleWindowShowsAtStartUp() {
    ProgramWindows windows;
    QVERIFY(WindowsOnScreen().isEmpty());
    // The title's time runs from the title window's creation on.
    QVERIFY(TitleTimer(windows)->isActive());
    QCOMPARE(TitleTimer(windows)->interval(), 2000);
    windows.Start();
    QCOMPARE(WindowsOnScreen(), QList<QWidget*>{&windows.Form2});
    QCOMPARE(windows.Form3.parentWidget()->window(), &windows.Form1);
}

void StartUpTest::titleGivesWayToTheMainWindowCentred() {
    for (const bool byClick : {false, true}) {
        ProgramWindows windows;
        windows.Start();
        if (byClick) {
            QTest::mouseClick(windows.Form2.findChild<QWidget*>(QStringLiteral("Image1")),
                              Qt::LeftButton);
        } else {
            QVERIFY(QMetaObject::invokeMethod(TitleTimer(windows), "timeout"));
        }
        QCOMPARE(WindowsOnScreen(), QList<QWidget*>{&windows.Form1});
        QVERIFY(!TitleTimer(windows)->isActive());
        QVERIFY(BecomesActive(&windows.Form1));
        const QPoint centre = windows.Form1.screen()->availableGeometry().center();
        QCOMPARE(windows.Form1.frameGeometry().center(), centre);
    }
}

void StartUpTest::versionWindowStaysUntilClickedOrMainWindowActivated() {
    Working run;
    ProgramWindows& windows = run.windows;
    // A timer still counting would tick within the waits below.
    TitleTimer(windows)->setInterval(1);

    run.Action("About1")->trigger();
    QVERIFY(BecomesActive(&windows.Form2));
    QTest::qWait(20);
    QVERIFY(windows.Form2.isVisible());
    QTest::mouseClick(windows.Form2.findChild<QWidget*>(QStringLiteral("Label1")), Qt::LeftButton);
    QVERIFY(windows.Form2.isHidden());
    QVERIFY(BecomesActive(&windows.Form1));

    run.Action("About1")->trigger();
    QVERIFY(BecomesActive(&windows.Form2));
    QVERIFY(run.ActivateMainWindow());
    QVERIFY(windows.Form2.isHidden());
}

void StartUpTest::mainWindowKeepsItsPlaceAfterTheVersionWindow() {
    Working run;
    run.windows.Form1.move(24, 36);
    const QPoint place = run.windows.Form1.pos();
    run.Action("About1")->trigger();
    QTest::mouseClick(&run.windows.Form2, Qt::LeftButton);
    QCOMPARE(run.windows.Form1.pos(), place);
}

void StartUpTest::bandOpensTheDialogEvenWithEveryToolbarHidden() {
    Working run;
    ProgramWindows& windows = run.windows;
    for (QToolBar* bar :
         {windows.Form1.ToolBar3(), windows.Form1.ToolBar4(), windows.Form1.ToolBar1()}) {
        bar->hide();
    }
    QMainWindow* band = windows.Form1.ControlBar1();
    QApplication::processEvents();
    QVERIFY(band->height() >= 32);

    QTest::mouseDClick(band, Qt::LeftButton, {}, QPoint(band->width() / 2, band->height() / 2));
    QVERIFY(windows.Form3.isVisible());
    QCOMPARE(Marks(windows), (QList<bool>{false, false, false}));

    // The menu item does the same, with the marks read afresh.
    windows.Form3.hide();
    windows.Form1.ToolBar4()->show();
    run.Action("C2")->trigger();
    QVERIFY(windows.Form3.isVisible());
    QCOMPARE(Marks(windows), (QList<bool>{false, true, false}));
}

void StartUpTest::activatingTheMainWindowHidesTheDialog() {
    Working run;
    ProgramWindows& windows = run.windows;
    run.Action("C2")->trigger();
    QVERIFY(BecomesActive(&windows.Form3));
    qDebug() << "active" << QApplication::activeWindow() << windows.Form1.isActiveWindow();
    auto* list = windows.Form3.findChild<QListWidget*>(QStringLiteral("CheckListBox1"));
    list->item(0)->setCheckState(Qt::Unchecked);

    QVERIFY(run.ActivateMainWindow());
    qDebug() << "active" << QApplication::activeWindow() << windows.Form1.isActiveWindow();
    QVERIFY(windows.Form3.isHidden());
    QVERIFY(windows.Form1.ToolBar3()->isHidden());
    QCOMPARE(Marks(windows), (QList<bool>{false, true, true}));
}

void StartUpTest::resetDocksTheBandsToolbarsAtTheirStartUpPlaces() {
    Working run;
    ProgramWindows& windows = run.windows;
    QMainWindow* band = windows.Form1.ControlBar1();
    const std::array<QToolBar*, 3> bars = {windows.Form1.ToolBar3(), windows.Form1.ToolBar4(),
                                           windows.Form1.ToolBar1()};
    std::array<QPoint, 3> places;
    for (int i = 0; i < 3; ++i)
        places[i] = bars[i]->pos();

    FloatToolbar(bars[0]);
    QVERIFY(bars[0]->isFloating());
    band->insertToolBarBreak(bars[2]);
    bars[1]->hide();
    run.Action("C2")->trigger();
    QTest::mouseClick(windows.Form3.findChild<QPushButton*>(QStringLiteral("binitialize")),
                      Qt::LeftButton);
    QApplication::processEvents();

    QCOMPARE(Marks(windows), (QList<bool>{true, true, true}));
    for (int i = 0; i < 3; ++i) {
        QVERIFY(!bars[i]->isFloating());
        QVERIFY(bars[i]->isVisible());
        QCOMPARE(bars[i]->pos(), places[i]);
    }
    QVERIFY(band->height() >= 32);
}

void StartUpTest::floatingToolbarHasATitledWindowWithACloseBox() {
    Working run;
    ProgramWindows& windows = run.windows;
    QToolBar* computation = windows.Form1.ToolBar1();
    FloatToolbar(computation);
    QVERIFY(computation->isFloating());
    QTRY_VERIFY(!(computation->windowFlags() & Qt::FramelessWindowHint));
    const Qt::WindowFlags flags = computation->windowFlags();
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(computation->windowTitle(), QStringLiteral("演算"));
    QVERIFY(computation->isVisible());

    // The close box hides it; the dialog shows the mark cleared.
    QVERIFY(computation->close());
    QVERIFY(computation->isHidden());
    run.Action("C2")->trigger();
    QCOMPARE(Marks(windows), (QList<bool>{true, true, false}));
    // Back by its mark, it floats in its framed window again.
    auto* list = windows.Form3.findChild<QListWidget*>(QStringLiteral("CheckListBox1"));
    list->item(2)->setCheckState(Qt::Checked);
    QVERIFY(computation->isVisible());
    QVERIFY(computation->isFloating());
    QVERIFY(computation->windowFlags() & Qt::WindowCloseButtonHint);
}

void StartUpTest::fileFromTheCommandLineOpensAsTheMainWindowShows() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("m.kvm"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[size]\nrows=1\ncols=2\n[matrix]\nr0c0=1/2\nr0c1=2+3i\n");
    file.close();
    ProgramWindows windows;
    windows.OpenOnceShown(path);
    windows.Start();
    QCOMPARE(windows.Form1.Grid().Cell(0, 0), std::string("0"));  // not before
    QVERIFY(QMetaObject::invokeMethod(TitleTimer(windows), "timeout"));
    const korvane::CellGrid& grid = windows.Form1.Grid();
    QCOMPARE(grid.Rows(), 1);
    QCOMPARE(grid.Cell(1, 0), std::string("2+3i"));
    auto* counts = windows.Form1.findChild<QLabel*>(QStringLiteral("StatusPanel1"));
    QCOMPARE(counts->text(), QStringLiteral("元に戻せる回数：1　やり直せる回数：0"));
    // The version window giving way again opens nothing more.
    windows.Form1.findChild<QAction*>(QStringLiteral("N4"))->trigger();
    windows.Form1.findChild<QAction*>(QStringLiteral("About1"))->trigger();
    QTest::mouseClick(&windows.Form2, Qt::LeftButton);
    QCOMPARE(grid.Cell(1, 0), std::string("0"));
}

void StartUpTest::workspaceFromTheCommandLineOpensIntoThePanel() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("w.kvw"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[workspace]\n[matrix B]\nrows=1\ncols=2\nr0c0=1/2\nr0c1=i\n");
    file.close();
    ProgramWindows windows;
    windows.OpenOnceShown(path);
    windows.Start();
    QVERIFY(QMetaObject::invokeMethod(TitleTimer(windows), "timeout"));
    auto* list = windows.Form1.findChild<QListWidget*>(QStringLiteral("MatrixList"));
    QCOMPARE(list->count(), 1);
    QVERIFY(list->item(0)->text().startsWith(QLatin1Char('B')));
    QCOMPARE(windows.Form1.Grid().Cell(0, 0), std::string("0"));  // the grid is left as it was
}

void StartUpTest::qtsOwnTextsAreJapanese() {
    korvane::UseJapaneseQtTexts(*QCoreApplication::instance());
    for (const char* text : {"Back", "Parent Directory"})
        QVERIFY2(QCoreApplication::translate("QFileDialog", text) != QLatin1String(text), text);
    for (const char* text : {"Name", "Size", "Type", "Date Modified"})
        QVERIFY2(QCoreApplication::translate("QFileSystemModel", text) != QLatin1String(text),
                 text);
    QVERIFY(QCoreApplication::translate("QWidgetTextControl", "Select All") !=
            QLatin1String("Select All"));
    QCOMPARE(QLocale().language(), QLocale::Japanese);
}

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
