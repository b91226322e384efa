// The main window's frame: names, menus, toolbars, layout, count boxes,
// band, fonts, focus order, accessibility, help and the other windows' hooks.
#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "GuiTestKit.h"

namespace korvane::test {

namespace {

// Every menu item: name, menu it sits in, caption, shortcut.
struct MenuRow {
    const char* name;
    const char* menu;
    const char* caption;
    const char* shortcut;
};
const MenuRow kMenuRows[] = {
    {"O1", "File1", "行列を開く(&O)", "Ctrl+O"},
    {"S1", "File1", "行列を保存(&S)", "Ctrl+S"},
    {"NewWorkspace1", "File1", "新しいワークスペース(&N)", ""},
    {"OpenWorkspace1", "File1", "ワークスペースを開く(&W)...", ""},
    {"SaveWorkspace1", "File1", "ワークスペースを保存(&K)...", ""},
    {"Export1", "File1", "途中の計算を保存(&E)...", "Ctrl+Shift+S"},
    {"Print1", "File1", "印刷(&P)...", "Ctrl+P"},
    {"Exit1", "File1", "終了(&Q)", ""},
    {"Undo1", "Edit1", "元に戻す(&U)", "Alt+Backspace"},
    {"Repeat1", "Edit1", "やり直し(&R)", "Shift+Alt+Backspace"},
    {"Copy1", "Edit1", "コピー(&Y)", "Ctrl+C"},
    {"Paste1", "Edit1", "貼り付け(&P)", "Ctrl+V"},
    {"CopyAsLatex1", "CopyAs1", "LaTeX(&L)", ""},
    {"CopyAsMatlab1", "CopyAs1", "MATLAB(&M)", ""},
    {"CopyAsPython1", "CopyAs1", "Python (SymPy)(&P)", ""},
    {"CopyAsMathematica1", "CopyAs1", "Mathematica(&A)", ""},
    {"CopyAsMarkdown1", "CopyAs1", "Markdown の表(&K)", ""},
    {"N3", "Edit1", "単位行列(&I)", ""},
    {"N4", "Edit1", "零行列(&O)", ""},
    {"L1", "Edit1", "定数倍(&L)", ""},
    {"N6", "N5", "右上→左下にコピー(&U)", ""},
    {"N7", "N5", "左下→右上にコピー(&D)", ""},
    {"N9", "N8", "上三角行列(&U)", ""},
    {"N10", "N8", "下三角行列(&D)", ""},
    {"C2", "Edit1", "ツールバーの設定(&C)", ""},
    {"N12", "N11", "転置行列を演算(&T)", ""},
    {"N13", "N11", "逆行列を演算(&I)", ""},
    {"N14", "N11", "行階段標準形を演算(&R)", ""},
    {"N16", "N11", "像を計算(&M)", ""},
    {"C1", "N11", "核を計算(&C)", ""},
    {"D1", "N11", "行列式を計算(&D)", ""},
    {"Solve1", "N11", "連立一次方程式を解く(&S)", ""},
    {"SeveralRhs1", "N11", "右辺を複数にする(&B)", ""},
    {"Rank1", "N11", "階数を計算(&K)", ""},
    {"CharPoly1", "N11", "固有多項式を計算(&P)", ""},
    {"Eigenvalues1", "N11", "固有値を計算(&V)", ""},
    {"Eigenvectors1", "N11", "固有ベクトルを計算(&E)", ""},
    {"Diagonalize1", "N11", "対角化(&G)", ""},
    {"Expansion1", "Methods1", "余因子展開で行列式を計算(&E)...", ""},
    {"Sarrus1", "Methods1", "サラスの方法で行列式を計算(&S)", ""},
    {"IntegerDet1", "Methods1", "整数のまま行列式を計算(&I)", ""},
    {"Adjugate1", "Methods1", "余因子行列と逆行列を計算(&A)", ""},
    {"Cramer1", "Methods1", "クラメルの公式で解く(&C)", ""},
    {"Lu1", "Methods1", "LU 分解(&L)", ""},
    {"Elementary1", "Methods1", "基本行列で表す(&M)", ""},
    {"Inner1", "Orthogonality1", "内積・角・距離を計算(&I)", ""},
    {"Norm1", "Orthogonality1", "ノルムを計算(&N)", ""},
    {"RowVectors1", "Orthogonality1", "行をベクトルとする(&W)", ""},
    {"GramSchmidt1", "Orthogonality1", "グラム・シュミットの直交化(&G)", ""},
    {"Qr1", "Orthogonality1", "QR 分解(&Q)", ""},
    {"Projection1", "Orthogonality1", "正射影(&P)", ""},
    {"Complement1", "Orthogonality1", "直交補空間(&C)", ""},
    {"LeastSquares1", "Orthogonality1", "最小二乗法で解く(&L)", ""},
    {"OrthogonalDiagonalize1", "Orthogonality1", "直交行列で対角化(&O)", ""},
    {"QuadraticForm1", "Orthogonality1", "二次形式の標準形(&F)", ""},
    {"Jordan1", "JordanMenu1", "ジョルダン標準形(&J)", ""},
    {"Power1", "JordanMenu1", "行列の n 乗(&N)", ""},
    {"Exponential1", "JordanMenu1", "行列の指数関数(&X)", ""},
    {"Recurrence1", "JordanMenu1", "線形漸化式の一般項(&R)...", ""},
    {"MinPoly1", "JordanMenu1", "最小多項式(&M)", ""},
    {"Evaluate1", "N11", "式を計算(&X)", "Ctrl+E"},
    {"StoreMatrix1", "Named1", "名前を付けて記憶(&S)...", "Ctrl+M"},
    {"RecallMatrix1", "Named1", "グリッドに呼び出す(&R)", ""},
    {"RenameMatrix1", "Named1", "名前を変更(&N)...", ""},
    {"DeleteMatrix1", "Named1", "削除(&D)", ""},
    {"Practice1", "N11", "練習モード(&L)", ""},
    {"Stop1", "N11", "計算を中止(&A)", "Esc"},
    {"Notation1", "N11", "行基本変形を記号でも書く(&N)", ""},
    {"AdditionWording1", "N11", "負の倍数を引く操作を足し算で書く(&W)", ""},
    {"H2", "H1", "説明書(&H)", "F1"},
    {"About1", "H1", "バージョン情報(&V)", ""},
};

QStringList ActionNames(const QWidget* widget) {
    QStringList names;
    for (const QAction* action : widget->actions()) {
        names << action->objectName();
    }
    return names;
}

QString StripAccessKey(QString caption) {
    return caption.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
}

QString AccessibleName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void menuItems_data();
    void menuItems();
    void menusInOrder();
    void onlyTheListedShortcuts();
    void toolbars_data();
    void toolbars();
    void layoutAtStartSize();
    void splitterKeepsBothSides();
    void countBoxesStepOnly();
    void bandStaysAndOpensDialog();
    void fonts();
    void focusOrder();
    void accessibleNames();
    void helpPage();
    void versionWindowAndActivation();
    void closeEndsEventLoop();
    void exitEndsEventLoop();
    void centredAtFirstShowing();
};

void WindowTest::menuItems_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    for (const MenuRow& row : kMenuRows) {
        QTest::newRow(row.name) << QString::fromUtf8(row.menu) << QString::fromUtf8(row.caption)
                                << QString::fromUtf8(row.shortcut);
    }
}

void WindowTest::menuItems() {
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    Window window;
    QAction* action = window.Action(QTest::currentDataTag());
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), QKeySequence(shortcut));
    auto* parentMenu = window->findChild<QMenu*>(menu);
    QVERIFY(parentMenu);
    QVERIFY(parentMenu->actions().contains(action));
}

void WindowTest::menusInOrder() {
    Window window;
    QCOMPARE(window->menuBar()->objectName(), QStringLiteral("MainMenu1"));
    QCOMPARE(ActionNames(window->menuBar()), QStringList({"File1", "Edit1", "N11", "H1"}));
    const QStringList titles = {"ファイル(&F)", "編集(&E)", "演算(&C)", "ヘルプ(&H)"};
    for (int i = 0; i < titles.size(); ++i) {
        QCOMPARE(window->menuBar()->actions().at(i)->text(), titles.at(i));
    }
    const auto menu = [&](const char* name) {
        return ActionNames(window->findChild<QMenu*>(name));
    };
    QCOMPARE(menu("File1"), QStringList({"O1", "S1", "WorkspaceSeparator1", "NewWorkspace1",
                                         "OpenWorkspace1", "SaveWorkspace1", "ExportSeparator1",
                                         "Export1", "Print1", "N1", "Exit1"}));
    QCOMPARE(menu("Edit1"), QStringList({"Undo1", "Repeat1", "N20", "Copy1", "Paste1", "CopyAs1",
                                         "N2", "N3", "N4", "L1", "N5", "N8", "N17", "C2"}));
    QCOMPARE(menu("N5"), QStringList({"N6", "N7"}));
    QCOMPARE(menu("N8"), QStringList({"N9", "N10"}));
    QCOMPARE(menu("N11"), QStringList({"N12",
                                       "N13",
                                       "N14",
                                       "N15",
                                       "N16",
                                       "C1",
                                       "D1",
                                       "N18",
                                       "Solve1",
                                       "SeveralRhs1",
                                       "Rank1",
                                       "N19",
                                       "CharPoly1",
                                       "Eigenvalues1",
                                       "Eigenvectors1",
                                       "Diagonalize1",
                                       "MethodsSeparator1",
                                       "Methods1",
                                       "Orthogonality1",
                                       "JordanMenu1",
                                       "NamedSeparator1",
                                       "Evaluate1",
                                       "Named1",
                                       "N20",
                                       "Practice1",
                                       "Stop1",
                                       "StyleSeparator1",
                                       "Notation1",
                                       "AdditionWording1"}));
    // The options among the commands: off until the user switches them on.
    for (const char* option : {"SeveralRhs1", "RowVectors1", "Notation1", "AdditionWording1"}) {
        QVERIFY(window.Action(option)->isCheckable());
        QVERIFY(!window.Action(option)->isChecked());
    }
    QCOMPARE(menu("Methods1"), QStringList({"Expansion1", "Sarrus1", "IntegerDet1", "Adjugate1",
                                            "Cramer1", "Lu1", "Elementary1"}));
    QCOMPARE(window.Action("Methods1")->text(), QStringLiteral("ほかの方法(&O)"));
    QCOMPARE(menu("Orthogonality1"),
             QStringList({"Inner1", "Norm1", "RowVectors1", "GramSchmidt1", "Qr1", "Projection1",
                          "Complement1", "LeastSquares1", "OrthogonalDiagonalize1",
                          "QuadraticForm1"}));
    QCOMPARE(window.Action("Orthogonality1")->text(), QStringLiteral("内積と直交(&T)"));
    QCOMPARE(menu("JordanMenu1"),
             QStringList({"Jordan1", "Power1", "Exponential1", "Recurrence1", "MinPoly1"}));
    QCOMPARE(window.Action("JordanMenu1")->text(), QStringLiteral("ジョルダン標準形とその応用(&J)"));
    QCOMPARE(menu("Named1"),
             QStringList({"StoreMatrix1", "RecallMatrix1", "RenameMatrix1", "DeleteMatrix1"}));
    QCOMPARE(window.Action("Named1")->text(), QStringLiteral("名前付きの行列(&Y)"));
    QCOMPARE(menu("H1"), QStringList({"H2", "About1"}));
    QCOMPARE(window.Action("N5")->text(), QStringLiteral("対称行列(&S)"));
    QCOMPARE(window.Action("N8")->text(), QStringLiteral("三角行列(&T)"));
    QCOMPARE(window.Action("CopyAs1")->text(), QStringLiteral("形式を選んでコピー(&F)"));
}

void WindowTest::onlyTheListedShortcuts() {
    Window window;
    QList<QKeySequence> bound;
    for (const QAction* action : window->findChildren<QAction*>()) {
        if (!action->shortcut().isEmpty()) {
            bound << action->shortcut();
        }
    }
    const QList<QKeySequence> expected = {QKeySequence(Qt::CTRL | Qt::Key_O),
                                          QKeySequence(Qt::CTRL | Qt::Key_S),
                                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                                          QKeySequence(Qt::CTRL | Qt::Key_P),
                                          QKeySequence(Qt::CTRL | Qt::Key_C),
                                          QKeySequence(Qt::CTRL | Qt::Key_V),
                                          QKeySequence(Qt::ALT | Qt::Key_Backspace),
                                          QKeySequence(Qt::SHIFT | Qt::ALT | Qt::Key_Backspace),
                                          QKeySequence(Qt::Key_F1),
                                          QKeySequence(Qt::Key_Escape),
                                          QKeySequence(Qt::CTRL | Qt::Key_M),
                                          QKeySequence(Qt::CTRL | Qt::Key_E)};
    QCOMPARE(bound.size(), expected.size());
    for (const QKeySequence& key : expected) {
        QVERIFY2(bound.contains(key), qPrintable(key.toString()));
    }
}

void WindowTest::toolbars_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QStringList>("hints");  // empty for a gap
    QTest::newRow("ToolBar3") << QStringLiteral("システム")
                              << QStringList{"ToolButton17", "ToolButton18", "ToolButton13",
                                             "ToolButton14", "ToolButton15"}
                              << QStringList{
                                     "行列を開く：ファイルに保存されている行列を読み出します。",
                                     "行列を保存：行列をファイルに保存します。", "",
                                     "元に戻す：今の操作を元に戻します。",
                                     "やり直し：元に戻した操作を再び実行します。"};
    QTest::newRow("ToolBar4")
        << QStringLiteral("入力補助")
        << QStringList{"ToolButton10", "ToolButton21", "ToolButton1", "ToolButton11",
                       "ToolButton16", "ToolButton19", "ToolButton20"}
        << QStringList{"単位行列：現在の行列を単位行列に書き換えます。",
                       "零行列：現在の行列を零行列に書き換えます。",
                       "定数倍：現在の行列を定数倍します。",
                       "下三角行列：対角成分より右上の成分を全て0にします。",
                       "上三角行列：対角成分より左下の成分を全て0にします。",
                       "対称行列(左下→右上)"
                       "：対角成分より左下のデータを右上にもコピーして、対称行列を作ります。",
                       "対称行列(右上→左下)"
                       "：対角成分より右上のデータを左下にもコピーして、対称行列を作ります。"};
    QTest::newRow("ToolBar1") << QStringLiteral("演算")
                              << QStringList{"ToolButton2",  "ToolButton3",  "ToolButton4",
                                             "ToolButton5",  "ToolButton7",  "ToolButton8",
                                             "ToolButton6",  "ToolButton22", "ToolButton23",
                                             "ToolButton24", "ToolButton25", "ToolButton26",
                                             "ToolButton27", "ToolButton28", "ToolButton29",
                                             "ToolButton30", "ToolButton31", "ToolButton32",
                                             "ToolButton33", "ToolButton34", "ToolButton35",
                                             "ToolButton36", "ToolButton37", "ToolButton38",
                                             "ToolButton39", "ToolButton40", "ToolButton41",
                                             "ToolButton42", "ToolButton43", "ToolButton44",
                                             "ToolButton45", "ToolButton46", "ToolButton47",
                                             "ToolButton48", "ToolButton49", "ToolButton50",
                                             "ToolButton51", "ToolButton52"}
                              << QStringList{"転置行列：行列の行と列を入れ換えます。",
                                             "逆行列：逆行列を計算します。",
                                             "行階段基本形：行列を行階段基本形にします。",
                                             "",
                                             "像：現在の行列の像を求めます。",
                                             "核：現在の行列の核を求めます。",
                                             "行列式：現在の行列の行列式を計算します。",
                                             "",
                                             "連立一次方程式：最後の列を右辺として、"
                                             "連立一次方程式を解きます。",
                                             "階数：現在の行列の階数と核の次元を求めます。",
                                             "固有多項式：現在の行列の固有多項式を求めます。",
                                             "固有値：固有多項式を因数分解して固有値を求めます。",
                                             "固有ベクトル：固有値ごとに固有空間を求めます。",
                                             "対角化：固有ベクトルを並べて行列を対角化します。",
                                             "",
                                             "練習モード：行基本変形を自分で選んだり手で計算し"
                                             "たりして、一歩ずつ確かめます。",
                                             "",
                                             "余因子展開：選んだ行か列で余因子展開して、"
                                             "行列式を求めます。",
                                             "サラスの方法：2行2列か3行3列の行列式を、"
                                             "対角線に沿った積で求めます。",
                                             "整数のままの行列式：成分をなるべく整数のままに"
                                             "して、行基本変形で行列式を求めます。",
                                             "余因子行列：余因子を並べて余因子行列を作り、"
                                             "逆行列を求めます。",
                                             "クラメルの公式：最後の列を右辺として、行列式の"
                                             "比で連立一次方程式を解きます。",
                                             "LU 分解：行列を、下三角行列と上三角行列の積に"
                                             "分解します。",
                                             "基本行列：行基本変形の一つ一つを基本行列で表し、"
                                             "その積を求めます。",
                                             "内積：列ベクトルどうしの内積、なす角の cos θ "
                                             "と距離を求めます。",
                                             "ノルム：列ベクトルのノルムと、同じ向きの単位"
                                             "ベクトルを求めます。",
                                             "グラム・シュミットの直交化：列ベクトルから直交"
                                             "基底と正規直交基底を作ります。",
                                             "QR 分解：行列を、列が正規直交な行列 Q と上三角"
                                             "行列 R の積に分解します。",
                                             "正射影：最後の列を、残りの列の張る空間へ正射影"
                                             "します。",
                                             "直交補空間：列ベクトルの張る空間の直交補空間の"
                                             "基底を求めます。",
                                             "最小二乗法：最後の列を右辺として、正規方程式で"
                                             "最小二乗解と残差を求めます。",
                                             "直交対角化：対称行列を直交行列（エルミート行列は"
                                             "ユニタリ行列）で対角化します。",
                                             "二次形式：対称行列の二次形式を標準形にし、符号数"
                                             "と正定値かどうかを調べます。",
                                             "ジョルダン標準形：一般固有ベクトルの鎖を並べて、"
                                             "行列をジョルダン標準形にします。",
                                             "行列の n 乗：ジョルダン標準形から、A^n を n の式で"
                                             "表します。",
                                             "行列の指数関数：ジョルダン標準形から、e^(tA) を t "
                                             "の式で表します。",
                                             "線形漸化式：入力した漸化式の一般項を、行列の n 乗"
                                             "から求めます。",
                                             "最小多項式：最小多項式を求め、ケーリー・ハミルトンの"
                                             "定理を確かめます。"};
}

void WindowTest::toolbars() {
    QFETCH(QString, title);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, hints);
    Window window;
    window->show();
    auto* toolbar = window->findChild<QToolBar*>(QTest::currentDataTag());
    QVERIFY(toolbar);
    QCOMPARE(toolbar->windowTitle(), title);  // also the floating window's title
    QVERIFY(toolbar->isMovable());
    QVERIFY(toolbar->isFloatable());
    QCOMPARE(toolbar->parentWidget(), window->ControlBar1());
    QCOMPARE(toolbar->actions().size(), buttons.size());
    QCOMPARE(toolbar->height(), 24);
    // The buttons that fit stand in order from the left; those that do not,
    // the last ones, are behind the toolbar's extension button.
    int left = -1;
    bool overflowed = false;
    for (int i = 0; i < buttons.size(); ++i) {
        QAction* action = toolbar->actions().at(i);
        QWidget* widget = toolbar->widgetForAction(action);
        QCOMPARE(widget->objectName(), buttons.at(i));
        if (widget->isVisible()) {
            QVERIFY(!overflowed);
            QVERIFY(widget->x() > left);
            left = widget->x();
        }
        overflowed = overflowed || !widget->isVisible();
        if (hints.at(i).isEmpty()) {
            QCOMPARE(widget->width(), 8);
            continue;
        }
        auto* button = qobject_cast<QToolButton*>(widget);
        QVERIFY(button);
        QCOMPARE(button->toolTip(), hints.at(i));
        // The button and its menu item are one action.
        const QObjectList users = action->associatedObjects();
        QVERIFY(std::any_of(users.begin(), users.end(),
                            [](QObject* user) { return qobject_cast<QMenu*>(user) != nullptr; }));
        QCOMPARE(button->size(), QSize(23, 22));
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    }
    const auto* more = toolbar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
    QCOMPARE(more != nullptr && more->isVisible(), overflowed);
}

void WindowTest::layoutAtStartSize() {
    Window window;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
    QCOMPARE(window->size(), QSize(TForm1::kClientWidth, TForm1::kClientHeight));
    QCOMPARE(window->windowTitle(), QStringLiteral("Korvane"));

    auto* band = window->ControlBar1();
    QCOMPARE(band->objectName(), QStringLiteral("ControlBar1"));
    QVERIFY(band->height() >= 32);
    const int top = window.form->findChild<QToolBar*>("ToolBar3")->y();
    QVERIFY(window->ToolBar3()->x() < window->ToolBar4()->x());
    QVERIFY(window->ToolBar4()->x() < window->ToolBar1()->x());
    QCOMPARE(window->ToolBar4()->y(), top);
    QCOMPARE(window->ToolBar1()->y(), top);

    auto* left = window->findChild<QWidget*>("Panel4");
    auto* right = window->findChild<QWidget*>("Panel3");
    auto* splitter = window->findChild<QSplitter*>("Splitter1");
    QCOMPARE(left->width(), 289);
    QCOMPARE(splitter->handleWidth(), 8);
    QCOMPARE(right->x() - left->geometry().right() - 1, 8);

    QCOMPARE(window.Rows()->geometry(), QRect(8, 24, 41, 21));
    QCOMPARE(window.Cols()->geometry(), QRect(56, 24, 41, 21));
    QCOMPARE(window->findChild<QLabel*>("Label2")->pos(), QPoint(8, 8));
    QCOMPARE(window->findChild<QLabel*>("Label1")->pos(), QPoint(56, 8));
    QCOMPARE(window->findChild<QLabel*>("Label3")->pos(), QPoint(8, 8));

    const QRect grid = window.Grid()->geometry();
    QCOMPARE(grid.topLeft(), QPoint(8, 56));
    QCOMPARE(left->width() - grid.right() - 1, 8);
    QCOMPARE(left->height() - grid.bottom() - 1, 5);
    const QRect log = window.Log()->geometry();
    QCOMPARE(log.topLeft(), QPoint(8, 40));
    QCOMPARE(right->width() - log.right() - 1, 6);
    QCOMPARE(right->height() - log.bottom() - 1, 5);

    // Resizing the window widens the right side; anchors hold.
    window->resize(900, 600);
    QCOMPARE(left->width(), 289);
    QCOMPARE(right->width() - window.Log()->geometry().right() - 1, 6);
    QCOMPARE(left->height() - window.Grid()->geometry().bottom() - 1, 5);

    QCOMPARE(window->statusBar()->objectName(), QStringLiteral("StatusBar1"));
    QCOMPARE(window->statusBar()->height(), 17);
    QCOMPARE(window.StatusPanel(0)->width(), 50);
    QVERIFY(window.StatusPanel(1)->width() > 300);

    QTableView* view = window.Grid();
    QVERIFY(view->horizontalHeader()->isHidden());
    QVERIFY(view->verticalHeader()->isHidden());
    QCOMPARE(view->columnWidth(0), 64);
    QCOMPARE(view->rowHeight(0), 24);
    // Typing starts an edit in place; a double click opens the input box.
    QCOMPARE(view->editTriggers(),
             QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    QCOMPARE(view->selectionMode(), QAbstractItemView::ContiguousSelection);
    QCOMPARE(view->horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    QCOMPARE(view->toolTip(), QStringLiteral("行列：マスをダブルクリックで編集できます。"));
    QCOMPARE(view->model()->rowCount(), 3);
    QCOMPARE(view->model()->columnCount(), 3);

    QPlainTextEdit* pane = window.Log();
    QCOMPARE(pane->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(pane->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!pane->isReadOnly());
}

void WindowTest::splitterKeepsBothSides() {
    Window window;
    window->show();
    auto* splitter = window->findChild<QSplitter*>("Splitter1");
    QVERIFY(!splitter->childrenCollapsible());
    QCOMPARE(splitter->handle(1)->cursor().shape(), Qt::SizeHorCursor);
    for (int target : {0, 5000}) {
        splitter->setSizes({target, 5000 - target});
        const QList<int> sizes = splitter->sizes();
        QVERIFY2(sizes.at(0) >= 30 && sizes.at(1) >= 30, qPrintable(QString::number(target)));
    }
}

void WindowTest::countBoxesStepOnly() {
    Window window;
    window->show();
    QSpinBox* rows = window.Rows();
    QCOMPARE(rows->minimum(), 1);
    QCOMPARE(rows->maximum(), 10);
    rows->setFocus();
    for (const char* typed : {"7", "a"}) {
        QTest::keyClicks(rows, QString::fromLatin1(typed));
        QCOMPARE(rows->value(), 3);
    }
    QTest::keyClick(rows, Qt::Key_Backspace);
    QTest::keyClick(rows, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(rows->value(), 3);
    QCOMPARE(rows->text(), QStringLiteral("3"));

    QTest::keyClick(rows, Qt::Key_Up);
    QCOMPARE(rows->value(), 4);
    QTest::keyClick(rows, Qt::Key_PageUp);
    QCOMPARE(rows->value(), 5);  // one step, not ten
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(rows, Qt::Key_Up);
    }
    QCOMPARE(rows->value(), 10);
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(rows, Qt::Key_Down);
    }
    QCOMPARE(rows->value(), 1);
    QCOMPARE(window.Grid()->model()->rowCount(), 1);  // the grid follows every step
}

void WindowTest::bandStaysAndOpensDialog() {
    Window window;
    QSignalSpy dialogWanted(window.form.get(), &TForm1::toolbarSettingsRequested);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));

    window.Action("C2")->trigger();
    QCOMPARE(dialogWanted.count(), 1);

    for (QToolBar* toolbar : {window->ToolBar1(), window->ToolBar3(), window->ToolBar4()}) {
        toolbar->hide();
    }
    QApplication::processEvents();
    QWidget* band = window->ControlBar1();
    QCOMPARE(band->height(), 32);
    QTest::mouseDClick(band, Qt::LeftButton, {}, QPoint(200, 10));
    QCOMPARE(dialogWanted.count(), 2);
}

void WindowTest::fonts() {
    Window window;
    const QFontInfo controls(window.Grid()->font());
    QCOMPARE(controls.pixelSize(), 12);
    QCOMPARE(controls.family(), QStringLiteral("IPAPGothic"));
    const QFontInfo log(window.Log()->font());
    QCOMPARE(log.pixelSize(), 13);
    QCOMPARE(log.family(), QStringLiteral("IPAGothic"));
    const QFontMetrics metrics(window.Log()->font());
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("i")),
             metrics.horizontalAdvance(QStringLiteral("W")));
}

void WindowTest::focusOrder() {
    Window window;
    const QStringList expected = {"se_rows",   "se_cols",        "sgmatrix",
                                  "memoutput", "ExpressionLine", "MatrixList"};
    QWidget* widget = window.Rows();
    for (int i = 1; i < expected.size(); ++i) {
        do {
            widget = widget->nextInFocusChain();
        } while (!(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy() != nullptr ||
                 !expected.contains(widget->objectName()));
        QCOMPARE(widget->objectName(), expected.at(i));
    }
    // Tab moves on from the log pane too, typing no tab into it.
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
    window.Log()->setFocus();
    QTest::keyClick(window.Log(), Qt::Key_Tab);
    QVERIFY(!window.Log()->hasFocus());
    QVERIFY(!window.Log()->toPlainText().contains(QLatin1Char('\t')));
}

void WindowTest::accessibleNames() {
    Window window;
    window->show();
    QCOMPARE(AccessibleName(window.Rows()), QStringLiteral("行数"));
    QCOMPARE(AccessibleName(window.Cols()), QStringLiteral("列数"));
    QCOMPARE(AccessibleName(window.Grid()), QStringLiteral("行列"));
    QCOMPARE(AccessibleName(window.Log()), QStringLiteral("途中の計算"));
    QCOMPARE(AccessibleName(window->findChild<QWidget*>("ExpressionLine")), QStringLiteral("式"));
    QCOMPARE(AccessibleName(window->findChild<QWidget*>("MatrixList")),
             QStringLiteral("名前付きの行列"));
    // The status panels are heard with what they show, each word once.
    QVERIFY(AccessibleName(window.StatusPanel(0)).startsWith(QStringLiteral("マウスの下のマス")));
    window.Action("N4")->trigger();
    QVERIFY(AccessibleName(window.StatusPanel(1)).endsWith(window.StatusPanel(1)->text()));
    QVERIFY(window.StatusPanel(1)->text().contains(QStringLiteral("元に戻せる回数：1")));
    QCOMPARE(AccessibleName(window.StatusPanel(1)).count(QStringLiteral("元に戻せる回数")), 1);
    for (QToolButton* button : window->ControlBar1()->findChildren<QToolButton*>()) {
        if (!button->objectName().startsWith(QStringLiteral("ToolButton"))) {
            continue;  // the toolbars' own extension buttons
        }
        QCOMPARE(AccessibleName(button), button->toolTip());
    }
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(window.Grid());
    QAccessibleTableInterface* table = grid->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->cellAt(1, 2)->text(QAccessible::Name), QStringLiteral("0"));
}

void WindowTest::helpPage() {
    Window window;
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
    QTest::keyClick(window.form.get(), Qt::Key_F1);
    auto* help = window->findChild<QTextBrowser*>("HelpViewer");
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->source(), QUrl(QStringLiteral("qrc:/help/kvgui.html")));
    // Over or beside the main window, wide enough that nothing scrolls sideways.
    QVERIFY(QTest::qWaitForWindowExposed(help));
    const QRect main = window->frameGeometry(), shown = help->frameGeometry();
    QCOMPARE(shown.top(), main.top());
    QVERIFY(shown.left() == main.left() || shown.left() == main.right() + 1);
    QVERIFY(help->screen()->availableGeometry().contains(shown));
    QTRY_COMPARE(help->horizontalScrollBar()->maximum(), 0);
    const QString page = help->toPlainText();
    for (const MenuRow& row : kMenuRows) {
        QVERIFY2(page.contains(StripAccessKey(QString::fromUtf8(row.caption))), row.caption);
    }
    for (const char* topic : {"1/2+3i/4", "kvm", "r0c0", "Alt+Backspace", "F1"}) {
        QVERIFY2(page.contains(QString::fromUtf8(topic)), topic);
    }
    // Every link inside the page leads to an anchor of the page.
    const QString html = help->toHtml();
    QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    int links = 0;
    for (const QRegularExpressionMatch& match : link.globalMatch(html)) {
        ++links;
        QVERIFY2(html.contains(QStringLiteral("name=\"%1\"").arg(match.captured(1))),
                 qPrintable(match.captured(1)));
    }
    QVERIFY(links >= 5);
}

void WindowTest::versionWindowAndActivation() {
    Window window;
    QSignalSpy versionWanted(window.form.get(), &TForm1::versionWindowRequested);
    QSignalSpy activated(window.form.get(), &TForm1::activated);
    window->show();
    window.Action("About1")->trigger();
    QCOMPARE(versionWanted.count(), 1);
    window->FormActivate();
    QCOMPARE(activated.count(), 1);
}

void WindowTest::closeEndsEventLoop() {
    Window window;
    window->show();
    QTimer::singleShot(0, window.form.get(), [&] { window->close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });  // a hang fails, not blocks
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!window->isVisible());
}

void WindowTest::exitEndsEventLoop() {
    Window window;
    window->show();
    QTimer::singleShot(0, window.form.get(), [&] { window.Action("Exit1")->trigger(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

void WindowTest::centredAtFirstShowing() {
    Window window;
    window->show();
    const QPoint centre = window->screen()->availableGeometry().center();
    QVERIFY((window->frameGeometry().center() - centre).manhattanLength() <= 2);
    window->move(10, 10);
    window->hide();
    window->show();
    QCOMPARE(window->pos(), QPoint(10, 10));
}

}  // namespace korvane::test

QTEST_MAIN(korvane::test::WindowTest)
#include "WindowTest.moc"
