// The commands as the user reaches them: menu items, toolbar buttons,
// shortcuts, grid events and count boxes, with the scripted dialogs.
#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QToolButton>
#include <QtMath>

#include "Golden.h"
#include "GuiTestKit.h"

Q_DECLARE_METATYPE(korvane::test::Rows)

namespace korvane::test {

namespace {

QString Counts(int undo, int redo) {
    return QStringLiteral("元に戻せる回数：%1　やり直せる回数：%2").arg(undo).arg(redo);
}

const Rows kPlain = {{"5", "6"}, {"7", "8"}};
const Rows kInvertible = {{"2", "4"}, {"1", "3"}};
const Rows kSingular = {{"1", "2"}, {"2", "4"}};

// What the error box showed.
struct ErrorBox {
    QString title, text;
    int buttons = 0;
};

void CloseNextBox(ErrorBox& seen) {
    WhenModalShows([&seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        seen = {box->windowTitle(), box->text(), static_cast<int>(box->buttons().size())};
        box->buttons().constFirst()->click();
    });
}

// What a pointer sends: the first click selects, then the double click.
void DoubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

void MoveMouse(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void startState();
    void everyItemReachesItsCommand_data();
    void everyItemReachesItsCommand();
    void severalRightHandSidesOption();
    void rowVectorsOption();
    void inverseExample();
    void refusalsRecordNothing_data();
    void refusalsRecordNothing();
    void expansionAsksItsLine();
    void determinantRefusalKeepsLog();
    void undoRedoByMenuButtonAndKeys();
    void undoRedoAtTheEnds();
    void ctrlZAndCtrlYDoNothing();
    void countBoxesKeepOuterCells();
    void doubleClickEditsTheCellUnderThePointer();
    void mouseReadout();
    void errorShowsBoxAndKeepsGrid();
    void parameterGoesToItsCommandsOnly();
    void saveThenOpen();
    void logArrivesInOneUpdate();
    void logShowsItsEnd();
    void logPaneWrapsSentencesOnly();
    void augmentedMatricesHaveARule_data();
    void augmentedMatricesHaveARule();
};

void CommandsTest::startState() {
    Window window;
    QCOMPARE(window.Shown(), (Rows{{"0", "0", "0"}, {"0", "0", "0"}, {"0", "0", "0"}}));
    for (int c = 0; c < 10; ++c) {
        for (int r = 0; r < 10; ++r) {
            QCOMPARE(window->Grid().Cell(c, r), std::string("0"));
        }
    }
    QVERIFY(window.Log()->toPlainText().isEmpty());
    QCOMPARE(window.StatusPanel(1)->text(), Counts(0, 0));
    QVERIFY(window.StatusPanel(0)->text().isEmpty());
}

void CommandsTest::everyItemReachesItsCommand_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<Rows>("matrix");
    QTest::addColumn<QString>("factor");
    QTest::addColumn<Rows>("result");
    QTest::addColumn<QString>("logLine");  // a line the log must hold; empty: not checked
    QTest::addColumn<int>("recorded");

    struct Row {
        const char* menuItem;
        const char* button;
        Rows matrix;
        const char* factor;
        Rows result;
        const char* logLine;
        int recorded;
    };
    const Row rows[] = {
        {"N3", "ToolButton10", kPlain, "", {{"1", "0"}, {"0", "1"}}, "", 1},
        {"N4", "ToolButton21", kPlain, "", {{"0", "0"}, {"0", "0"}}, "", 1},
        {"L1", "ToolButton1", kPlain, "2", {{"10", "12"}, {"14", "16"}}, "", 1},
        {"N9", "ToolButton16", kPlain, "", {{"5", "6"}, {"0", "8"}}, "", 1},
        {"N10", "ToolButton11", kPlain, "", {{"5", "0"}, {"7", "8"}}, "", 1},
        {"N6", "ToolButton20", kPlain, "", {{"5", "6"}, {"6", "8"}}, "", 1},
        {"N7", "ToolButton19", kPlain, "", {{"5", "7"}, {"7", "8"}}, "", 1},
        {"N12", "ToolButton2", {{"1", "2", "3"}}, "", {{"1"}, {"2"}, {"3"}}, "", 1},
        {"N13", "ToolButton3", kInvertible, "", {{"3/2", "-2"}, {"-1/2", "1"}}, "です。", 1},
        {"N14",
         "ToolButton4",
         kInvertible,
         "",
         {{"1", "0"}, {"0", "1"}},
         "これで、行階段基本形になりました。",
         1},
        {"N16", "ToolButton7", kSingular, "", kSingular, "span{(1,2)}", 0},
        {"C1", "ToolButton8", kSingular, "", kSingular, "span{(-2,1)}", 0},
        {"D1", "ToolButton6", kInvertible, "", kInvertible, "よって、行列式は、2です。", 0},
        {"Solve1", "ToolButton23", kSingular, "", kSingular, "x = (2)", 0},
        {"Rank1", "ToolButton24", kSingular, "", kSingular, "よって、階数は、1です。", 0},
        {"CharPoly1", "ToolButton25", kInvertible, "", kInvertible, "det(λI - A) = λ^2 - 5λ + 2",
         0},
        {"Eigenvalues1", "ToolButton26", kSingular, "", kSingular, "det(λI - A) = λ(λ - 5)", 0},
        {"Eigenvectors1", "ToolButton27", kSingular, "", kSingular, "span{(1/2,1)}", 0},
        {"Diagonalize1", "ToolButton28", kSingular, "", kSingular, "となり、D に一致します。", 0},
        {"Expansion1", "ToolButton32", kInvertible, "", kInvertible, "よって、行列式は、2です。",
         0},
        {"Sarrus1", "ToolButton33", kInvertible, "", kInvertible, "det A = 2·3 - 4·1 = 6 - 4 = 2",
         0},
        {"IntegerDet1", "ToolButton34", kInvertible, "", kInvertible, "よって、行列式は、2です。",
         0},
        {"Adjugate1", "ToolButton35", kInvertible, "", kInvertible,
         "C₁₂ = (-1)^(1+2)·det M₁₂ = (-1)·1 = -1", 0},
        {"Cramer1",
         "ToolButton36",
         {{"2", "4", "6"}, {"1", "3", "5"}},
         "",
         {{"2", "4", "6"}, {"1", "3", "5"}},
         "x = (-1,2)",
         0},
        {"Lu1", "ToolButton37", kInvertible, "", kInvertible, "となり、A に一致します。", 0},
        {"Elementary1", "ToolButton38", kInvertible, "", kInvertible,
         "以上をまとめると、E₃E₂E₁A = R です。", 0},
        {"Inner1", "ToolButton39", kInvertible, "", kInvertible,
         "cos θ = ⟨v₁, v₂⟩/(‖v₁‖‖v₂‖) = 11√5/25", 0},
        {"Norm1", "ToolButton40", kSingular, "", kSingular, "v₂/‖v₂‖ = (√5/5,2√5/5)", 0},
        {"GramSchmidt1", "ToolButton41", kInvertible, "", kInvertible,
         "e₂ = u₂/‖u₂‖ = (-√5/5,2√5/5)", 0},
        {"Qr1", "ToolButton42", kInvertible, "", kInvertible, "となり、A に一致します。", 0},
        {"Projection1", "ToolButton43", kInvertible, "", kInvertible,
         "b と W の距離は、‖b - p‖ = √⟨b - p, b - p⟩ = 2√5/5 です。", 0},
        {"Complement1", "ToolButton44", kSingular, "", kSingular,
         "dim W + dim W⊥ = 1 + 1 = 2 です。", 0},
        {"LeastSquares1", "ToolButton45", kInvertible, "", kInvertible,
         "‖b - Ax̂‖ = 2√5/5", 0},
        {"OrthogonalDiagonalize1", "ToolButton46", {{"2", "1"}, {"1", "2"}}, "",
         {{"2", "1"}, {"1", "2"}}, "となり、D に一致します。", 0},
        {"QuadraticForm1", "ToolButton47", {{"1", "2"}, {"2", "1"}}, "", {{"1", "2"}, {"2", "1"}},
         "よって、この二次形式は不定値です。", 0},
        {"Jordan1", "ToolButton48", kSingular, "", kSingular, "となり、J に一致します。", 0},
        {"Power1", "ToolButton49", kSingular, "", kSingular, "A^n = PJ^nP^-1 =", 0},
        {"Exponential1", "ToolButton50", kSingular, "", kSingular, "e^(tA) = Pe^(tJ)P^-1 =", 0},
        {"Recurrence1", "ToolButton51", kInvertible, "a(n+2)=4a(n+1)-4a(n); a(0)=1; a(1)=3",
         kInvertible, "a(n) = 2^n+n·2^(n-1)", 0},
        {"MinPoly1", "ToolButton52", kInvertible, "", kInvertible, "m(λ) = λ^2 - 5λ + 2", 0},
    };
    for (const Row& row : rows) {
        for (const char* item : {row.menuItem, row.button}) {
            QTest::newRow(item) << QString::fromLatin1(item) << row.matrix
                                << QString::fromUtf8(row.factor) << row.result
                                << QString::fromUtf8(row.logLine) << row.recorded;
        }
    }
}

void CommandsTest::everyItemReachesItsCommand() {
    QFETCH(QString, item);
    QFETCH(Rows, matrix);
    QFETCH(QString, factor);
    QFETCH(Rows, result);
    QFETCH(QString, logLine);
    QFETCH(int, recorded);
    Window window;
    window->show();
    // Wide enough for every button of the toolbars to show.
    window->resize(1200, window->height());
    window.Enter(matrix);
    const int entered = static_cast<int>(matrix.size() * matrix.front().size());
    if (!factor.isEmpty()) {
        window.dialogs->inputAnswers.push_back(factor.toStdString());
    }
    // A line asked for (the cofactor expansion's) is the first one offered.
    window.dialogs->choiceAnswers.push_back(0);
    if (QToolButton* button = window.Button(qPrintable(item))) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        window.Action(qPrintable(item))->trigger();
    }
    QCOMPARE(window.Shown(), result);
    if (!logLine.isEmpty()) {
        QVERIFY2(window.LogLines().contains(logLine), qPrintable(window.Log()->toPlainText()));
    }
    QCOMPARE(window.StatusPanel(1)->text(), Counts(entered + recorded, 0));
}

void CommandsTest::severalRightHandSidesOption() {
    Window window;
    window.Enter({{"2", "0", "2", "4"}, {"0", "4", "4", "8"}});
    window.Action("Solve1")->trigger();
    QVERIFY(
        window.LogLines().contains("係数行列 A の階数は2、拡大係数行列 (A | b) の階数は2、"
                                   "未知数の個数は3です。"));
    window.Action("SeveralRhs1")->trigger();  // on
    window.Action("Solve1")->trigger();
    QVERIFY(window.LogLines().contains("よって、AX = B の解は、"));
    window.Action("SeveralRhs1")->trigger();  // off again
    window.Action("Solve1")->trigger();
    QVERIFY(!window.LogLines().contains("よって、AX = B の解は、"));
    QCOMPARE(window.StatusPanel(1)->text(), Counts(6, 0));  // the entered cells that changed
}

// Inner products take the columns, or the rows while the option is on.
void CommandsTest::rowVectorsOption() {
    Window window;
    window.Enter(kInvertible);
    window.Action("Inner1")->trigger();
    QVERIFY(window.LogLines().contains("⟨v₁, v₂⟩ = 2·4 + 1·3 = 11"));
    window.Action("RowVectors1")->trigger();  // on
    window.Action("Inner1")->trigger();
    QVERIFY(window.LogLines().contains("⟨v₁, v₂⟩ = 2·1 + 4·3 = 14"));
    window.Action("Norm1")->trigger();
    QVERIFY(window.LogLines().contains("v₁/‖v₁‖ = (√5/5,2√5/5)"));
    window.Action("RowVectors1")->trigger();  // off again
    window.Action("Inner1")->trigger();
    QVERIFY(window.LogLines().contains("⟨v₁, v₂⟩ = 2·4 + 1·3 = 11"));
}

void CommandsTest::inverseExample() {
    Window window;
    window.Enter(kInvertible);
    window.Action("N13")->trigger();
    QStringList expected;
    for (const std::string& line : GoldenLines("inverse-2x2.log"))
        expected << QString::fromStdString(line);
    QCOMPARE(window.LogLines(), expected);
    QCOMPARE(window.Shown(), (Rows{{"3/2", "-2"}, {"-1/2", "1"}}));
    QCOMPARE(window.StatusPanel(1)->text(), Counts(5, 0));
}

void CommandsTest::refusalsRecordNothing_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<Rows>("matrix");
    QTest::addColumn<QStringList>("log");  // the whole log, or its last line alone
    QTest::newRow("inverse of 2x3") << "N13" << Rows{{"1", "2", "3"}, {"4", "5", "6"}}
                                    << QStringList{"正方行列でないので、逆行列はありません。"};
    QTest::newRow("identity of 2x3") << "N3" << Rows{{"1", "2", "3"}, {"4", "5", "6"}}
                                     << QStringList{"正方行列でないので、単位行列にできません。"};
    QTest::newRow("singular inverse")
        << "ToolButton3" << kSingular << QStringList{"よって、この行列は非可逆です。"};
    QTest::newRow("eigenvalues of 2x3") << "ToolButton26" << Rows{{"1", "2", "3"}, {"4", "5", "6"}}
                                        << QStringList{"正方行列でないので、固有値はありません。"};
    QTest::newRow("triangular of 2x3") << "ToolButton16" << Rows{{"1", "2", "3"}, {"4", "5", "6"}}
                                       << QStringList{"正方行列でないので、三角行列にできません。"};
    QTest::newRow("sarrus of 1x1")
        << "Sarrus1" << Rows{{"5"}}
        << QStringList{"サラスの方法は、2行2列と3行3列の行列の行列式にだけ使えます。"};
    QTest::newRow("cramer of a singular A")
        << "Cramer1" << Rows{{"1", "2", "3"}, {"2", "4", "5"}}
        << QStringList{
               "det A = 0 なので、クラメルの公式は使えません。解があるかどうかは、"
               "連立一次方程式を解く計算（solve）で調べられます。"};
    QTest::newRow("adjugate of 2x3") << "Adjugate1" << Rows{{"1", "2", "3"}, {"4", "5", "6"}}
                                     << QStringList{"正方行列でないので、余因子行列はありません。"};
}

void CommandsTest::refusalsRecordNothing() {
    QFETCH(QString, item);
    QFETCH(Rows, matrix);
    QFETCH(QStringList, log);
    Window window;
    window->show();
    window.Enter(matrix);
    const QString counts = window.StatusPanel(1)->text();
    if (QToolButton* button = window.Button(qPrintable(item))) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        window.Action(qPrintable(item))->trigger();
    }
    QCOMPARE(window.Shown(), matrix);
    QCOMPARE(window.StatusPanel(1)->text(), counts);
    QCOMPARE(log.size() == 1 ? QStringList{window.LastLogLine()} : window.LogLines(), log);
}

// The cofactor expansion asks along which line first: cancelled, nothing
// runs; a column chosen, the expansion runs along it.
void CommandsTest::expansionAsksItsLine() {
    Window window;
    window.Enter(kInvertible);
    window.Action("D1")->trigger();
    const QStringList before = window.LogLines();
    window.Action("Expansion1")->trigger();  // no answer: cancelled
    QCOMPARE(window.LogLines(), before);
    QCOMPARE(
        window.dialogs->choices.back(),
        (std::vector<std::string>{"0の成分が最も多い行か列", "1行目", "2行目", "1列目", "2列目"}));
    window.dialogs->choiceAnswers.push_back(4);
    window.Action("Expansion1")->trigger();
    QVERIFY(window.LogLines().contains("det A を2列目で余因子展開します。"));
    QCOMPARE(window.LastLogLine(), QStringLiteral("よって、行列式は、2です。"));
}

void CommandsTest::determinantRefusalKeepsLog() {
    Window window;
    window.Enter({{"1", "2", "3"}});
    window.Action("N12")->trigger();  // transpose: a log, then a 3 × 1 grid
    const QStringList before = window.LogLines();
    QVERIFY(!before.isEmpty());
    window.Action("D1")->trigger();
    QCOMPARE(window.LogLines(), before + QStringList{"正方行列でないので、行列式はありません。"});
}

void CommandsTest::undoRedoByMenuButtonAndKeys() {
    Window window;
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
    window.Action("N4")->trigger();
    window.Rows()->setValue(2);
    window.Cols()->setValue(2);
    window.Action("N13")->trigger();  // singular: nothing recorded
    QTest::mouseClick(window.Button("ToolButton10"), Qt::LeftButton);
    QCOMPARE(window.StatusPanel(1)->text(), Counts(2, 0));
    const Rows identity = {{"1", "0"}, {"0", "1"}};

    struct Step {
        std::function<void()> act;
        Rows shown;
        QString counts;
    };
    const Rows zero3 = {{"0", "0", "0"}, {"0", "0", "0"}, {"0", "0", "0"}};
    const std::vector<Step> steps = {
        {[&] { window.Action("Undo1")->trigger(); }, zero3, Counts(1, 1)},
        {[&] { QTest::mouseClick(window.Button("ToolButton14"), Qt::LeftButton); }, zero3,
         Counts(0, 2)},
        {[&] { window.Action("Repeat1")->trigger(); }, zero3, Counts(1, 1)},
        {[&] { QTest::mouseClick(window.Button("ToolButton15"), Qt::LeftButton); }, identity,
         Counts(2, 0)},
        {[&] { QTest::keyClick(window.Log(), Qt::Key_Backspace, Qt::AltModifier); }, zero3,
         Counts(1, 1)},
        {[&] {
             QTest::keyClick(window.Rows(), Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier);
         },
         identity, Counts(2, 0)},
    };
    for (const Step& step : steps) {
        step.act();
        QCOMPARE(window.Shown(), step.shown);
        QCOMPARE(window.StatusPanel(1)->text(), step.counts);
    }
    QVERIFY(window.dialogs->messages.empty());
}

void CommandsTest::undoRedoAtTheEnds() {
    Window window;
    window.Action("Undo1")->trigger();
    window.Action("Repeat1")->trigger();
    QCOMPARE(window.dialogs->messages,
             (std::vector<std::string>{"これ以上は戻せません。", "今のが最後の動作です。"}));
    QCOMPARE(window.StatusPanel(1)->text(), Counts(0, 0));
}

void CommandsTest::ctrlZAndCtrlYDoNothing() {
    Window window;
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
    window.Action("N3")->trigger();
    window.Log()->setFocus();
    QTest::keyClicks(window.Log(), QStringLiteral("memo"));
    for (QWidget* target :
         {static_cast<QWidget*>(window.form.get()), static_cast<QWidget*>(window.Log())}) {
        QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_Y, Qt::ControlModifier);
    }
    QCOMPARE(window.Shown(), (Rows{{"1", "0", "0"}, {"0", "1", "0"}, {"0", "0", "1"}}));
    QCOMPARE(window.StatusPanel(1)->text(), Counts(1, 0));
    QCOMPARE(window.Log()->toPlainText(),
             QStringLiteral("memo"));  // typing allowed, nothing undone
}

void CommandsTest::countBoxesKeepOuterCells() {
    Window window;
    window->show();
    window.Enter({{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}});
    window.Rows()->setFocus();
    QTest::keyClick(window.Rows(), Qt::Key_Down);
    QTest::keyClick(window.Rows(), Qt::Key_Down);
    window.Cols()->stepDown();
    QCOMPARE(window.Shown(), (Rows{{"1", "2"}}));
    window.Action("N4")->trigger();  // zero touches only the shown cells
    window.Rows()->setValue(3);
    window.Cols()->setValue(3);
    QCOMPARE(window.Shown(), (Rows{{"0", "0", "3"}, {"4", "5", "6"}, {"7", "8", "9"}}));
    QCOMPARE(window.StatusPanel(1)->text(), Counts(9 + 1, 0));  // the size changes recorded nothing
    window.Action("Undo1")->trigger();  // back to the state before zero, and its size
    QCOMPARE(window.Shown(), (Rows{{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}}));
}

void CommandsTest::doubleClickEditsTheCellUnderThePointer() {
    Window window;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
    QTableView* view = window.Grid();
    window.dialogs->inputAnswers.push_back("3/6");
    const QRect cell = view->visualRect(view->model()->index(1, 2));
    DoubleClick(view->viewport(), cell.center());
    QCOMPARE(window.Cell(2, 1), QStringLiteral("1/2"));
    QCOMPARE(window.dialogs->inputs.size(), 1u);
    QCOMPARE(window.dialogs->inputs[0].caption, std::string("成分の入力"));
    QCOMPARE(window.dialogs->inputs[0].prompt, std::string("何を入力しますか？"));
    QCOMPARE(window.dialogs->inputs[0].defaultText, std::string("0"));
    QCOMPARE(window.StatusPanel(1)->text(), Counts(1, 0));

    // A double click beyond the cells edits the current cell again.
    DoubleClick(view->viewport(), QPoint(250, 200));
    QCOMPARE(window.dialogs->inputs.size(), 2u);
    QCOMPARE(window.dialogs->inputs[1].defaultText, std::string("1/2"));
}

void CommandsTest::mouseReadout() {
    Window window;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
    QTableView* view = window.Grid();
    const auto over = [&](int row, int col) {
        return view->visualRect(view->model()->index(row, col)).center();
    };
    MoveMouse(view->viewport(), over(0, 0));
    QCOMPARE(window.StatusPanel(0)->text(), QStringLiteral("1,1"));
    MoveMouse(view->viewport(), over(1, 2));
    QCOMPARE(window.StatusPanel(0)->text(), QStringLiteral("2,3"));
    MoveMouse(view->viewport(), QPoint(250, 30));  // right of the cells
    QCOMPARE(window.StatusPanel(0)->text(), QString());
    MoveMouse(view->viewport(), over(2, 0));
    MoveMouse(view->viewport(), QPoint(20, 200));  // below the cells
    QCOMPARE(window.StatusPanel(0)->text(), QString());
}

void CommandsTest::errorShowsBoxAndKeepsGrid() {
    Window window;
    window->show();
    window.Enter(kPlain);
    const QString counts = window.StatusPanel(1)->text();

    ErrorBox seen;
    CloseNextBox(seen);
    window.dialogs->failWith = "テストで起こした失敗";
    window.Action("L1")->trigger();
    QCOMPARE(seen.title, QStringLiteral("Korvane"));
    QCOMPARE(seen.text, QStringLiteral("テストで起こした失敗"));
    QCOMPARE(seen.buttons, 1);
    QCOMPARE(window.Shown(), kPlain);
    QCOMPARE(window.StatusPanel(1)->text(), counts);

    // A file that cannot be written: the box names it, nothing else changes.
    const QString path = QDir::temp().filePath(QStringLiteral("no-such-folder-korvane/x.kvm"));
    window.dialogs->saveAnswers.push_back(path.toStdString());
    CloseNextBox(seen);
    window.Action("S1")->trigger();
    QCOMPARE(seen.text, path + QStringLiteral(" に書き込めません"));
    QCOMPARE(window.StatusPanel(1)->text(), counts);

    // A typed recurrence that cannot be read: the box names the place, the
    // log and the grid stay as they were.
    const QString log = window.Log()->toPlainText();
    window.dialogs->inputAnswers.push_back("a(n+2)=a(n+1)+b(n); a(0)=0; a(1)=1");
    CloseNextBox(seen);
    window.Action("Recurrence1")->trigger();
    QCOMPARE(seen.text, QStringLiteral("15文字目の「b」は数列の名前 a と違います。"));
    QCOMPARE(window.Log()->toPlainText(), log);
    QCOMPARE(window.Shown(), kPlain);
    QCOMPARE(window.StatusPanel(1)->text(), counts);

    window.Action("N4")->trigger();  // and the program goes on
    QCOMPARE(window.Shown(), (Rows{{"0", "0"}, {"0", "0"}}));
}

// A grid in a parameter letter: the commands that take one work on it, the
// others show one sentence naming the letter and leave grid and states be.
void CommandsTest::parameterGoesToItsCommandsOnly() {
    const Rows family = {{"a", "1"}, {"1", "a"}};
    Window window;
    window->show();
    window.Enter(family);
    const QString counts = window.StatusPanel(1)->text();
    const QString sentence = QStringLiteral(
        "文字 a を含む行列を扱えるのは、行列式・階数・連立方程式・逆行列・核・像・固有値の計算"
        "だけです。");
    for (const char* command : {"N12", "CharPoly1", "Eigenvectors1", "Diagonalize1"}) {
        ErrorBox seen;
        CloseNextBox(seen);
        window.Action(command)->trigger();
        QCOMPARE(seen.text, sentence);
        QCOMPARE(window.Shown(), family);
        QCOMPARE(window.StatusPanel(1)->text(), counts);
    }
    window.Action("Eigenvalues1")->trigger();
    QVERIFY(window.Log()->toPlainText().contains(QStringLiteral("λ = a+1（代数的重複度1）")));
    QCOMPARE(window.Shown(), family);
}

void CommandsTest::saveThenOpen() {
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("m.kvm")).toStdString();
    Window window;
    window.Enter({{"1", "1/2"}, {"-3", "2+3i"}});
    window.dialogs->saveAnswers.push_back(path);
    QTest::mouseClick(window.Button("ToolButton18"), Qt::LeftButton);
    QVERIFY(QFile::exists(QString::fromStdString(path)));

    window.Action("N4")->trigger();
    window.Rows()->setValue(1);
    window.dialogs->openAnswers.push_back(path);
    window.Action("O1")->trigger();
    QCOMPARE(window.Shown(), (Rows{{"1", "1/2"}, {"-3", "2+3i"}}));
    QCOMPARE(window.StatusPanel(1)->text(), Counts(6, 0));

    window.dialogs->saveAnswers.push_back(path);  // exists: asks, and no keeps it
    window.dialogs->confirmAnswers.push_back(false);
    window.Action("N4")->trigger();
    window.Action("S1")->trigger();
    QCOMPARE(window.dialogs->confirmations.size(), 1u);
    window.dialogs->openAnswers.push_back(path);
    QTest::mouseClick(window.Button("ToolButton17"), Qt::LeftButton);
    QCOMPARE(window.Shown(), (Rows{{"1", "1/2"}, {"-3", "2+3i"}}));
}

void CommandsTest::logArrivesInOneUpdate() {
    Window window;
    window.Enter(kInvertible);
    window.Log()->setPlainText(QStringLiteral("old"));
    QSignalSpy updates(window.Log(), &QPlainTextEdit::textChanged);
    window.Action("N13")->trigger();
    QCOMPARE(updates.count(), 1);
    QCOMPARE(window.LogLines().size(), 17);
}

// After a long inversion the result is in view, as in a terminal.
void CommandsTest::logShowsItsEnd() {
    Window window;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
    window.Enter(GaussianMatrix());
    for (const char* command : {"N13", "N12"}) {
        window.Action(command)->trigger();
        QScrollBar* bar = window.Log()->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(window.Log()->horizontalScrollBar()->value(), 0);
    }
}

// Sentences wrap at the pane's edge; a matrix row stays one line, and the
// pane scrolls sideways to it. What the pane gives back is the log's text.
void CommandsTest::logPaneWrapsSentencesOnly() {
    Window window;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
    // Long entries whose slashes and signs follow a letter: line breaking
    // would allow a break after them.
    const std::string wide(45, '7');
    const std::string imaginary = "i/" + std::string(40, '3');
    window.Enter({{"1", "2", wide}, {"3", imaginary, "-5+" + imaginary}});
    window.Action("Solve1")->trigger();
    QPlainTextEdit* pane = window.Log();
    const int width = pane->viewport()->width();
    const QString first =
        QStringLiteral("この行列を拡大係数行列 (A | b) として、連立一次方程式 Ax = b を解きます。");
    int sentenceLines = 0;
    for (QTextBlock block = pane->document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (block.text().startsWith(QStringLiteral("\u00A0\u00A0("))) {
            QCOMPARE(layout->lineCount(), 1);
        } else if (block.text() == first) {
            sentenceLines = layout->lineCount();
            for (int line = 0; line < layout->lineCount(); ++line)
                QVERIFY(layout->lineAt(line).naturalTextWidth() <= width);
        }
    }
    QVERIFY(sentenceLines >= 2);
    QVERIFY(pane->horizontalScrollBar()->maximum() > 0);
    QString logText;
    window->StepLogStore().Replay([&logText](std::string_view line) {
        logText += QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())) + '\n';
    });
    QCOMPARE(window.Log()->PlainText() + '\n', logText);
    pane->selectAll();
    pane->copy();
    QCOMPARE(QApplication::clipboard()->text() + '\n', logText);
}

void CommandsTest::augmentedMatricesHaveARule_data() {
    QTest::addColumn<Rows>("matrix");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("severalRhs");
    QTest::addColumn<int>("ruled");       // the log's rows that show a rule
    QTest::addColumn<bool>("gridRuled");  // the grid, which holds the result of an inverse
    const Rows wide = {{"2", "4", "1", "0"}, {"1", "3", "0", "1"}};
    QTest::newRow("inverse: A | I") << kInvertible << "N13" << false << 8 << false;
    QTest::newRow("solve: A | b") << Rows{{"1", "2", "3"}, {"4", "5", "6"}} << "Solve1" << false
                                  << 8 << true;
    QTest::newRow("solve with several: A | B") << wide << "Solve1" << true << 8 << true;
    QTest::newRow("row echelon form: none") << wide << "N14" << false << 0 << false;
    QTest::newRow("practice towards the inverse")
        << kInvertible << "Practice1" << false << 2 << true;
}

// Whether a dark column of pixels runs from top to bottom of the band;
// the glyphs of numbers never do.
bool RuleIn(const QImage& image, int top, int bottom) {
    for (int x = 0; x < image.width(); ++x) {
        int y = top;
        while (y <= bottom && qGray(image.pixel(x, y)) < 128)
            ++y;
        if (y > bottom) return true;
    }
    return false;
}

// The log pane's matrix rows and the grid's cells show the rule as a dark
// column of pixels through their whole height.
void CommandsTest::augmentedMatricesHaveARule() {
    QFETCH(Rows, matrix);
    QFETCH(QString, command);
    QFETCH(bool, severalRhs);
    QFETCH(int, ruled);
    QFETCH(bool, gridRuled);
    Window window;
    window->resize(window->width(), 900);  // every matrix row of the log in view
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
    window.Enter(matrix);
    if (severalRhs) window.Action("SeveralRhs1")->trigger();
    window.dialogs->choiceAnswers.push_back(2);  // the practice's goal: the inverse
    window.Action(qPrintable(command))->trigger();
    QPlainTextEdit* pane = window.Log();
    pane->verticalScrollBar()->setValue(0);
    const QImage shown = pane->viewport()->grab().toImage();
    const qreal scale = shown.devicePixelRatio();
    int found = 0;
    for (QTextBlock block = pane->document()->begin(); block.isValid(); block = block.next()) {
        if (!block.text().startsWith(QStringLiteral("\u00A0\u00A0("))) continue;  // a matrix row
        const QRect line = pane->cursorRect(QTextCursor(block));
        const int bottom = qFloor(line.bottom() * scale) - 1;
        if (bottom >= shown.height()) break;
        if (RuleIn(shown, qCeil(line.top() * scale) + 1, bottom)) ++found;
    }
    QCOMPARE(found, ruled);
    QTableView* grid = window.Grid();
    grid->clearSelection();
    const QImage cells = grid->viewport()->grab().toImage();
    const int rows = grid->model()->rowCount();
    const int top = grid->rowViewportPosition(0) + 1;
    const int bottom = grid->rowViewportPosition(rows - 1) + grid->rowHeight(rows - 1) - 2;
    QCOMPARE(RuleIn(cells, qCeil(top * scale), qFloor(bottom * scale)), gridRuled);
}

}  // namespace korvane::test

QTEST_MAIN(korvane::test::CommandsTest)
#include "CommandsTest.moc"
