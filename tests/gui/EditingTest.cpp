// Editing the grid from the keyboard and the clipboard, and opening a matrix
// file by dropping it: what lands in the cells, how many states are recorded
// and where the current cell is.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <algorithm>

#include "GuiTestKit.h"

Q_DECLARE_METATYPE(korvane::test::Rows)

namespace korvane::test {

namespace {

QString Counts(int undo, int redo) {
    return QStringLiteral("元に戻せる回数：%1　やり直せる回数：%2").arg(undo).arg(redo);
}

// Types a script into the grid: '>' Tab, '<' Shift+Tab, '|' Enter,
// '^' Shift+Enter, '~' Esc, '#' F2, '!' Delete, '+' Shift+Right; other
// characters as they are.
void Type(QWidget* widget, const QString& script) {
    for (const QChar c : script) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : widget;
        switch (c.unicode()) {
            case '>':
                QTest::keyClick(target, Qt::Key_Tab);
                break;
            case '<':
                QTest::keyClick(target, Qt::Key_Backtab, Qt::ShiftModifier);
                break;
            case '|':
                QTest::keyClick(target, Qt::Key_Return);
                break;
            case '^':
                QTest::keyClick(target, Qt::Key_Return, Qt::ShiftModifier);
                break;
            case '~':
                QTest::keyClick(target, Qt::Key_Escape);
                break;
            case '#':
                QTest::keyClick(target, Qt::Key_F2);
                break;
            case '!':
                QTest::keyClick(target, Qt::Key_Delete);
                break;
            case '+':
                QTest::keyClick(target, Qt::Key_Right, Qt::ShiftModifier);
                break;
            default:
                QTest::keyClicks(target, QString(c));
        }
    }
}

// A window shown and active, its grid focused with cell (col, row) current.
void Focus(const Window& window, int col, int row) {
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
    window.Grid()->setFocus();
    window.Grid()->setCurrentIndex(window.Grid()->model()->index(row, col));
}

QPoint Current(const Window& window) {
    const QModelIndex current = window.Grid()->currentIndex();
    return {current.column(), current.row()};
}

QString ErrorAfter(const std::function<void()>& act) {
    QString text;
    WhenModalShows([&text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("Korvane"));
        text = box->text();
        box->buttons().constFirst()->click();
    });
    act();
    return text;
}

const Rows kZero3 = {{"0", "0", "0"}, {"0", "0", "0"}, {"0", "0", "0"}};

}  // namespace

class EditingTest : public QObject {
    Q_OBJECT

  private slots:
    void typing_data();
    void typing();
    void untouchedEditChangesNothing_data();
    void untouchedEditChangesNothing();
    void inputMethodTextStartsAnEdit();
    void focusedCellIsAnnounced();
    void paste_data();
    void paste();
    void refusedPasteChangesNothing_data();
    void refusedPasteChangesNothing();
    void copy();
    void dropOpensTheFile();
};

void EditingTest::typing_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("script");  // typed from cell (0, 0)
    QTest::addColumn<Rows>("shown");
    QTest::addColumn<int>("recorded");
    QTest::addColumn<QPoint>("current");  // (col, row)
    QTest::addColumn<QString>("note");    // the status bar's note; empty: none

    QTest::newRow("Enter down, Tab right")
        << 3 << "1/2|3>" << Rows{{"1/2", "0", "0"}, {"3", "0", "0"}, {"0", "0", "0"}} << 2
        << QPoint(1, 1) << "";
    QTest::newRow("rows one after another")
        << 2 << "1>-2|3i>4/8|" << Rows{{"1", "-2"}, {"3i", "1/2"}} << 4 << QPoint(0, 1) << "";
    QTest::newRow("Shift+Tab left, Shift+Enter up")
        << 2 << "1>7<8^9|" << Rows{{"9", "7"}, {"0", "0"}} << 4 << QPoint(0, 1) << "";
    QTest::newRow("Esc cancels") << 3 << "5~" << kZero3 << 0 << QPoint(0, 0) << "";
    QTest::newRow("unchanged commit records nothing")
        << 3 << "0|0.0>" << kZero3 << 0 << QPoint(1, 1) << "";
    QTest::newRow("F2 and Enter select the text")
        << 2 << "5|#7^|8|" << Rows{{"8", "0"}, {"7", "0"}} << 3 << QPoint(0, 1) << "";
    QTest::newRow("the grid never grows")
        << 2 << "1>2>3|4|5|" << Rows{{"1", "3"}, {"5", "0"}} << 5 << QPoint(0, 1) << "";
    QTest::newRow("a misread text is told") << 2 << "2%|" << Rows{{"2", "0"}, {"0", "0"}} << 1
                                            << QPoint(0, 1) << "「2%」を 2 と読みました";
    QTest::newRow("a parameter stays as typed, its letter told")
        << 2 << "1-a|" << Rows{{"1-a", "0"}, {"0", "0"}} << 1 << QPoint(0, 1)
        << "「1-a」の a をパラメータとして読みました";
    QTest::newRow("Delete clears the selection in one state")
        << 2 << "1>2|3>4|+!" << Rows{{"1", "2"}, {"0", "0"}} << 5 << QPoint(1, 1) << "";
}

void EditingTest::typing() {
    QFETCH(int, size);
    QFETCH(QString, script);
    QFETCH(Rows, shown);
    QFETCH(int, recorded);
    QFETCH(QPoint, current);
    QFETCH(QString, note);
    Window window;
    window.Rows()->setValue(size);
    window.Cols()->setValue(size);
    Focus(window, 0, 0);
    Type(window.Grid(), script);
    QCOMPARE(window.Shown(), shown);
    QCOMPARE(window.StatusPanel(1)->text(), Counts(recorded, 0));
    QCOMPARE(Current(window), current);
    auto* reading = window->findChild<QLabel*>(QStringLiteral("ReadingNote"));
    QCOMPARE(reading->isVisible() ? reading->text() : QString(), note);
}

void EditingTest::untouchedEditChangesNothing_data() {
    QTest::addColumn<QString>("before");  // cell (0, 0), as a matrix file holds it
    QTest::addColumn<QString>("script");  // typed on it; "box": the input box's OK
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("recorded");
    const QString longCell(300, QLatin1Char('7'));
    QTest::newRow("F2 and Enter keep a long cell whole") << longCell << "#|" << longCell << 0;
    QTest::newRow("F2 and Esc") << longCell << "#~" << longCell << 0;
    QTest::newRow("the box's OK, untouched") << longCell << "box" << longCell << 0;
    QTest::newRow("a file's text stays as it stands") << "3/6"
                                                      << "#|"
                                                      << "3/6" << 0;
    QTest::newRow("the box keeps a file's text") << "3/6"
                                                 << "box"
                                                 << "3/6" << 0;
    QTest::newRow("the same text typed again") << "3/6"
                                               << "3/6|"
                                               << "3/6" << 0;
    QTest::newRow("the same value typed otherwise") << "3/6"
                                                    << "2/4|"
                                                    << "1/2" << 1;
}

void EditingTest::untouchedEditChangesNothing() {
    QFETCH(QString, before);
    QFETCH(QString, script);
    QFETCH(QString, after);
    QFETCH(int, recorded);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("m.kvm"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[size]\nrows=2\ncols=2\n[matrix]\nr0c0=" + before.toUtf8() + "\n");
    file.close();
    Window window;
    window->OpenMatrixFile(path);
    Focus(window, 0, 0);
    if (script == QStringLiteral("box")) {
        window.dialogs->inputAnswers.push_back(before.toStdString());
        window->sgmatrixDblClick();
    } else {
        Type(window.Grid(), script);
    }
    QCOMPARE(window.Cell(0, 0), after);
    QCOMPARE(window.StatusPanel(1)->text(), Counts(1 + recorded, 0));
}

void EditingTest::inputMethodTextStartsAnEdit() {
    Window window;
    Focus(window, 1, 0);
    QVERIFY(window.Grid()->testAttribute(Qt::WA_InputMethodEnabled));
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("３／４"));
    QApplication::sendEvent(window.Grid(), &composed);
    auto* editor = window.Grid()->findChild<QLineEdit*>(QStringLiteral("CellEditor"));
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("３／４"));
    Type(editor, "|");
    QCOMPARE(window.Cell(1, 0), QStringLiteral("3/4"));
    QCOMPARE(window.StatusPanel(1)->text(), Counts(1, 0));
}

// What a screen reader is told: the table's focused cell with its text, and
// the editor named after its cell. (The offscreen platform sends no
// accessibility events, so the interfaces are asked.)
void EditingTest::focusedCellIsAnnounced() {
    Window window;
    Focus(window, 0, 0);
    Type(window.Grid(), "1/2");
    QAccessibleInterface* editor =
        QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    QCOMPARE(editor->text(QAccessible::Name), QStringLiteral("1行1列の成分"));
    Type(window.Grid(), ">");
    QTest::keyClick(window.Grid(), Qt::Key_Left);
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(window.Grid());
    QAccessibleInterface* focused = grid->focusChild();
    QVERIFY(focused);
    QVERIFY(focused->state().focused);
    QCOMPARE(focused->text(QAccessible::Name), QStringLiteral("1/2"));
    QCOMPARE(focused->tableCellInterface()->columnIndex(), 0);
    QCOMPARE(grid->tableInterface()->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("1/2"));
}

void EditingTest::paste_data() {
    QTest::addColumn<Rows>("before");  // entered first; none: a fresh 3 × 3
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QPoint>("at");  // the current cell; (-1, -1): the whole grid selected
    QTest::addColumn<Rows>("shown");
    QTest::addColumn<QString>("note");
    const Rows typedBelow = {{"0", "0", "0"}, {"0", "0", "0"}, {"7", "8", "9"}};
    QTest::newRow("spreadsheet block with an empty cell grows the grid")
        << Rows{} << "1\t\t-1/2\n2+3i\t0.5\t4\n5\t6\t7\n8\t9\t10\n"
        << QPoint(0, 0)
        << Rows{{"1", "0", "-1/2"}, {"2+3i", "1/2", "4"}, {"5", "6", "7"}, {"8", "9", "10"}}
        << "表計算の表（4行3列）を貼り付けました";
    QTest::newRow("LaTeX bmatrix at the current cell")
        << Rows{} << "\\begin{bmatrix} \\frac{1}{2} & -i \\\\ 3 & \\dfrac{2}{3}+i \\end{bmatrix}"
        << QPoint(2, 1)
        << Rows{{"0", "0", "0", "0"}, {"0", "0", "1/2", "-i"}, {"0", "0", "3", "2/3+i"}}
        << "LaTeX の行列（2行2列）を2行3列目から貼り付けました。行列は3行4列で、"
           "貼り付けた範囲の外のマスは元のままです";
    QTest::newRow("a fresh grid takes the block's size")
        << Rows{} << "1\t2\t3\n4\t5\t6\n"
        << QPoint(0, 0) << Rows{{"1", "2", "3"}, {"4", "5", "6"}}
        << "表計算の表（2行3列）を貼り付けました";
    QTest::newRow("a typed row keeps the size and is named")
        << typedBelow << "1\t2\t3\n4\t5\t6\n"
        << QPoint(0, 0) << Rows{{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}}
        << "表計算の表（2行3列）を1行1列目から貼り付けました。行列は3行3列で、3行目は元のままです";
    QTest::newRow("the whole grid selected takes the block's size")
        << typedBelow << "1\t2\t3\n4\t5\t6\n"
        << QPoint(-1, -1) << Rows{{"1", "2", "3"}, {"4", "5", "6"}}
        << "表計算の表（2行3列）を貼り付けました";
}

void EditingTest::paste() {
    QFETCH(Rows, before);
    QFETCH(QString, clipboard);
    QFETCH(QPoint, at);
    QFETCH(Rows, shown);
    QFETCH(QString, note);
    Window window;
    int entered = 0;
    if (!before.empty()) {
        window.Enter(before);
        for (const auto& row : before)
            entered += static_cast<int>(std::count_if(
                row.begin(), row.end(), [](const auto& cell) { return cell != "0"; }));
    }
    Focus(window, std::max(at.x(), 0), std::max(at.y(), 0));
    if (at.x() < 0) window.Grid()->selectAll();
    QApplication::clipboard()->setText(clipboard);
    QTest::keyClick(window.Grid(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(window.Shown(), shown);
    QCOMPARE(window.StatusPanel(1)->text(), Counts(entered + 1, 0));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("ReadingNote"))->text(), note);
    window.Action("Undo1")->trigger();
    QCOMPARE(window.Shown(), before.empty() ? kZero3 : before);
}

void EditingTest::refusedPasteChangesNothing_data() {
    QTest::addColumn<QString>("clipboard");  // empty: an image
    QTest::addColumn<QString>("message");
    QTest::newRow("an image")
        << ""
        << "クリップボードにあるのは画像です。行列は文字として貼り付けてください。";
    QTest::newRow("past 10 x 10")
        << "1 2 3\n4 5 6\n"
        << "2行3列の行列は、2行9列から貼り付けると10行10列に収まりません。";
    QTest::newRow("ragged") << "1\t2\n3\n"
                            << "2行目のセルが1個で、1行目の2個と揃っていません。";
}

void EditingTest::refusedPasteChangesNothing() {
    QFETCH(QString, clipboard);
    QFETCH(QString, message);
    Window window;
    window.Cols()->setValue(10);
    Focus(window, 8, 1);
    if (clipboard.isEmpty()) {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        QApplication::clipboard()->setImage(image);
    } else {
        QApplication::clipboard()->setText(clipboard);
    }
    const Rows before = window.Shown();
    QCOMPARE(ErrorAfter([&] { window.Action("Paste1")->trigger(); }), message);
    QCOMPARE(window.Shown(), before);
    QCOMPARE(window.StatusPanel(1)->text(), Counts(0, 0));
}

void EditingTest::copy() {
    Window window;
    window.Enter({{"1", "1/2", "3"}, {"2+3i", "5", "-6"}});
    QTableView* grid = window.Grid();
    QClipboard* clipboard = QApplication::clipboard();
    const QString counts = window.StatusPanel(1)->text();
    grid->clearSelection();
    window.Action("Copy1")->trigger();
    QCOMPARE(clipboard->text(), QStringLiteral("1\t1/2\t3\n2+3i\t5\t-6\n"));
    grid->selectionModel()->select(
        QItemSelection(grid->model()->index(0, 1), grid->model()->index(1, 2)),
        QItemSelectionModel::ClearAndSelect);
    window.Action("Copy1")->trigger();
    QCOMPARE(clipboard->text(), QStringLiteral("1/2\t3\n5\t-6\n"));
    window.Action("CopyAsPython1")->trigger();
    QVERIFY2(clipboard->text().startsWith(QStringLiteral("Matrix([[1, Rational(1, 2), 3]")),
             qPrintable(clipboard->text()));
    window.Action("CopyAsLatex1")->trigger();
    QVERIFY(clipboard->text().startsWith(QStringLiteral("\\begin{pmatrix}")));
    QCOMPARE(window.StatusPanel(1)->text(), counts);
    // What was copied pastes back as it was.
    window.Action("N4")->trigger();
    window.Grid()->setCurrentIndex(grid->model()->index(0, 0));
    window.Action("Paste1")->trigger();
    QCOMPARE(window.Shown(), (Rows{{"1", "1/2", "3"}, {"2+3i", "5", "-6"}}));
    // In the log pane the command copies the text selected there.
    window.Log()->setPlainText(QStringLiteral("よって、行列式は、2です。"));
    window.Log()->selectAll();
    window.Log()->setFocus();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
    QTest::keyClick(window.Log(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("よって、行列式は、2です。"));
}

void EditingTest::dropOpensTheFile() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("m.kvm"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[size]\nrows=2\ncols=1\n[matrix]\nr0c0=1/2\nr1c0=-i\n");
    file.close();
    Window window;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint at = window.Grid()->mapTo(window.form.get(), QPoint(10, 10));
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(window.form.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(window.form.get(), &drop);
    QCOMPARE(window.Shown(), (Rows{{"1/2"}, {"-i"}}));
    QCOMPARE(window.StatusPanel(1)->text(), Counts(1, 0));
    // Another kind of file is not taken.
    data.setUrls({QUrl::fromLocalFile(folder.filePath(QStringLiteral("m.txt")))});
    QDragEnterEvent other(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(window.form.get(), &other);
    QVERIFY(!other.isAccepted());
}

}  // namespace korvane::test

QTEST_MAIN(korvane::test::EditingTest)
#include "EditingTest.moc"
