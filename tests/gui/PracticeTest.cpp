// The practice mode as a student uses it: by keyboard from the panel, by
// hand in the grid, with undo, and back out of the mode.
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include "GuiTestKit.h"

Q_DECLARE_METATYPE(korvane::test::Rows)

namespace korvane::test {

namespace {

constexpr std::size_t kRref = 0;
constexpr std::size_t kInverse = 2;

void ShowActive(const Window& window) {
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
}

void StartPractice(const Window& window, std::size_t goal) {
    window.dialogs->choiceAnswers.push_back(goal);
    window.Action("Practice1")->trigger();
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Types text into cell (col, row) through the cell edit, as a student
// writes a hand computation.
void TypeCell(const Window& window, int col, int row, const std::string& text) {
    window.Grid()->setCurrentIndex(window.Grid()->model()->index(row, col));
    window.dialogs->inputAnswers.push_back(text);
    window->sgmatrixDblClick();
}

void TypeRow(const Window& window, int row, const QStringList& texts) {
    for (int col = 0; col < texts.size(); ++col)
        TypeCell(window, col, row, texts[col].toStdString());
}

// Types texts into the grid in place from cell (0, row) on, Tab between
// them and Enter after the last, as on a spreadsheet.
void TypeRowInPlace(const Window& window, int row, const QStringList& texts) {
    window.Grid()->setFocus();
    window.Grid()->setCurrentIndex(window.Grid()->model()->index(row, 0));
    for (int col = 0; col < texts.size(); ++col) {
        QTest::keyClicks(QApplication::focusWidget(), texts[col]);
        Press(col + 1 < texts.size() ? Qt::Key_Tab : Qt::Key_Return);
    }
}

template <typename T>
T* Named(const Window& window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

// The cells the grid marks, as (column, row).
QList<QPoint> Marked(const Window& window) {
    QList<QPoint> marked;
    const QAbstractItemModel* model = window.Grid()->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        for (int c = 0; c < model->columnCount(); ++c) {
            if (model->data(model->index(r, c), Qt::BackgroundRole).isValid())
                marked << QPoint(c, r);
        }
    }
    return marked;
}

}  // namespace

class PracticeTest : public QObject {
    Q_OBJECT

  private slots:
    void keyboardDrivesExerciseToTheEnd_data();
    void keyboardDrivesExerciseToTheEnd();
    void undoGoesBackOneOperation();
    void wrongTypedStepMarksCells_data();
    void wrongTypedStepMarksCells();
    void hintIsWordedAsItsStepIsLogged();
    void leavingReenablesCommands();
    void stoppedStartLeavesModeOff();
};

void PracticeTest::keyboardDrivesExerciseToTheEnd_data() {
    QTest::addColumn<Rows>("matrix");
    QTest::addColumn<int>("goal");
    QTest::addColumn<Rows>("result");
    QTest::newRow("3x3 inverse") << Rows{{"2", "4", "2"}, {"1", "3", "2"}, {"1", "1", "2"}}
                                 << static_cast<int>(kInverse)
                                 << Rows{{"1", "0", "0", "1", "-3/2", "1/2"},
                                         {"0", "1", "0", "0", "1/2", "-1/2"},
                                         {"0", "0", "1", "-1/2", "1/2", "1/2"}};
    QTest::newRow("3x4 system")
        << Rows{{"2", "2", "2", "12"}, {"1", "-1", "2", "5"}, {"2", "1", "-1", "1"}}
        << static_cast<int>(kRref)
        << Rows{{"1", "0", "0", "1"}, {"0", "1", "0", "2"}, {"0", "0", "1", "3"}};
}

void PracticeTest::keyboardDrivesExerciseToTheEnd() {
    QFETCH(Rows, matrix);
    QFETCH(int, goal);
    QFETCH(Rows, result);
    Window window;
    window.Enter(matrix);
    ShowActive(window);
    StartPractice(window, static_cast<std::size_t>(goal));
    QVERIFY(window.Action("Practice1")->isChecked());
    QCOMPARE(window.Shown().front().size(), result.front().size());
    // The progress stands in one place; an empty factor box shows a hint
    // without a digit, which no one takes for a value, the example aside.
    QStringList progress;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisible() && label->text().contains(QStringLiteral("ピボット")))
            progress << label->text();
    }
    QCOMPARE(progress.size(), 1);
    for (const char* name : {"PracticeScaleFactor", "PracticeAddFactor"}) {
        const auto* box = Named<QLineEdit>(window, name);
        QVERIFY(box->text().isEmpty());
        QVERIFY(!box->placeholderText().isEmpty());
        QVERIFY(!box->placeholderText().contains(QRegularExpression(QStringLiteral("[0-9０-９]"))));
        QVERIFY(!box->toolTip().isEmpty());
    }

    // The first step typed whole: 「1行目を1/2倍する」.
    Press(Qt::Key_M, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("PracticeScaleRow"));
    Press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1"));
    Press(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1/2"));
    Press(Qt::Key_Return);
    QCOMPARE(window.Cell(0, 0), QStringLiteral("1"));
    QCOMPARE(window->Practice()->Operations(), 1);

    // Then every step as the hint proposes it: Alt+T, then Enter.
    for (int step = 0; step < 20 && !window->Practice()->Progress().goalReached; ++step) {
        const int hints = window->Practice()->HintsUsed();
        Press(Qt::Key_T, Qt::AltModifier);
        // The access key clicks a moment later; the hint then focuses its operation.
        QTRY_COMPARE(window->Practice()->HintsUsed(), hints + 1);
        Press(Qt::Key_Return);
        QCOMPARE(window->Practice()->Operations(), step + 2);
    }
    QCOMPARE(window.Shown(), result);
    QVERIFY(window.LogLines().contains(QStringLiteral("完成です。")));
    QVERIFY(Named<QLabel>(window, "PracticeProgress")->text().contains(QStringLiteral("完成")));
}

void PracticeTest::undoGoesBackOneOperation() {
    Window window;
    window.Enter({{"0", "1"}, {"2", "4"}});
    const Rows start = window.Shown();
    StartPractice(window, kRref);
    const QString startCounts =
        window.StatusPanel(1)->text();  // nothing recorded: already canonical
    Named<QPushButton>(window, "PracticeSwap")->click();
    const Rows swapped = {{"2", "4"}, {"0", "1"}};
    QCOMPARE(window.Shown(), swapped);
    Named<QLineEdit>(window, "PracticeScaleFactor")->setText(QStringLiteral("1/2"));
    Named<QPushButton>(window, "PracticeScale")->click();
    QCOMPARE(window.Shown(), (Rows{{"1", "2"}, {"0", "1"}}));
    QCOMPARE(window->Practice()->Operations(), 2);

    window.Action("Undo1")->trigger();
    QCOMPARE(window.Shown(), swapped);
    QCOMPARE(window->Practice()->Operations(), 1);
    QVERIFY(window.LogLines().contains(QStringLiteral("元に戻します。")));
    window.Action("Repeat1")->trigger();
    QCOMPARE(window->Practice()->Operations(), 2);
    window.Action("Undo1")->trigger();
    window.Action("Undo1")->trigger();
    QCOMPARE(window.Shown(), start);
    // Back where the practice started in the History too, the two steps redoable.
    QCOMPARE(window.StatusPanel(1)->text(), startCounts.chopped(1) + QLatin1Char('2'));
    // The practice's start is as far back as undo goes inside the mode.
    window.Action("Undo1")->trigger();
    QCOMPARE(window.Shown(), start);
    QCOMPARE(window.dialogs->messages.back(),
             std::string("練習を始めたところより前には戻せません。"));
    // A new step drops what could be redone.
    Named<QPushButton>(window, "PracticeSwap")->click();
    window.Action("Repeat1")->trigger();
    QCOMPARE(window.dialogs->messages.back(), std::string("今のが最後の動作です。"));
    QCOMPARE(window.Shown(), swapped);
}

void PracticeTest::wrongTypedStepMarksCells_data() {
    QTest::addColumn<QStringList>("typedRow2");
    QTest::addColumn<QList<QPoint>>("marked");
    // Meant: 2行目から1行目の3倍を引く, giving 0 -1 -2.
    QTest::newRow("one entry") << QStringList{"0", "-1", "-4"} << QList<QPoint>{{2, 1}};
    QTest::newRow("signs") << QStringList{"0", "1", "2"} << QList<QPoint>{{1, 1}, {2, 1}};
}

void PracticeTest::wrongTypedStepMarksCells() {
    QFETCH(QStringList, typedRow2);
    QFETCH(QList<QPoint>, marked);
    Window window;
    window.Enter({{"1", "2", "3"}, {"3", "5", "7"}, {"2", "1", "4"}});
    ShowActive(window);
    StartPractice(window, kRref);
    TypeRowInPlace(window, 1, typedRow2);
    const QString counts = window.StatusPanel(1)->text();
    const Rows typed = window.Shown();

    Named<QPushButton>(window, "PracticeCheck")->click();
    QCOMPARE(Marked(window), marked);
    const QAbstractItemModel* model = window.Grid()->model();
    const QPoint first = marked.front();
    QCOMPARE(model->data(model->index(first.y(), first.x()), Qt::AccessibleDescriptionRole),
             QStringLiteral("(%1,%2)成分が違います。").arg(first.y() + 1).arg(first.x() + 1));
    QCOMPARE(window.StatusPanel(1)->text(), counts);  // the wrong step is not a History state
    QCOMPARE(window.Shown(), typed);
    QCOMPARE(window->Practice()->WrongAttempts(), 1);
    QCOMPARE(window->Practice()->Operations(), 0);

    // Mended through the cell edit box, the marks go with the first edit,
    // and the step is taken.
    TypeRow(window, 1, {"0", "-1", "-2"});
    QVERIFY(Marked(window).isEmpty());
    Named<QPushButton>(window, "PracticeCheck")->click();
    QCOMPARE(window->Practice()->Operations(), 1);
    QVERIFY(Marked(window).isEmpty());
    QVERIFY(window.LogLines().contains(QStringLiteral("2行目から1行目の3倍を引きます。")));
}

// The addition wording, switched on during the practice, words the hint and
// the step taken from it alike.
void PracticeTest::hintIsWordedAsItsStepIsLogged() {
    Window window;
    window.Enter({{"1", "0"}, {"-1", "1"}});
    StartPractice(window, kRref);
    auto* hint = Named<QPushButton>(window, "PracticeHint");
    hint->click();
    QCOMPARE(window.LastLogLine(), QStringLiteral("ヒント：2行目から1行目の-1倍を引きます。"));
    window.Action("AdditionWording1")->trigger();
    hint->click();
    QCOMPARE(window.LastLogLine(), QStringLiteral("ヒント：2行目に1行目の1倍を足します。"));
    Named<QPushButton>(window, "PracticeAdd")->click();
    QCOMPARE(window->Practice()->Operations(), 1);
    QVERIFY(window.LogLines().contains(QStringLiteral("2行目に1行目の1倍を足します。")));
}

void PracticeTest::leavingReenablesCommands() {
    Window window;
    const char* const locked[] = {"O1", "N3",  "N4",  "L1",  "N6", "N7",
                                  "N9", "N10", "N12", "N13", "N14"};
    QStringList hints;
    for (const char* name : locked)
        hints << window.Action(name)->toolTip();

    // The inverse of a non-square matrix: the mode stays off.
    window.Enter({{"1", "2"}});
    StartPractice(window, kInverse);
    QVERIFY(!window.Action("Practice1")->isChecked());
    QVERIFY(!window->Practice());
    QVERIFY(window.Action("N13")->isEnabled());

    window.Enter({{"1", "2"}, {"3", "4"}});
    StartPractice(window, kRref);
    QVERIFY(window->Practice());
    // A computation that leaves the grid alone may run, and keeps the locks.
    window.Action("D1")->trigger();
    window.WaitIdle();
    for (const char* name : locked) {
        QVERIFY2(!window.Action(name)->isEnabled(), name);
        QVERIFY(
            window.Action(name)->toolTip().contains(QStringLiteral("練習モードの間は使えません")));
    }
    QVERIFY(!window.Rows()->isEnabled());
    QVERIFY(window.Action("Undo1")->isEnabled());
    const QString log = window.Log()->toPlainText();
    const Rows grid = window.Shown();

    window.Action("Practice1")->trigger();
    QVERIFY(!window->Practice());
    QVERIFY(!window->findChild<QWidget*>(QStringLiteral("PracticeDock"))->isVisible());
    for (int i = 0; i < hints.size(); ++i) {
        QVERIFY(window.Action(locked[i])->isEnabled());
        QCOMPARE(window.Action(locked[i])->toolTip(), hints[i]);
    }
    QVERIFY(window.Rows()->isEnabled());
    QCOMPARE(window.Log()->toPlainText(), log);
    QCOMPARE(window.Shown(), grid);
    window.Action("N13")->trigger();
    QCOMPARE(window.Shown(), (Rows{{"-2", "1"}, {"3/2", "-1/2"}}));
}

void PracticeTest::stoppedStartLeavesModeOff() {
    Window window;
    Rows big(10);
    unsigned long long state = 7;
    for (auto& row : big) {
        for (int c = 0; c < 10; ++c) {
            std::string text;
            for (int i = 0; i < 41; ++i) {
                state = state * 6364136223846793005ULL + 1442695040888963407ULL;
                text += i == 20 ? '/' : static_cast<char>('1' + (state >> 33) % 9);
            }
            row.push_back(text + "+i");
        }
    }
    window.Enter(big);
    const Rows before = window.Shown();
    window.dialogs->choiceAnswers.push_back(kRref);
    window.form->Practice1Click();
    QVERIFY(window.form->Computing());  // the start works the reduction out off the event loop
    window.form->Stop1Click();
    QVERIFY(!window->Practice());
    QVERIFY(!window.Action("Practice1")->isChecked());
    QCOMPARE(window.LastLogLine(), QStringLiteral("計算を中止しました。"));
    QCOMPARE(window.Shown(), before);
    QVERIFY(window.Action("N13")->isEnabled());
}

}  // namespace korvane::test

QTEST_MAIN(korvane::test::PracticeTest)
#include "PracticeTest.moc"
