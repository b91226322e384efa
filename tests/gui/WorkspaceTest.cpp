// The named matrices and the expression line as a student uses them: by
// keyboard in the panel and the line, with undo, the workspace file and the
// question before unsaved names are left.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "Golden.h"
#include "GuiTestKit.h"

namespace korvane::test {

namespace {

const char* const kLeaveQuestion = "名前付きの行列が保存されていません。\r";

void ShowActive(const Window& window) {
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

QListWidget* List(const Window& window) {
    return window->findChild<QListWidget*>(QStringLiteral("MatrixList"));
}

QLineEdit* Line(const Window& window) {
    return window->findChild<QLineEdit*>(QStringLiteral("ExpressionLine"));
}

QStringList Listed(const Window& window) {
    QStringList items;
    for (int row = 0; row < List(window)->count(); ++row)
        items << List(window)->item(row)->text();
    return items;
}

// Enters rows into the grid and stores them by Ctrl+M under the free name
// at place `free` of the choice offered.
void Store(const Window& window, const Rows& rows, std::size_t free = 0) {
    window.Enter(rows);
    window.Grid()->setFocus();
    window.dialogs->choiceAnswers.push_back(free);
    Press(Qt::Key_M, Qt::ControlModifier);
}

// Types text into the expression line, reached by its access key, and
// works it out by Enter.
void Evaluate(const Window& window, const QString& text) {
    Press(Qt::Key_X, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), Line(window));
    Line(window)->clear();
    QTest::keyClicks(Line(window), text);
    Press(Qt::Key_Return);
    window.WaitIdle();
}

// The A, B and C of the worked example AB - 2C.
void StoreTheWorkedExample(const Window& window) {
    Store(window, {{"1", "2"}, {"3", "4"}});
    Store(window, {{"5", "6"}, {"7", "8"}});
    Store(window, {{"1", "0"}, {"2", "1"}});
}

}  // namespace

class WorkspaceTest : public QObject {
    Q_OBJECT

  private slots:
    void keyboardStoresRecallsRenamesDeletes();
    void undoCoversTheNames();
    void expressionLineWorksAndRemembers();
    void refusalsInTheLogReadingErrorsInTheBox_data();
    void refusalsInTheLogReadingErrorsInTheBox();
    void escStopsABigPower();
    void workspaceFileAndTheQuestion();
    void practiceKeepsTheGrid();
};

void WorkspaceTest::keyboardStoresRecallsRenamesDeletes() {
    Window window;
    ShowActive(window);
    Store(window, {{"1", "1/2"}, {"3", "4"}});
    // Free names are offered first, the first of them chosen.
    QCOMPARE(window.dialogs->choices.back().front(), std::string("A"));
    QCOMPARE(window.dialogs->choices.back().size(), std::size_t{24});
    Store(window, {{"5"}, {"i"}, {"7"}});
    QCOMPARE(Listed(window), QStringList({"A　2×2", "B　3×1"}));
    QVERIFY(List(window)->item(1)->toolTip().contains(QStringLiteral("( i )")));
    // A stored name is offered again last, to be replaced.
    QCOMPARE(window.dialogs->choices.back().back(), std::string("A（いまの A を置き換えます）"));

    Press(Qt::Key_L, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), List(window));
    Press(Qt::Key_Up);
    Press(Qt::Key_Return);  // A into the grid
    QCOMPARE(window.Shown(), (Rows{{"1", "1/2"}, {"3", "4"}}));

    window.dialogs->choiceAnswers.push_back(0);  // A is renamed to the first free name, C
    Press(Qt::Key_F2);
    QCOMPARE(window.dialogs->choices.back().front(), std::string("C"));
    QCOMPARE(Listed(window), QStringList({"B　3×1", "C　2×2"}));
    QCOMPARE(List(window)->currentItem()->text(), QStringLiteral("C　2×2"));
    Press(Qt::Key_Delete);
    QCOMPARE(Listed(window), QStringList({"B　3×1"}));
    window.dialogs->choiceAnswers.push_back(0);
    Press(Qt::Key_Insert);  // stores the grid again, under the first free name
    QCOMPARE(Listed(window), QStringList({"A　2×2", "B　3×1"}));
    QVERIFY(window.dialogs->messages.empty());
}

void WorkspaceTest::undoCoversTheNames() {
    Window window;
    ShowActive(window);
    Store(window, {{"1"}});
    window.Enter({{"2"}});
    Store(window, {{"3"}});
    const QString counts = window.StatusPanel(1)->text();
    QCOMPARE(Listed(window), QStringList({"A　1×1", "B　1×1"}));
    const auto undo = [&] { window.Action("Undo1")->trigger(); };
    undo();  // storing B
    undo();  // the cell typed before it
    QCOMPARE(Listed(window), QStringList({"A　1×1"}));
    QCOMPARE(window.Shown(), (Rows{{"2"}}));
    for (int k = 0; k < 3; ++k)
        undo();  // the cell typed after A, storing A, its cell
    QCOMPARE(Listed(window), QStringList());
    for (int k = 0; k < 5; ++k)
        window.Action("Repeat1")->trigger();
    QCOMPARE(Listed(window), QStringList({"A　1×1", "B　1×1"}));
    QCOMPARE(window.StatusPanel(1)->text(), counts);
}

void WorkspaceTest::expressionLineWorksAndRemembers() {
    Window window;
    ShowActive(window);
    StoreTheWorkedExample(window);
    Evaluate(window, QStringLiteral("A B - 2C"));
    QCOMPARE(window.LogLines().join(QLatin1Char('\n')) + QLatin1Char('\n'),
             QString::fromStdString(GoldenText("expression-ab-2c.log")));
    QCOMPARE(window.Shown(), (Rows{{"17", "22"}, {"39", "48"}}));
    // A number leaves the grid as it is.
    Evaluate(window, QStringLiteral("tr(A) + det(B)"));
    QCOMPARE(window.LastLogLine(), QStringLiteral("よって、tr(A) + det(B) = 3 です。"));
    QCOMPARE(window.Shown(), (Rows{{"17", "22"}, {"39", "48"}}));

    // Up and Down go through the expressions, the one being typed below them.
    Line(window)->clear();
    QTest::keyClicks(Line(window), QStringLiteral("A^"));
    Press(Qt::Key_Up);
    QCOMPARE(Line(window)->text(), QStringLiteral("tr(A) + det(B)"));
    Press(Qt::Key_Up);
    Press(Qt::Key_Up);
    QCOMPARE(Line(window)->text(), QStringLiteral("A B - 2C"));
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    QCOMPARE(Line(window)->text(), QStringLiteral("A^"));
    // The matrix worked out is one History state, and may be stored.
    window.dialogs->choiceAnswers.push_back(0);
    Press(Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(Listed(window).last(), QStringLiteral("D　2×2"));
}

void WorkspaceTest::refusalsInTheLogReadingErrorsInTheBox_data() {
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("logged");  // the refusal, last in the log
    QTest::addColumn<QString>("boxed");   // or the error box's message
    QTest::newRow("sizes") << "A D"
                           << "A は 2×2 行列、D は 3×2 行列なので、積 AD は定義されません。"
                           << "";
    QTest::newRow("singular") << "S^-1 + A"
                              << "S は正則でないので、S^-1 はありません。"
                              << "";
    QTest::newRow("no single X") << "S X = A"
                                 << "よって、SX = A を満たす X はありません。"
                                 << "";
    QTest::newRow("unreadable") << "A +"
                                << ""
                                << "式の終わりに、行列か数が要ります。";
    QTest::newRow("not stored") << "A + Q"
                                << ""
                                << "5文字目の Q という名前の行列はありません。";
}

void WorkspaceTest::refusalsInTheLogReadingErrorsInTheBox() {
    QFETCH(QString, expression);
    QFETCH(QString, logged);
    QFETCH(QString, boxed);
    Window window;
    ShowActive(window);
    Store(window, {{"1", "2"}, {"3", "4"}});
    Store(window, {{"1", "2"}, {"3", "4"}, {"5", "6"}}, 2);  // D, after B and C
    Store(window, {{"1", "2"}, {"2", "4"}}, 14);             // S, the 15th name still free
    const Rows grid = window.Shown();
    const QString counts = window.StatusPanel(1)->text();
    const QStringList logBefore = window.LogLines();
    QString shown;
    if (!boxed.isEmpty()) {
        WhenModalShows([&shown](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("Korvane"));
            shown = box->text();
            box->buttons().constFirst()->click();
        });
    }
    Evaluate(window, expression);
    QCOMPARE(shown, boxed);
    if (!logged.isEmpty()) QCOMPARE(window.LastLogLine(), logged);
    if (logged.isEmpty()) QCOMPARE(window.LogLines(), logBefore);
    QCOMPARE(window.Shown(), grid);
    QCOMPARE(window.StatusPanel(1)->text(), counts);
}

void WorkspaceTest::escStopsABigPower() {
    Window window;
    ShowActive(window);
    Store(window, GaussianMatrix());
    const Rows grid = window.Shown();
    Press(Qt::Key_X, Qt::AltModifier);
    QTest::keyClicks(Line(window), QStringLiteral("A^2000000000"));
    Press(Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(window.form->StepLogStore().LineCount() > 100, 10000);
    QVERIFY(window.form->Computing());
    Press(Qt::Key_Escape);
    window.WaitIdle();
    QCOMPARE(window.LastLogLine(), QStringLiteral("計算を中止しました。"));
    QCOMPARE(window.Shown(), grid);
}

void WorkspaceTest::workspaceFileAndTheQuestion() {
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("w.kvw")).toStdString();
    Window window;
    ShowActive(window);
    StoreTheWorkedExample(window);
    const QStringList stored = Listed(window);

    // Not saved: leaving asks, and no keeps the names (and the window).
    window->close();
    QVERIFY(window->isVisible());
    window.Action("NewWorkspace1")->trigger();
    QCOMPARE(Listed(window), stored);
    QCOMPARE(window.dialogs->confirmations,
             (std::vector<std::string>{
                 kLeaveQuestion + std::string("保存せずに終了して宜しいでしょうか？"),
                 kLeaveQuestion +
                     std::string("保存せずに新しいワークスペースにして宜しいでしょうか？")}));

    window.dialogs->saveAnswers.push_back(path);
    window.Action("SaveWorkspace1")->trigger();
    window.dialogs->confirmations.clear();
    window.Action("NewWorkspace1")->trigger();  // saved: no question
    QCOMPARE(Listed(window), QStringList());
    QVERIFY(window.dialogs->confirmations.empty());

    window.dialogs->openAnswers.push_back(path);
    window.Action("OpenWorkspace1")->trigger();
    QCOMPARE(Listed(window), stored);
    Evaluate(window, QStringLiteral("A B - 2C"));
    QCOMPARE(window.Shown(), (Rows{{"17", "22"}, {"39", "48"}}));
    // Undo takes the opened names back; leaving them so asks again.
    window.Action("Undo1")->trigger();
    window.Action("Undo1")->trigger();
    QCOMPARE(Listed(window), QStringList());
    window.dialogs->confirmAnswers.push_back(true);
    window.Action("NewWorkspace1")->trigger();
    QCOMPARE(window.dialogs->confirmations.size(), std::size_t{1});

    // Dropped on the window, the file opens as ワークスペースを開く does.
    const Rows grid = window.Shown();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    const QPoint at = window.Grid()->mapTo(window.form.get(), QPoint(10, 10));
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(window.form.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(window.form.get(), &drop);
    QCOMPARE(Listed(window), stored);
    QCOMPARE(window.Shown(), grid);
}

void WorkspaceTest::practiceKeepsTheGrid() {
    Window window;
    ShowActive(window);
    Store(window, {{"2", "1"}, {"1", "1"}});
    window.dialogs->choiceAnswers.push_back(0);  // 行階段標準形
    window.Action("Practice1")->trigger();
    QVERIFY(window.Action("Practice1")->isChecked());
    QVERIFY(!window.Action("RecallMatrix1")->isEnabled());
    QVERIFY(!window.Action("Evaluate1")->isEnabled());
    QVERIFY(window.Action("StoreMatrix1")->isEnabled());  // storing leaves the grid alone
}

}  // namespace korvane::test

QTEST_MAIN(korvane::test::WorkspaceTest)
#include "WorkspaceTest.moc"
