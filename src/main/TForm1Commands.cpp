// The command table: the menus and the three toolbars, each item with its
// name, caption or hint, shortcut, picture and handler.
#include <QAction>
#include <QFile>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <array>
#include <span>

#include "main/ControlBand.h"
#include "main/TForm1.h"

namespace korvane {

namespace {

using Handler = void (TForm1::*)();

// ImageList1: the pictures shared by menu items and toolbar buttons.
constexpr std::array<const char*, 17> kImageList1 = {
    ":/icons/identity.svg",
    ":/icons/zero.svg",
    ":/icons/copy-upper-to-lower.svg",
    ":/icons/copy-lower-to-upper.svg",
    ":/icons/upper-triangular.svg",
    ":/icons/lower-triangular.svg",
    ":/icons/transpose.svg",
    ":/icons/inverse.svg",
    ":/icons/echelon.svg",
    ":/icons/save.svg",
    ":/icons/open.svg",
    ":/icons/undo.svg",
    ":/icons/redo.svg",
    ":/icons/multiply.svg",
    ":/icons/image.svg",
    ":/icons/kernel.svg",
    ":/icons/determinant.svg",
};
constexpr int kNoPicture = -1;

// A picture not yet built into the program is simply left out.
QIcon Picture(int index) {
    if (index == kNoPicture) {
        return {};
    }
    const QString path = QString::fromLatin1(kImageList1[static_cast<std::size_t>(index)]);
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

enum class Kind { Item, Separator, Submenu, EndSubmenu };

struct MenuEntry {
    Kind kind;
    const char* name;
    const char* caption = nullptr;
    QKeyCombination shortcut = QKeyCombination();
    int picture = kNoPicture;
    Handler handler = nullptr;
};

struct Menu {
    const char* name;
    const char* caption;
    std::span<const MenuEntry> entries;
};

const MenuEntry kFileMenu[] = {
    {Kind::Item, "O1", "行列を開く(&O)", Qt::CTRL | Qt::Key_O, 10, &TForm1::O1Click},
    {Kind::Item, "S1", "行列を保存(&S)", Qt::CTRL | Qt::Key_S, 9, &TForm1::S1Click},
    {Kind::Separator, "N1"},
    {Kind::Item, "Exit1", "終了(&Q)", {}, kNoPicture, &TForm1::Exit1Click},
};

const MenuEntry kEditMenu[] = {
    {Kind::Item, "Undo1", "元に戻す(&U)", Qt::ALT | Qt::Key_Backspace, 11, &TForm1::Undo1Click},
    {Kind::Item, "Repeat1", "やり直し(&R)", Qt::SHIFT | Qt::ALT | Qt::Key_Backspace, 12,
     &TForm1::Repeat1Click},
    {Kind::Separator, "N2"},
    {Kind::Item, "N3", "単位行列(&I)", {}, 0, &TForm1::N3Click},
    {Kind::Item, "N4", "零行列(&O)", {}, 1, &TForm1::N4Click},
    {Kind::Item, "L1", "定数倍(&L)", {}, 13, &TForm1::L1Click},
    {Kind::Submenu, "N5", "対称行列(&S)"},
    {Kind::Item, "N6", "右上→左下にコピー(&U)", {}, 2, &TForm1::N6Click},
    {Kind::Item, "N7", "左下→右上にコピー(&D)", {}, 3, &TForm1::N7Click},
    {Kind::EndSubmenu, "N5"},
    {Kind::Submenu, "N8", "三角行列(&T)"},
    {Kind::Item, "N9", "上三角行列(&U)", {}, 4, &TForm1::N9Click},
    {Kind::Item, "N10", "下三角行列(&D)", {}, 5, &TForm1::N10Click},
    {Kind::EndSubmenu, "N8"},
    {Kind::Separator, "N17"},
    {Kind::Item, "C2", "ツールバーの設定(&C)", {}, kNoPicture, &TForm1::ControlBar1DblClick},
};

const MenuEntry kComputeMenu[] = {
    {Kind::Item, "N12", "転置行列を演算(&T)", {}, 6, &TForm1::N12Click},
    {Kind::Item, "N13", "逆行列を演算(&I)", {}, 7, &TForm1::N13Click},
    {Kind::Item, "N14", "行階段標準形を演算(&R)", {}, 8, &TForm1::N14Click},
    {Kind::Separator, "N15"},
    {Kind::Item, "N16", "像を計算(&M)", {}, 14, &TForm1::N16Click},
    {Kind::Item, "C1", "核を計算(&C)", {}, 15, &TForm1::C1Click},
    {Kind::Item, "D1", "行列式を計算(&D)", {}, 16, &TForm1::ToolButton6Click},
};

const MenuEntry kHelpMenu[] = {
    {Kind::Item, "H2", "説明書(&H)", Qt::Key_F1, kNoPicture, &TForm1::H2Click},
    {Kind::Item, "About1", "バージョン情報(&V)", {}, kNoPicture, &TForm1::About1Click},
};

const Menu kMainMenu1[] = {
    {"File1", "ファイル(&F)", kFileMenu},
    {"Edit1", "編集(&E)", kEditMenu},
    {"N11", "演算(&C)", kComputeMenu},
    {"H1", "ヘルプ(&H)", kHelpMenu},
};

// A toolbar button; a null hint marks a separator, an empty 8-pixel gap.
struct Button {
    const char* name;
    int picture = kNoPicture;
    const char* hint = nullptr;
    Handler handler = nullptr;
};

const Button kSystemButtons[] = {
    {"ToolButton17", 10, "行列を開く：ファイルに保存されている行列を読み出します。",
     &TForm1::O1Click},
    {"ToolButton18", 9, "行列を保存：行列をファイルに保存します。", &TForm1::S1Click},
    {"ToolButton13"},
    {"ToolButton14", 11, "元に戻す：今の操作を元に戻します。", &TForm1::Undo1Click},
    {"ToolButton15", 12, "やり直し：元に戻した操作を再び実行します。", &TForm1::Repeat1Click},
};

const Button kInputAidButtons[] = {
    {"ToolButton10", 0, "単位行列：現在の行列を単位行列に書き換えます。", &TForm1::N3Click},
    {"ToolButton21", 1, "零行列：現在の行列を零行列に書き換えます。", &TForm1::N4Click},
    {"ToolButton1", 13, "定数倍：現在の行列を定数倍します。", &TForm1::L1Click},
    {"ToolButton11", 5, "下三角行列：対角成分より右上の成分を全て0にします。", &TForm1::N10Click},
    {"ToolButton16", 4, "上三角行列：対角成分より左下の成分を全て0にします。", &TForm1::N9Click},
    {"ToolButton19", 3,
     "対称行列(左下→右上)：対角成分より左下のデータを右上にもコピーして、対称行列を作ります。",
     &TForm1::N7Click},
    {"ToolButton20", 2,
     "対称行列(右上→左下)：対角成分より右上のデータを左下にもコピーして、対称行列を作ります。",
     &TForm1::N6Click},
};

const Button kComputeButtons[] = {
    {"ToolButton2", 6, "転置行列：行列の行と列を入れ換えます。", &TForm1::N12Click},
    {"ToolButton3", 7, "逆行列：逆行列を計算します。", &TForm1::N13Click},
    {"ToolButton4", 8, "行階段基本形：行列を行階段基本形にします。", &TForm1::N14Click},
    {"ToolButton5"},
    {"ToolButton7", 14, "像：現在の行列の像を求めます。", &TForm1::N16Click},
    {"ToolButton8", 15, "核：現在の行列の核を求めます。", &TForm1::C1Click},
    {"ToolButton6", 16, "行列式：現在の行列の行列式を計算します。", &TForm1::ToolButton6Click},
};

constexpr int kButtonWidth = 23;
constexpr int kButtonHeight = 22;
constexpr int kToolBarHeight = 24;
constexpr int kSeparatorWidth = 8;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

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
                case Kind::Item: {
                    QAction* action =
                        target->addAction(Picture(entry.picture), Text(entry.caption));
                    action->setObjectName(Text(entry.name));
                    if (entry.shortcut != QKeyCombination()) {
                        action->setShortcut(QKeySequence(entry.shortcut));
                        action->setShortcutContext(Qt::WindowShortcut);
                        addAction(action);  // active while Form1 is
                    }
                    connect(action, &QAction::triggered, this, entry.handler);
                    break;
                }
            }
        }
    }
}

void TForm1::BuildToolbars() {
    controlBar1_ = new ControlBand(this);
    connect(controlBar1_, &ControlBand::doubleClicked, this, &TForm1::ControlBar1DblClick);

    auto build = [this](const char* name, const char* title, std::span<const Button> buttons) {
        auto* toolbar = new QToolBar(Text(title), controlBar1_);
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
            if (button.hint == nullptr) {
                auto* gap = new QWidget;
                gap->setObjectName(Text(button.name));
                gap->setFixedSize(kSeparatorWidth, kButtonHeight);
                toolbar->addWidget(gap)->setObjectName(Text(button.name));
                continue;
            }
            QAction* action = toolbar->addAction(Picture(button.picture), Text(button.hint));
            action->setObjectName(Text(button.name));
            action->setToolTip(Text(button.hint));
            action->setIconText(QStringLiteral(" "));  // the button shows its picture only
            connect(action, &QAction::triggered, this, button.handler);
            QWidget* widget = toolbar->widgetForAction(action);
            widget->setObjectName(Text(button.name));
            widget->setAccessibleName(Text(button.hint));
            widget->setFixedSize(kButtonWidth, kButtonHeight);
            widget->setFocusPolicy(Qt::NoFocus);
        }
        // The button Qt adds when the toolbar is too short for its buttons.
        for (auto* more :
             toolbar->findChildren<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
            more->setAccessibleName(QStringLiteral("ほかのボタン"));
        }
        controlBar1_->addToolBar(Qt::TopToolBarArea, toolbar);
        return toolbar;
    };
    toolBar3_ = build("ToolBar3", "システム", kSystemButtons);
    toolBar4_ = build("ToolBar4", "入力補助", kInputAidButtons);
    toolBar1_ = build("ToolBar1", "演算", kComputeButtons);
}

}  // namespace korvane
