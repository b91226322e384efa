// Commands that take seconds: the window answers meanwhile, they stop at
// once and leave the grid and the History as they were, and a command that
// runs to its end off the event loop gives the log and grid it always gave.
#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "GuiTestKit.h"
#include "core/engine/Engine.h"

namespace korvane::test {

namespace {

// Fixed digits from a small linear congruential sequence.
class Digits {
  public:
    std::string Next(int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
            text += static_cast<char>((i == 0 ? '1' : '0') + (state_ >> 33) % (i == 0 ? 9 : 10));
        }
        return text;
    }

  private:
    unsigned long long state_ = 19991231;
};

// A 10 × 10 matrix of entries a/b+ci/d with parts of `digits` digits; its
// logged inverse takes seconds.
Rows ComplexFractions(int digits) {
    Digits d;
    Rows rows(10);
    for (auto& row : rows) {
        for (int c = 0; c < 10; ++c)
            row.push_back(d.Next(digits) + "/" + d.Next(digits) + "-" + d.Next(digits) + "i/" +
                          d.Next(digits));
    }
    return rows;
}

Rows Integers(int digits) {
    Digits d;
    Rows rows(10);
    for (auto& row : rows) {
        for (int c = 0; c < 10; ++c)
            row.push_back((c % 3 == 0 ? "-" : "") + d.Next(digits));
    }
    return rows;
}

QAction* ActionOf(const Window& window, const char* name) {
    return window.form->findChild<QAction*>(QString::fromLatin1(name));
}

// The pane shows a log line whole, or a long one's start and a note that
// says the rest is left out.
bool SameInPane(const QString& shown, const std::string& line) {
    const std::string text = shown.toStdString();
    if (text == line) return true;
    return line.size() > PaneStepLog::kLineBytes &&
           text.starts_with(line.substr(0, PaneStepLog::kLineBytes / 2)) &&
           text.ends_with("バイトは表示していません）");
}

std::vector<std::string> StoreLines(const TForm1& form) {
    return form.StepLogStore().Lines(0, form.StepLogStore().LineCount());
}

// Whether a 50 ms timer kept firing: all but one gap in ten within 100 ms,
// none over 250 ms; what went wrong, or nothing. A window frozen by the work
// misses ticks for the second or more it takes; the slack is for a busy
// machine's scheduling.
QString LateTicks(const std::vector<qint64>& ticks) {
    if (ticks.size() < 2) return QStringLiteral("no ticks");
    std::size_t late = 0;
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        const qint64 gap = ticks[i] - ticks[i - 1];
        if (gap > 250) return QStringLiteral("a gap of %1 ms").arg(gap);
        late += gap > 100 ? 1 : 0;
    }
    if (late > 1 + ticks.size() / 10) return QStringLiteral("%1 gaps over 100 ms").arg(late);
    return {};
}

}  // namespace

class ComputingTest : public QObject {
    Q_OBJECT

  private slots:
    void staysResponsiveAndStops_data();
    void staysResponsiveAndStops();
    void longCommandEndsAsBefore();
    void methodsStopToo_data();
    void methodsStopToo();
    void paperStaysResponsiveAndStops_data();
    void paperStaysResponsiveAndStops();
};

void ComputingTest::staysResponsiveAndStops_data() {
    QTest::addColumn<int>("stopAfterMs");
    QTest::addColumn<QString>("how");
    QTest::newRow("at once by Esc") << 0 << "esc";
    QTest::newRow("early by the menu item") << 150 << "menu";
    QTest::newRow("later by Esc") << 700 << "esc";
    QTest::newRow("by closing the window") << 400 << "close";
}

void ComputingTest::staysResponsiveAndStops() {
    QFETCH(int, stopAfterMs);
    QFETCH(QString, how);
    Window window;
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
    window.Enter(ComplexFractions(30));
    const Rows before = window.Shown();
    const QString counts = window.StatusPanel(1)->text();

    QElapsedTimer clock;
    std::vector<qint64> ticks;
    QTimer timer;
    timer.setInterval(50);
    connect(&timer, &QTimer::timeout, [&] { ticks.push_back(clock.elapsed()); });
    window.Action("N13")->trigger();
    QVERIFY(window.form->Computing());
    clock.start();
    timer.start();
    QTest::qWait(stopAfterMs);
    QVERIFY(window.form->Computing());
    QVERIFY(ActionOf(window, "Stop1")->isVisible());
    QVERIFY(!ActionOf(window, "N12")->isEnabled());
    QVERIFY(!ActionOf(window, "Undo1")->isEnabled());
    QVERIFY(ActionOf(window, "H2")->isEnabled());
    QVERIFY(!window.form->findChild<QSpinBox*>("se_rows")->isEnabled());
    // Typing into the grid waits too: its outcome would be overwritten.
    auto* grid = window.form->findChild<QTableView*>("sgmatrix");
    QTest::keyClicks(grid, QStringLiteral("7"));
    QTest::keyClick(grid, Qt::Key_Delete);
    QVERIFY(!grid->findChild<QWidget*>(QStringLiteral("CellEditor")));
    if (stopAfterMs >= 400) {
        auto* running = window.form->findChild<QLabel*>("StatusPanel2");
        QVERIFY(running->isVisible());
        QVERIFY(running->text().startsWith(QStringLiteral("計算中です（行基本変形 ")));
        // The log fills while the work goes on.
        QVERIFY(!window.form->findChild<QPlainTextEdit*>("memoutput")->toPlainText().isEmpty());
    }

    if (how == "esc") {
        QTest::keyClick(window.form->findChild<QTableView*>("sgmatrix"), Qt::Key_Escape);
    } else if (how == "menu") {
        ActionOf(window, "Stop1")->trigger();
    } else {
        window.form->close();
    }
    QTRY_VERIFY_WITH_TIMEOUT(!window.form->Computing(), 10000);
    timer.stop();

    const QString late = LateTicks(ticks);
    QVERIFY2(late.isEmpty(), qPrintable(late));

    QCOMPARE(window.Shown(), before);
    QCOMPARE(window.StatusPanel(1)->text(), counts);
    QCOMPARE(window.LastLogLine(), QStringLiteral("計算を中止しました。"));
    QCOMPARE(StoreLines(*window.form).back(), std::string("計算を中止しました。"));
    QVERIFY(!ActionOf(window, "Stop1")->isVisible());
    QVERIFY(ActionOf(window, "N12")->isEnabled());
    QVERIFY(!window.form->findChild<QLabel*>("StatusPanel2")->isVisible());
}

void ComputingTest::longCommandEndsAsBefore() {
    Window window;
    window.Enter(Integers(200));
    const CellGrid before = window->Grid();
    // The same command run directly, as before there was a worker.
    CellGrid expectedGrid = before;
    MemoryStepLog expectedLog;
    Engine().Inverse(expectedGrid, expectedLog);

    window.Action("N13")->trigger();
    QVERIFY(window.form->Computing());  // it did run off the event loop
    window.WaitIdle();

    QVERIFY(window->Grid() == expectedGrid);
    QVERIFY(StoreLines(*window) == expectedLog.Lines());
    window.Action("Undo1")->trigger();  // the state before it was recorded
    QVERIFY(window->Grid() == before);

    // The pane: the whole log, or its first lines, a line that says how many
    // it leaves out, and its last lines.
    const QStringList pane = window.LogLines();
    const std::vector<std::string>& log = expectedLog.Lines();
    const auto marker = std::find_if(pane.begin(), pane.end(), [](const QString& line) {
        return line.startsWith(QStringLiteral("……（この欄には途中の "));
    });
    const auto head = static_cast<std::size_t>(marker - pane.begin());
    for (std::size_t i = 0; i < head; ++i)
        QVERIFY(SameInPane(pane[static_cast<qsizetype>(i)], log[i]));
    if (marker == pane.end()) {
        QCOMPARE(head, log.size());
        return;
    }
    const auto tail = static_cast<std::size_t>(pane.end() - marker - 1);
    QCOMPARE(*marker, QStringLiteral("……（この欄には途中の %1 行を表示していません）……")
                          .arg(log.size() - head - tail));
    for (std::size_t i = 0; i < tail; ++i)
        QVERIFY(SameInPane(pane[static_cast<qsizetype>(head + 1 + i)], log[log.size() - tail + i]));
}

void ComputingTest::methodsStopToo_data() {
    QTest::addColumn<QString>("command");
    for (const char* command :
         {"Expansion1", "IntegerDet1", "Adjugate1", "Cramer1", "Lu1", "Elementary1",
          "GramSchmidt1", "Qr1", "LeastSquares1"})
        QTest::newRow(command) << QString::fromLatin1(command);
}

// The textbook methods run off the event loop like the other computations
// and stop on Esc, the grid and the History as they were.
void ComputingTest::methodsStopToo() {
    QFETCH(QString, command);
    Window window;
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
    Rows matrix = ComplexFractions(30);
    if (command == QStringLiteral("Cramer1")) matrix.pop_back();  // (A | b): 9 rows, 10 columns
    window.Enter(matrix);
    const Rows before = window.Shown();
    const QString counts = window.StatusPanel(1)->text();
    window.dialogs->choiceAnswers.push_back(0);  // the expansion's line: the one with most zeros
    window.Action(qPrintable(command))->trigger();
    QVERIFY(window.form->Computing());
    QTest::qWait(100);
    QVERIFY(window.form->Computing());
    QTest::keyClick(window.form->findChild<QTableView*>("sgmatrix"), Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!window.form->Computing(), 10000);
    QCOMPARE(window.Shown(), before);
    QCOMPARE(window.StatusPanel(1)->text(), counts);
    QCOMPARE(window.LastLogLine(), QStringLiteral("計算を中止しました。"));
}

void ComputingTest::paperStaysResponsiveAndStops_data() {
    QTest::addColumn<bool>("printed");
    QTest::addColumn<QString>("how");
    QTest::newRow("a PDF stopped by Esc") << false << "esc";
    QTest::newRow("printing stopped by the menu item") << true << "menu";
    QTest::newRow("a PDF to its end") << false << "end";
}

// The PDF of a 10 × 10 Gaussian-integer inverse's log (0.6 MB) takes seconds
// to typeset and paint: the window answers meanwhile, says how far the work
// is, and a stop leaves the log as it was and writes no file.
void ComputingTest::paperStaysResponsiveAndStops() {
    QFETCH(bool, printed);
    QFETCH(QString, how);
    Window window;
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
    window.Enter(GaussianMatrix());
    window.Action("N13")->trigger();
    window.WaitIdle();
    const std::vector<std::string> log = StoreLines(*window.form);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("log.pdf"));

    QElapsedTimer clock;
    std::vector<qint64> ticks;
    QTimer timer;
    timer.setInterval(50);
    connect(&timer, &QTimer::timeout, [&] { ticks.push_back(clock.elapsed()); });
    window.StartPdf(pdf, printed);
    QVERIFY(window.form->Computing());
    clock.start();
    timer.start();
    QTest::qWait(700);
    QVERIFY(window.form->Computing());
    const QString status = window.form->findChild<QLabel*>("StatusPanel2")->text();
    QVERIFY2(status.startsWith(printed ? QStringLiteral("印刷しています（")
                                       : QStringLiteral("PDF を作っています（")),
             qPrintable(status));
    QVERIFY(ActionOf(window, "Stop1")->isVisible());
    QVERIFY(!ActionOf(window, "N13")->isEnabled());
    if (how == "esc") {
        QTest::keyClick(window.form->findChild<QTableView*>("sgmatrix"), Qt::Key_Escape);
    } else if (how == "menu") {
        ActionOf(window, "Stop1")->trigger();
    }
    QTRY_VERIFY_WITH_TIMEOUT(!window.form->Computing(), 60000);
    timer.stop();
    const QString late = LateTicks(ticks);
    QVERIFY2(late.isEmpty(), qPrintable(late));
    QVERIFY(StoreLines(*window.form) == log);
    QVERIFY(ActionOf(window, "N13")->isEnabled());
    if (how != "end") {
        QVERIFY(!QFile::exists(pdf) || QFileInfo(pdf).size() == 0);
    } else {
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.read(4) == "%PDF");
    }
}

}  // namespace korvane::test

QTEST_MAIN(korvane::test::ComputingTest)
#include "ComputingTest.moc"
