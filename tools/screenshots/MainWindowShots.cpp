// Saves PNGs of the main window into $KORVANE_SCREENSHOT_DIR (default
// "screenshots"): at start, after a 2 × 2 inverse, after a 10 × 10 inverse
// of Gaussian integers, during a long inverse and after stopping it, while
// typing into a cell and after pasting a spreadsheet's cells and a LaTeX
// matrix, in the practice mode (a wrong step explained, a finished
// exercise), with long sentences wrapped in the log pane, with named
// matrices and an expression's working, and with logs split by cases of a
// parameter, for a look without a desktop.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QTextBlock>
#include <QTextDocument>
#include <QTest>
#include <QToolTip>
#include <cstdio>

#include "GuiTestKit.h"
#include "main/WindowFonts.h"

namespace {

bool Save(QWidget& widget, const QDir& dir, const QString& name) {
    QTest::qWait(50);
    const QString path = dir.filePath(name);
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    return saved;
}

// A 3 × 3 inverse practised: the first step from the panel, the second
// typed by hand with the right half forgotten, then mended, then the rest
// by hints.
bool PracticeShots(const QDir& dir) {
    korvane::test::Window window;
    window->ShowAndRaise();
    window->resize(1000, 700);
    window->findChild<QSplitter*>(QStringLiteral("Splitter1"))->setSizes({440, 552});
    window.Enter({{"2", "4", "2"}, {"1", "3", "2"}, {"1", "1", "2"}});
    window.dialogs->choiceAnswers.push_back(2);  // 逆行列
    window.Action("Practice1")->trigger();
    const auto button = [&](const char* name) {
        return window->findChild<QPushButton*>(QString::fromLatin1(name));
    };
    window->findChild<QLineEdit*>(QStringLiteral("PracticeScaleFactor"))
        ->setText(QStringLiteral("1/2"));
    button("PracticeScale")->click();
    bool ok = Save(*window, dir, QStringLiteral("13-practice-step.png"));

    const auto typeRow = [&](const QStringList& texts) {
        for (int col = 0; col < texts.size(); ++col) {
            window.Grid()->setCurrentIndex(window.Grid()->model()->index(1, col));
            window.dialogs->inputAnswers.push_back(texts[col].toStdString());
            window->sgmatrixDblClick();
        }
    };
    typeRow({"0", "1", "1", "0", "1", "0"});  // 2行目から1行目を引いた, left half only
    button("PracticeCheck")->click();
    window.Grid()->clearSelection();
    ok = Save(*window, dir, QStringLiteral("14-practice-wrong-step.png")) && ok;

    typeRow({"0", "1", "1", "-1/2", "1", "0"});
    button("PracticeCheck")->click();
    for (int step = 0; step < 20 && !window->Practice()->Progress().goalReached; ++step) {
        button("PracticeHint")->click();
        QApplication::focusWidget()->metaObject()->invokeMethod(QApplication::focusWidget(),
                                                                "click");
    }
    window.Log()->verticalScrollBar()->setValue(window.Log()->verticalScrollBar()->maximum());
    return Save(*window, dir, QStringLiteral("15-practice-finished.png")) && ok;
}

// At the start size: a system with a long entry solved, its sentences
// wrapped in the pane and its rows behind the rule scrolling sideways.
bool WrappedLogShot(const QDir& dir) {
    korvane::test::Window window;
    window->ShowAndRaise();
    window.Enter({{"1", "2", "123456789012345678901234567890/7"}, {"3", "4", "5"}});
    window->Solve1Click();
    window.Log()->verticalScrollBar()->setValue(0);
    return Save(*window, dir, QStringLiteral("16-wrapped-log.png"));
}

// A matrix with a parameter letter: its cells as typed, its eigenvalues
// from the factors over Q(a), and a command that takes numbers only.
bool ParameterShots(const QDir& dir) {
    korvane::test::Window window;
    window->ShowAndRaise();
    window.Enter({{"a", "1", "0"}, {"1", "a", "0"}, {"0", "0", "2a/3"}});
    window->Eigenvalues1Click();
    bool ok = Save(*window, dir, QStringLiteral("21-parameter-eigenvalues.png"));
    // The refusal's box, pictured and then closed.
    korvane::test::WhenModalShows([&dir, &ok](QWidget* box) {
        ok = Save(*box, dir, QStringLiteral("22-parameter-refused.png")) && ok;
        box->close();
    });
    window->CharPoly1Click();
    return ok;
}

// Logs split by cases of a parameter: a rank by cases and its closing
// summary, and a system whose quadratic pivot a^2 - 2 is followed at √2.
bool CaseSplitShots(const QDir& dir) {
    korvane::test::Window window;
    window->ShowAndRaise();
    window.Enter({{"1", "1", "a"}, {"1", "a", "1"}, {"a", "1", "1"}});
    window->Rank1Click();
    QScrollBar* scroll = window.Log()->verticalScrollBar();
    scroll->setValue(scroll->maximum());
    bool ok = Save(*window, dir, QStringLiteral("23-parameter-rank-end.png"));
    window.Enter({{"1", "a", "1"}, {"a", "2", "1"}});
    window->Solve1Click();
    scroll->setValue(scroll->maximum());
    ok = Save(*window, dir, QStringLiteral("24-parameter-solve-end.png")) && ok;
    // Wider, from the case at √2 on.
    window->resize(1000, 700);
    const QTextBlock heading =
        window.Log()->document()->find(QStringLiteral("［a = √2 のとき］")).block();
    scroll->setValue(heading.blockNumber());
    return Save(*window, dir, QStringLiteral("25-parameter-solve-surd-wide.png")) && ok;
}

}  // namespace

// Three named matrices beside the grid, one's cells shown on hover, and an
// expression's working in the log: at the start size and wider.
bool WorkspaceShots(const QDir& dir) {
    korvane::test::Window window;
    window->ShowAndRaise();
    const auto store = [&](const korvane::test::Rows& rows, std::size_t name) {
        window.Enter(rows);
        window.dialogs->choiceAnswers.push_back(name);  // the name's place among the free ones
        window.Action("StoreMatrix1")->trigger();
    };
    store({{"1", "2", "0"}, {"3", "4", "1/2"}}, 0);  // A
    store({{"5", "6"}, {"7", "8"}, {"i", "-1"}}, 0);  // B
    store({{"1", "0"}, {"2", "1"}}, 0);  // C
    auto* line = window->findChild<QLineEdit*>(QStringLiteral("ExpressionLine"));
    line->setFocus();
    QTest::keyClicks(line, QStringLiteral("A B - 2C"));
    QTest::keyClick(line, Qt::Key_Return);
    window.WaitIdle();
    bool ok = Save(*window, dir, QStringLiteral("17-named-matrices.png"));

    auto* list = window->findChild<QListWidget*>(QStringLiteral("MatrixList"));
    list->setCurrentRow(1);
    const QRect item = list->visualItemRect(list->item(1));
    QToolTip::showText(list->viewport()->mapToGlobal(item.center()), list->item(1)->toolTip(),
                       list);
    QTest::qWait(300);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->inherits("QTipLabel") && top->isVisible())
            ok = Save(*top, dir, QStringLiteral("18-named-matrix-preview.png")) && ok;
    }
    QToolTip::hideText();

    window->resize(1100, 760);
    window->findChild<QSplitter*>(QStringLiteral("Splitter1"))->setSizes({360, 560});
    window.Log()->verticalScrollBar()->setValue(0);
    ok = Save(*window, dir, QStringLiteral("19-expression-working.png")) && ok;
    line->setText(QStringLiteral("A^T X = B"));
    QTest::keyClick(line, Qt::Key_Return);
    window.WaitIdle();
    window.Log()->verticalScrollBar()->setValue(window.Log()->verticalScrollBar()->maximum());
    return Save(*window, dir, QStringLiteral("20-matrix-equation.png")) && ok;
}

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    QApplication::setFont(korvane::ControlsFont());
    const QString dirName =
        qEnvironmentVariable("KORVANE_SCREENSHOT_DIR", QStringLiteral("screenshots"));
    QDir dir;
    if (!dir.mkpath(dirName)) {
        return 1;
    }
    dir.setPath(dirName);

    korvane::test::Window window;
    window->ShowAndRaise();
    bool ok = Save(*window, dir, QStringLiteral("1-start.png"));

    window.Enter({{"2", "4"}, {"1", "3"}});
    window->N13Click();
    ok = Save(*window, dir, QStringLiteral("2-inverse-2x2.png")) && ok;

    window.Enter(korvane::test::GaussianMatrix());
    window->N13Click();
    ok = Save(*window, dir, QStringLiteral("3-inverse-10x10.png")) && ok;
    window.Log()->verticalScrollBar()->setValue(window.Log()->verticalScrollBar()->maximum());
    ok = Save(*window, dir, QStringLiteral("4-inverse-10x10-end.png")) && ok;

    window->resize(1000, 700);
    ok = Save(*window, dir, QStringLiteral("5-wide.png")) && ok;

    // A computation of seconds, while it runs and once stopped.
    korvane::test::Rows big(10);
    unsigned long long state = 7;
    for (auto& row : big) {
        for (int c = 0; c < 10; ++c) {
            std::string text;
            for (int i = 0; i < 61; ++i) {
                state = state * 6364136223846793005ULL + 1442695040888963407ULL;
                text += i == 30 ? '/' : static_cast<char>('1' + (state >> 33) % 9);
            }
            row.push_back(text + "+i");
        }
    }
    window.Enter(big);
    window->N13Click();
    QTest::qWait(1500);
    ok = Save(*window.form, dir, QStringLiteral("6-computing.png")) && ok;
    window.form->Stop1Click();
    ok = Save(*window, dir, QStringLiteral("7-stopped.png")) && ok;

    // Typing into the grid and pasting into it, in a window of its own.
    korvane::test::Window typing;
    typing->ShowAndRaise();
    if (!QTest::qWaitForWindowActive(typing.form.get())) std::printf("not active\n");
    QWidget* grid = typing.Grid();
    grid->setFocus();
    typing.Grid()->setCurrentIndex(typing.Grid()->model()->index(0, 0));
    // Each key goes where the focus is then, as a keyboard's would.
    for (const QChar key : QStringLiteral("1/2\t-3\t2+i\n0.25\t2x")) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : grid;
        if (key == QLatin1Char('\t') || key == QLatin1Char('\n')) {
            QTest::keyClick(target, key == QLatin1Char('\t') ? Qt::Key_Tab : Qt::Key_Return);
        } else {
            QTest::keyClicks(target, QString(key));
        }
    }
    ok = Save(*typing, dir, QStringLiteral("9-typing.png")) && ok;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ok = Save(*typing, dir, QStringLiteral("10-typed-2x.png")) && ok;

    typing.Grid()->setCurrentIndex(typing.Grid()->model()->index(0, 0));
    QApplication::clipboard()->setText(
        QStringLiteral("1\t\t-1/2\n2+3i\t0.5\t4\n5\t6\t\n7\t8\t9\n"));
    typing->Paste1Click();
    ok = Save(*typing, dir, QStringLiteral("11-pasted-spreadsheet.png")) && ok;
    typing->N4Click();
    typing.Grid()->setCurrentIndex(typing.Grid()->model()->index(1, 1));
    QApplication::clipboard()->setText(QStringLiteral(
        "\\begin{bmatrix}\n  \\frac{1}{2} & -i \\\\\n  3 & \\dfrac{2}{3}+\\mathrm{i}\n"
        "\\end{bmatrix}"));
    typing->Paste1Click();
    ok = Save(*typing, dir, QStringLiteral("12-pasted-latex.png")) && ok;

    ok = PracticeShots(dir) && ok;
    ok = WrappedLogShot(dir) && ok;
    ok = WorkspaceShots(dir) && ok;
    ok = ParameterShots(dir) && ok;
    ok = CaseSplitShots(dir) && ok;

    window->H2Click();
    if (QWidget* help = window->findChild<QWidget*>(QStringLiteral("HelpViewer"))) {
        ok = Save(*help, dir, QStringLiteral("8-help.png")) && ok;
    }
    return ok ? 0 : 1;
}
