// The command table: every command once, with its name, menu caption,
// shortcut, picture and toolbar hint; then the menus and the three toolbars,
// which place the commands' shared actions by name.
#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <span>

#include "main/ControlBand.h"
#include "main/FloatingToolbarFrame.h"
#include "main/TForm1.h"

namespace korvane {

namespace {

using Handler = void (TForm1::*)();

// One command: one QAction, shared by its menu item and its toolbar button.
// The menu shows the caption; the button shows the picture with the hint
// (nullptr for a command without a button) as its tool tip.
struct Command {
    const char* name;
    const char* caption;
    QKeyCombination shortcut;
    const char* picture;  // ":/icons/<picture>.svg", or nullptr
    const char* hint;
    Handler handler;
    bool checkable = false;  // an option the menu item switches on and off
};

const Command kCommands[] = {
    {"O1", "行列を開く(&O)", Qt::CTRL | Qt::Key_O, "open",
     "行列を開く：ファイルに保存されている行列を読み出します。", &TForm1::O1Click},
    {"S1", "行列を保存(&S)", Qt::CTRL | Qt::Key_S, "save",
     "行列を保存：行列をファイルに保存します。", &TForm1::S1Click},
    {"Export1", "途中の計算を保存(&E)...", Qt::CTRL | Qt::SHIFT | Qt::Key_S, nullptr, nullptr,
     &TForm1::Export1Click},
    {"Print1", "印刷(&P)...", Qt::CTRL | Qt::Key_P, nullptr, nullptr, &TForm1::Print1Click},
    {"Exit1", "終了(&Q)", {}, nullptr, nullptr, &TForm1::Exit1Click},
    {"Undo1", "元に戻す(&U)", Qt::ALT | Qt::Key_Backspace, "undo",
     "元に戻す：今の操作を元に戻します。", &TForm1::Undo1Click},
    {"Repeat1", "やり直し(&R)", Qt::SHIFT | Qt::ALT | Qt::Key_Backspace, "redo",
     "やり直し：元に戻した操作を再び実行します。", &TForm1::Repeat1Click},
    {"Copy1", "コピー(&Y)", Qt::CTRL | Qt::Key_C, nullptr, nullptr, &TForm1::Copy1Click},
    {"Paste1", "貼り付け(&P)", Qt::CTRL | Qt::Key_V, "paste", nullptr, &TForm1::Paste1Click},
    {"CopyAsLatex1", "LaTeX(&L)", {}, nullptr, nullptr, &TForm1::CopyAsLatex1Click},
    {"CopyAsMatlab1", "MATLAB(&M)", {}, nullptr, nullptr, &TForm1::CopyAsMatlab1Click},
    {"CopyAsPython1", "Python (SymPy)(&P)", {}, nullptr, nullptr, &TForm1::CopyAsPython1Click},
    {"CopyAsMathematica1",
     "Mathematica(&A)",
     {},
     nullptr,
     nullptr,
     &TForm1::CopyAsMathematica1Click},
    {"CopyAsMarkdown1", "Markdown の表(&K)", {}, nullptr, nullptr, &TForm1::CopyAsMarkdown1Click},
    {"N3",
     "単位行列(&I)",
     {},
     "identity",
     "単位行列：現在の行列を単位行列に書き換えます。",
     &TForm1::N3Click},
    {"N4",
     "零行列(&O)",
     {},
     "zero",
     "零行列：現在の行列を零行列に書き換えます。",
     &TForm1::N4Click},
    {"L1", "定数倍(&L)", {}, "multiply", "定数倍：現在の行列を定数倍します。", &TForm1::L1Click},
    {"N6",
     "右上→左下にコピー(&U)",
     {},
     "copy-upper-to-lower",
     "対称行列(右上→左下)：対角成分より右上のデータを左下にもコピーして、対称行列を作ります。",
     &TForm1::N6Click},
    {"N7",
     "左下→右上にコピー(&D)",
     {},
     "copy-lower-to-upper",
     "対称行列(左下→右上)：対角成分より左下のデータを右上にもコピーして、対称行列を作ります。",
     &TForm1::N7Click},
    {"N9",
     "上三角行列(&U)",
     {},
     "upper-triangular",
     "上三角行列：対角成分より左下の成分を全て0にします。",
     &TForm1::N9Click},
    {"N10",
     "下三角行列(&D)",
     {},
     "lower-triangular",
     "下三角行列：対角成分より右上の成分を全て0にします。",
     &TForm1::N10Click},
    {"C2", "ツールバーの設定(&C)", {}, nullptr, nullptr, &TForm1::ControlBar1DblClick},
    {"N12",
     "転置行列を演算(&T)",
     {},
     "transpose",
     "転置行列：行列の行と列を入れ換えます。",
     &TForm1::N12Click},
    {"N13", "逆行列を演算(&I)", {}, "inverse", "逆行列：逆行列を計算します。", &TForm1::N13Click},
    {"N14",
     "行階段標準形を演算(&R)",
     {},
     "echelon",
     "行階段基本形：行列を行階段基本形にします。",
     &TForm1::N14Click},
    {"N16", "像を計算(&M)", {}, "image", "像：現在の行列の像を求めます。", &TForm1::N16Click},
    {"C1", "核を計算(&C)", {}, "kernel", "核：現在の行列の核を求めます。", &TForm1::C1Click},
    {"D1",
     "行列式を計算(&D)",
     {},
     "determinant",
     "行列式：現在の行列の行列式を計算します。",
     &TForm1::ToolButton6Click},
    {"Solve1",
     "連立一次方程式を解く(&S)",
     {},
     "solve",
     "連立一次方程式：最後の列を右辺として、連立一次方程式を解きます。",
     &TForm1::Solve1Click},
    {"SeveralRhs1", "右辺を複数にする(&B)", {}, nullptr, nullptr, &TForm1::SeveralRhs1Click, true},
    {"Rank1",
     "階数を計算(&K)",
     {},
     "rank",
     "階数：現在の行列の階数と核の次元を求めます。",
     &TForm1::Rank1Click},
    {"CharPoly1",
     "固有多項式を計算(&P)",
     {},
     "charpoly",
     "固有多項式：現在の行列の固有多項式を求めます。",
     &TForm1::CharPoly1Click},
    {"Eigenvalues1",
     "固有値を計算(&V)",
     {},
     "eigenvalues",
     "固有値：固有多項式を因数分解して固有値を求めます。",
     &TForm1::Eigenvalues1Click},
    {"Eigenvectors1",
     "固有ベクトルを計算(&E)",
     {},
     "eigenvectors",
     "固有ベクトル：固有値ごとに固有空間を求めます。",
     &TForm1::Eigenvectors1Click},
    {"Diagonalize1",
     "対角化(&G)",
     {},
     "diagonalize",
     "対角化：固有ベクトルを並べて行列を対角化します。",
     &TForm1::Diagonalize1Click},
    {"Expansion1",
     "余因子展開で行列式を計算(&E)...",
     {},
     "expansion",
     "余因子展開：選んだ行か列で余因子展開して、行列式を求めます。",
     &TForm1::Expansion1Click},
    {"Sarrus1",
     "サラスの方法で行列式を計算(&S)",
     {},
     "sarrus",
     "サラスの方法：2行2列か3行3列の行列式を、対角線に沿った積で求めます。",
     &TForm1::Sarrus1Click},
    {"IntegerDet1",
     "整数のまま行列式を計算(&I)",
     {},
     "integer-det",
     "整数のままの行列式：成分をなるべく整数のままにして、行基本変形で行列式を求めます。",
     &TForm1::IntegerDet1Click},
    {"Adjugate1",
     "余因子行列と逆行列を計算(&A)",
     {},
     "adjugate",
     "余因子行列：余因子を並べて余因子行列を作り、逆行列を求めます。",
     &TForm1::Adjugate1Click},
    {"Cramer1",
     "クラメルの公式で解く(&C)",
     {},
     "cramer",
     "クラメルの公式：最後の列を右辺として、行列式の比で連立一次方程式を解きます。",
     &TForm1::Cramer1Click},
    {"Lu1",
     "LU 分解(&L)",
     {},
     "lu",
     "LU 分解：行列を、下三角行列と上三角行列の積に分解します。",
     &TForm1::Lu1Click},
    {"Elementary1",
     "基本行列で表す(&M)",
     {},
     "elementary",
     "基本行列：行基本変形の一つ一つを基本行列で表し、その積を求めます。",
     &TForm1::Elementary1Click},
    {"Inner1",
     "内積・角・距離を計算(&I)",
     {},
     "inner",
     "内積：列ベクトルどうしの内積、なす角の cos θ と距離を求めます。",
     &TForm1::Inner1Click},
    {"Norm1",
     "ノルムを計算(&N)",
     {},
     "norm",
     "ノルム：列ベクトルのノルムと、同じ向きの単位ベクトルを求めます。",
     &TForm1::Norm1Click},
    {"RowVectors1", "行をベクトルとする(&W)", {}, nullptr, nullptr, &TForm1::RowVectors1Click,
     true},
    {"GramSchmidt1",
     "グラム・シュミットの直交化(&G)",
     {},
     "gram-schmidt",
     "グラム・シュミットの直交化：列ベクトルから直交基底と正規直交基底を作ります。",
     &TForm1::GramSchmidt1Click},
    {"Qr1",
     "QR 分解(&Q)",
     {},
     "qr",
     "QR 分解：行列を、列が正規直交な行列 Q と上三角行列 R の積に分解します。",
     &TForm1::Qr1Click},
    {"Projection1",
     "正射影(&P)",
     {},
     "project",
     "正射影：最後の列を、残りの列の張る空間へ正射影します。",
     &TForm1::Projection1Click},
    {"Complement1",
     "直交補空間(&C)",
     {},
     "complement",
     "直交補空間：列ベクトルの張る空間の直交補空間の基底を求めます。",
     &TForm1::Complement1Click},
    {"LeastSquares1",
     "最小二乗法で解く(&L)",
     {},
     "least-squares",
     "最小二乗法：最後の列を右辺として、正規方程式で最小二乗解と残差を求めます。",
     &TForm1::LeastSquares1Click},
    {"OrthogonalDiagonalize1",
     "直交行列で対角化(&O)",
     {},
     "orthogonal-diagonalize",
     "直交対角化：対称行列を直交行列（エルミート行列はユニタリ行列）で対角化します。",
     &TForm1::OrthogonalDiagonalize1Click},
    {"QuadraticForm1",
     "二次形式の標準形(&F)",
     {},
     "quadratic-form",
     "二次形式：対称行列の二次形式を標準形にし、符号数と正定値かどうかを調べます。",
     &TForm1::QuadraticForm1Click},
    {"Jordan1",
     "ジョルダン標準形(&J)",
     {},
     "jordan",
     "ジョルダン標準形：一般固有ベクトルの鎖を並べて、行列をジョルダン標準形にします。",
     &TForm1::Jordan1Click},
    {"Power1",
     "行列の n 乗(&N)",
     {},
     "power",
     "行列の n 乗：ジョルダン標準形から、A^n を n の式で表します。",
     &TForm1::Power1Click},
    {"Exponential1",
     "行列の指数関数(&X)",
     {},
     "exponential",
     "行列の指数関数：ジョルダン標準形から、e^(tA) を t の式で表します。",
     &TForm1::Exponential1Click},
    {"Recurrence1",
     "線形漸化式の一般項(&R)...",
     {},
     "recurrence",
     "線形漸化式：入力した漸化式の一般項を、行列の n 乗から求めます。",
     &TForm1::Recurrence1Click},
    {"MinPoly1",
     "最小多項式(&M)",
     {},
     "minpoly",
     "最小多項式：最小多項式を求め、ケーリー・ハミルトンの定理を確かめます。",
     &TForm1::MinPoly1Click},
    {"Practice1",
     "練習モード(&L)",
     {},
     "practice",
     "練習モード：行基本変形を自分で選んだり手で計算したりして、一歩ずつ確かめます。",
     &TForm1::Practice1Click,
     true},
    {"Stop1", "計算を中止(&A)", Qt::Key_Escape, "stop", "計算を中止：実行中の計算をやめます。",
     &TForm1::Stop1Click},
    {"StoreMatrix1",
     "名前を付けて記憶(&S)...",
     Qt::CTRL | Qt::Key_M,
     nullptr,
     "名前を付けて記憶：グリッドの行列に名前を付けて、名前付きの行列に加えます。",
     &TForm1::StoreMatrix1Click},
    {"RecallMatrix1",
     "グリッドに呼び出す(&R)",
     {},
     nullptr,
     "呼び出す：選んだ名前付きの行列をグリッドに写します。",
     &TForm1::RecallMatrix1Click},
    {"RenameMatrix1",
     "名前を変更(&N)...",
     {},
     nullptr,
     "名前を変更：選んだ名前付きの行列の名前を変えます。",
     &TForm1::RenameMatrix1Click},
    {"DeleteMatrix1",
     "削除(&D)",
     {},
     nullptr,
     "削除：選んだ名前付きの行列を削除します。",
     &TForm1::DeleteMatrix1Click},
    {"Evaluate1",
     "式を計算(&X)",
     Qt::CTRL | Qt::Key_E,
     nullptr,
     "式を計算：式の欄の式を、名前付きの行列で計算します。",
     &TForm1::Evaluate1Click},
    {"NewWorkspace1", "新しいワークスペース(&N)", {}, nullptr, nullptr,
     &TForm1::NewWorkspace1Click},
    {"OpenWorkspace1", "ワークスペースを開く(&W)...", {}, nullptr, nullptr,
     &TForm1::OpenWorkspace1Click},
    {"SaveWorkspace1", "ワークスペースを保存(&K)...", {}, nullptr, nullptr,
     &TForm1::SaveWorkspace1Click},
    {"Notation1",
     "行基本変形を記号でも書く(&N)",
     {},
     nullptr,
     nullptr,
     &TForm1::Notation1Click,
     true},
    {"AdditionWording1",
     "負の倍数を引く操作を足し算で書く(&W)",
     {},
     nullptr,
     nullptr,
     &TForm1::AdditionWording1Click,
     true},
    {"H2", "説明書(&H)", Qt::Key_F1, nullptr, nullptr, &TForm1::H2Click},
    {"About1", "バージョン情報(&V)", {}, nullptr, nullptr, &TForm1::About1Click},
};

enum class Kind { Item, Separator, Submenu, EndSubmenu };

// A menu line: a command's item (by the command's name), a separator, or the
// start or end of a submenu with its own name and caption.
struct MenuEntry {
    Kind kind;
    const char* name;
    const char* caption = nullptr;
};

struct Menu {
    const char* name;
    const char* caption;
    std::span<const MenuEntry> entries;
};

const MenuEntry kFileMenu[] = {
    {Kind::Item, "O1"},
    {Kind::Item, "S1"},
    {Kind::Separator, "WorkspaceSeparator1"},
    {Kind::Item, "NewWorkspace1"},
    {Kind::Item, "OpenWorkspace1"},
    {Kind::Item, "SaveWorkspace1"},
    {Kind::Separator, "ExportSeparator1"},
    {Kind::Item, "Export1"}, {Kind::Item, "Print1"}, {Kind::Separator, "N1"},
    {Kind::Item, "Exit1"},
};

const MenuEntry kEditMenu[] = {
    {Kind::Item, "Undo1"},
    {Kind::Item, "Repeat1"},
    {Kind::Separator, "N20"},
    {Kind::Item, "Copy1"},
    {Kind::Item, "Paste1"},
    {Kind::Submenu, "CopyAs1", "形式を選んでコピー(&F)"},
    {Kind::Item, "CopyAsLatex1"},
    {Kind::Item, "CopyAsMatlab1"},
    {Kind::Item, "CopyAsPython1"},
    {Kind::Item, "CopyAsMathematica1"},
    {Kind::Item, "CopyAsMarkdown1"},
    {Kind::EndSubmenu, "CopyAs1"},
    {Kind::Separator, "N2"},
    {Kind::Item, "N3"},
    {Kind::Item, "N4"},
    {Kind::Item, "L1"},
    {Kind::Submenu, "N5", "対称行列(&S)"},
    {Kind::Item, "N6"},
    {Kind::Item, "N7"},
    {Kind::EndSubmenu, "N5"},
    {Kind::Submenu, "N8", "三角行列(&T)"},
    {Kind::Item, "N9"},
    {Kind::Item, "N10"},
    {Kind::EndSubmenu, "N8"},
    {Kind::Separator, "N17"},
    {Kind::Item, "C2"},
};

const MenuEntry kComputeMenu[] = {
    {Kind::Item, "N12"},
    {Kind::Item, "N13"},
    {Kind::Item, "N14"},
    {Kind::Separator, "N15"},
    {Kind::Item, "N16"},
    {Kind::Item, "C1"},
    {Kind::Item, "D1"},
    {Kind::Separator, "N18"},
    {Kind::Item, "Solve1"},
    {Kind::Item, "SeveralRhs1"},
    {Kind::Item, "Rank1"},
    {Kind::Separator, "N19"},
    {Kind::Item, "CharPoly1"},
    {Kind::Item, "Eigenvalues1"},
    {Kind::Item, "Eigenvectors1"},
    {Kind::Item, "Diagonalize1"},
    {Kind::Separator, "MethodsSeparator1"},
    {Kind::Submenu, "Methods1", "ほかの方法(&O)"},
    {Kind::Item, "Expansion1"},
    {Kind::Item, "Sarrus1"},
    {Kind::Item, "IntegerDet1"},
    {Kind::Item, "Adjugate1"},
    {Kind::Item, "Cramer1"},
    {Kind::Item, "Lu1"},
    {Kind::Item, "Elementary1"},
    {Kind::EndSubmenu, "Methods1"},
    {Kind::Submenu, "Orthogonality1", "内積と直交(&T)"},
    {Kind::Item, "Inner1"},
    {Kind::Item, "Norm1"},
    {Kind::Item, "RowVectors1"},
    {Kind::Item, "GramSchmidt1"},
    {Kind::Item, "Qr1"},
    {Kind::Item, "Projection1"},
    {Kind::Item, "Complement1"},
    {Kind::Item, "LeastSquares1"},
    {Kind::Item, "OrthogonalDiagonalize1"},
    {Kind::Item, "QuadraticForm1"},
    {Kind::EndSubmenu, "Orthogonality1"},
    {Kind::Submenu, "JordanMenu1", "ジョルダン標準形とその応用(&J)"},
    {Kind::Item, "Jordan1"},
    {Kind::Item, "Power1"},
    {Kind::Item, "Exponential1"},
    {Kind::Item, "Recurrence1"},
    {Kind::Item, "MinPoly1"},
    {Kind::EndSubmenu, "JordanMenu1"},
    {Kind::Separator, "NamedSeparator1"},
    {Kind::Item, "Evaluate1"},
    {Kind::Submenu, "Named1", "名前付きの行列(&Y)"},
    {Kind::Item, "StoreMatrix1"},
    {Kind::Item, "RecallMatrix1"},
    {Kind::Item, "RenameMatrix1"},
    {Kind::Item, "DeleteMatrix1"},
    {Kind::EndSubmenu, "Named1"},
    {Kind::Separator, "N20"},
    {Kind::Item, "Practice1"},
    {Kind::Item, "Stop1"},
    {Kind::Separator, "StyleSeparator1"},
    {Kind::Item, "Notation1"},
    {Kind::Item, "AdditionWording1"},
};

const MenuEntry kHelpMenu[] = {
    {Kind::Item, "H2"},
    {Kind::Item, "About1"},
};

const Menu kMainMenu1[] = {
    {"File1", "ファイル(&F)", kFileMenu},
    {"Edit1", "編集(&E)", kEditMenu},
    {"N11", "演算(&C)", kComputeMenu},
    {"H1", "ヘルプ(&H)", kHelpMenu},
};

// A toolbar button named name for the command of that name; a null command
// marks a separator, an empty 8-pixel gap.
struct Button {
    const char* name;
    const char* command = nullptr;
};

const Button kSystemButtons[] = {
    {"ToolButton17", "O1"},    {"ToolButton18", "S1"},      {"ToolButton13"},
    {"ToolButton14", "Undo1"}, {"ToolButton15", "Repeat1"},
};

const Button kInputAidButtons[] = {
    {"ToolButton10", "N3"}, {"ToolButton21", "N4"}, {"ToolButton1", "L1"},  {"ToolButton11", "N10"},
    {"ToolButton16", "N9"}, {"ToolButton19", "N7"}, {"ToolButton20", "N6"},
};

const Button kComputeButtons[] = {
    {"ToolButton2", "N12"},
    {"ToolButton3", "N13"},
    {"ToolButton4", "N14"},
    {"ToolButton5"},
    {"ToolButton7", "N16"},
    {"ToolButton8", "C1"},
    {"ToolButton6", "D1"},
    {"ToolButton22"},
    {"ToolButton23", "Solve1"},
    {"ToolButton24", "Rank1"},
    {"ToolButton25", "CharPoly1"},
    {"ToolButton26", "Eigenvalues1"},
    {"ToolButton27", "Eigenvectors1"},
    {"ToolButton28", "Diagonalize1"},
    {"ToolButton29"},
    {"ToolButton30", "Practice1"},
    {"ToolButton31"},
    {"ToolButton32", "Expansion1"},
    {"ToolButton33", "Sarrus1"},
    {"ToolButton34", "IntegerDet1"},
    {"ToolButton35", "Adjugate1"},
    {"ToolButton36", "Cramer1"},
    {"ToolButton37", "Lu1"},
    {"ToolButton38", "Elementary1"},
    {"ToolButton39", "Inner1"},
    {"ToolButton40", "Norm1"},
    {"ToolButton41", "GramSchmidt1"},
    {"ToolButton42", "Qr1"},
    {"ToolButton43", "Projection1"},
    {"ToolButton44", "Complement1"},
    {"ToolButton45", "LeastSquares1"},
    {"ToolButton46", "OrthogonalDiagonalize1"},
    {"ToolButton47", "QuadraticForm1"},
    {"ToolButton48", "Jordan1"},
    {"ToolButton49", "Power1"},
    {"ToolButton50", "Exponential1"},
    {"ToolButton51", "Recurrence1"},
    {"ToolButton52", "MinPoly1"},
};

constexpr int kButtonWidth = 23;
constexpr int kButtonHeight = 22;
constexpr int kToolBarHeight = 24;
constexpr int kSeparatorWidth = 8;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QIcon Picture(const char* name) {
    return name == nullptr ? QIcon() : QIcon(QStringLiteral(":/icons/%1.svg").arg(Text(name)));
}

// The window's action of the command with that name; every name the menus
// and toolbars use stands in the command table.
QAction* CommandAction(const QWidget& window, const char* name) {
    const QList<QAction*> actions = window.actions();
    const auto named = std::find_if(actions.begin(), actions.end(), [name](QAction* action) {
        return action->objectName() == QLatin1String(name);
    });
    Q_ASSERT(named != actions.end());
    return *named;
}

QToolBar* BuildToolbar(QMainWindow* band, const QWidget& window, const char* name,
                       const char* title, std::span<const Button> buttons) {
    auto* toolbar = new QToolBar(Text(title), band);
    toolbar->setObjectName(Text(name));
    toolbar->setMovable(true);
    toolbar->setFloatable(true);
    toolbar->setAllowedAreas(Qt::TopToolBarArea);
    toolbar->setIconSize(QSize(16, 16));
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolbar->setFixedHeight(kToolBarHeight);
    toolbar->setContentsMargins(0, 0, 0, 0);
    toolbar->layout()->setSpacing(0);
    toolbar->layout()->setContentsMargins(0, 0, 0, 0);
    for (const Button& button : buttons) {
        if (button.command == nullptr) {
            auto* gap = new QWidget;
            gap->setObjectName(Text(button.name));
            gap->setFixedSize(kSeparatorWidth, kButtonHeight);
            toolbar->addWidget(gap)->setObjectName(Text(button.name));
            continue;
        }
        QAction* action = CommandAction(window, button.command);
        toolbar->addAction(action);
        QWidget* widget = toolbar->widgetForAction(action);
        widget->setObjectName(Text(button.name));
        widget->setAccessibleName(action->toolTip());
        widget->setFixedSize(kButtonWidth, kButtonHeight);
        widget->setFocusPolicy(Qt::NoFocus);
    }
    // The button Qt adds when the toolbar is too short for its buttons.
    for (auto* more :
         toolbar->findChildren<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
        more->setAccessibleName(QStringLiteral("ほかのボタン"));
    }
    band->addToolBar(Qt::TopToolBarArea, toolbar);
    FloatingToolbarFrame::Give(toolbar);
    return toolbar;
}

}  // namespace

void TForm1::BuildActions() {
    for (const Command& command : kCommands) {
        auto* action = new QAction(Picture(command.picture), Text(command.caption), this);
        action->setObjectName(Text(command.name));
        if (command.hint != nullptr) action->setToolTip(Text(command.hint));
        action->setCheckable(command.checkable);
        if (command.shortcut != QKeyCombination()) {
            action->setShortcut(QKeySequence(command.shortcut));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        // The stop command shows only while a computation runs.
        if (action->objectName() == QLatin1String("Stop1")) action->setVisible(false);
        addAction(action);  // its shortcut is active while Form1 is
        connect(action, &QAction::triggered, this, command.handler);
    }
}

void TForm1::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    for (const Menu& menuSpec : kMainMenu1) {
        QMenu* menu = bar->addMenu(Text(menuSpec.caption));
        menu->setObjectName(Text(menuSpec.name));
        menu->menuAction()->setObjectName(Text(menuSpec.name));
        QMenu* target = menu;
        for (const MenuEntry& entry : menuSpec.entries) {
            switch (entry.kind) {
                case Kind::Separator:
                    target->addSeparator()->setObjectName(Text(entry.name));
                    break;
                case Kind::Submenu:
                    target = menu->addMenu(Text(entry.caption));
                    target->setObjectName(Text(entry.name));
                    target->menuAction()->setObjectName(Text(entry.name));
                    break;
                case Kind::EndSubmenu:
                    target = menu;
                    break;
                case Kind::Item:
                    target->addAction(CommandAction(*this, entry.name));
                    break;
            }
        }
    }
}

void TForm1::BuildToolbars() {
    controlBar1_ = new ControlBand(this);
    connect(controlBar1_, &ControlBand::doubleClicked, this, &TForm1::ControlBar1DblClick);
    toolBar3_ = BuildToolbar(controlBar1_, *this, "ToolBar3", "システム", kSystemButtons);
    toolBar4_ = BuildToolbar(controlBar1_, *this, "ToolBar4", "入力補助", kInputAidButtons);
    toolBar1_ = BuildToolbar(controlBar1_, *this, "ToolBar1", "演算", kComputeButtons);
}

}  // namespace korvane
