// Saves PNGs of the title window, the version window, the toolbar-settings
// dialog, a floating toolbar, every menu opened, sheets of the pictures, the
// file dialogs and a matrix file opened from the command line into
// $KORVANE_SCREENSHOT_DIR (default "screenshots"), so that they can be looked
// at without a desktop.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <cstdio>

#include "PictureNames.h"
#include "StartUp.h"
#include "ToolbarDrag.h"
#include "main/QtDialogs.h"
#include "main/WindowFonts.h"

namespace {

class Shots {
  public:
    explicit Shots(const QDir& dir) : dir_(dir) {}

    void Widget(QWidget& widget, const QString& name) {
        QTest::qWait(80);
        Save(widget.grab().toImage(), name);
    }

    // The whole screen, cut to the box around the given windows.
    void Screen(std::initializer_list<const QWidget*> windows, const QString& name) {
        QTest::qWait(80);
        QRect box;
        for (const QWidget* window : windows)
            box |= window->frameGeometry();
        QScreen* screen = QGuiApplication::primaryScreen();
        const QImage whole = screen->grabWindow(0).toImage();
        Save(whole.copy(box.adjusted(-4, -4, 4, 4) & whole.rect()), name);
    }

    void Save(const QImage& image, const QString& name) {
        const QString path = dir_.filePath(name);
        const bool saved = image.save(path);
        ok_ = saved && ok_;
        std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    }

    bool Ok() const { return ok_; }

  private:
    QDir dir_;
    bool ok_ = true;
};

// The menu and toolbar pictures in the picture list's order, each drawn at
// `size` pixels and magnified `zoom` times without smoothing.
QImage PictureSheet(int size, int zoom) {
    const QStringList names = korvane::test::kToolbarPictures + QStringList{"window"};
    const int cell = size * zoom + 8;
    QImage sheet(cell * names.size() + 8, cell + 8, QImage::Format_RGB32);
    sheet.fill(QColor(0xf0, 0xf0, 0xf0));
    QPainter painter(&sheet);
    for (int i = 0; i < names.size(); ++i) {
        QImage picture(size, size, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        QPainter inner(&picture);
        QSvgRenderer(QStringLiteral(":/icons/%1.svg").arg(names[i])).render(&inner);
        inner.end();
        painter.drawImage(8 + i * cell, 8, picture.scaled(size * zoom, size * zoom));
    }
    return sheet;
}

void OpenMenus(korvane::TForm1& form, Shots& shots) {
    QMenuBar* bar = form.menuBar();
    for (const char* name : {"File1", "Edit1", "N11", "H1"}) {
        auto* menu = form.findChild<QMenu*>(QString::fromLatin1(name));
        if (menu == nullptr) continue;
        bar->setActiveAction(menu->menuAction());
        QTest::qWait(80);
        shots.Screen({&form, menu}, QStringLiteral("menu-%1.png").arg(QString::fromLatin1(name)));
        if (QString::fromLatin1(name) == QStringLiteral("Edit1")) {
            for (const char* sub : {"CopyAs1", "N5", "N8"}) {
                auto* submenu = form.findChild<QMenu*>(QString::fromLatin1(sub));
                menu->setActiveAction(submenu->menuAction());
                QTest::keyClick(menu, Qt::Key_Right);
                QTest::qWait(80);
                shots.Screen({&form, menu, submenu},
                             QStringLiteral("menu-%1-%2.png").arg(name, sub));
                QTest::keyClick(submenu, Qt::Key_Left);
            }
        }
        menu->hide();
        bar->setActiveAction(nullptr);
    }
}

// The open and export dialogs over a folder holding a folder and a matrix
// file, each shot once it has read the folder.
void FileDialogs(QWidget& parent, Shots& shots) {
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("演習"));
    QFile file(folder.filePath(QStringLiteral("m.kvm")));
    if (file.open(QIODevice::WriteOnly)) file.write("[size]\nrows=1\ncols=1\n[matrix]\nr0c0=1\n");
    file.close();
    korvane::QtDialogs dialogs(&parent);
    const auto shoot = [&](const QString& name) {
        QTimer::singleShot(100, [&, name] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            dialog->setDirectory(folder.path());
            QTest::qWait(500);
            shots.Widget(*dialog, name);
            dialog->reject();
        });
    };
    shoot(QStringLiteral("shell-7-open-dialog.png"));
    dialogs.OpenFileName();
    shoot(QStringLiteral("shell-8-export-dialog.png"));
    dialogs.ExportFileName();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    korvane::UseJapaneseQtTexts(app);
    QApplication::setFont(korvane::ControlsFont());
    const QString dirName =
        qEnvironmentVariable("KORVANE_SCREENSHOT_DIR", QStringLiteral("screenshots"));
    if (!QDir().mkpath(dirName)) return 1;
    Shots shots{QDir(dirName)};

    korvane::ProgramWindows windows;
    windows.Start();
    shots.Widget(windows.Form2, QStringLiteral("shell-1-title.png"));

    QMetaObject::invokeMethod(windows.Form2.findChild<QTimer*>(QStringLiteral("Timer1")),
                              "timeout");
    shots.Widget(windows.Form1, QStringLiteral("shell-2-main-window.png"));

    windows.Form1.About1Click();
    shots.Widget(windows.Form2, QStringLiteral("shell-3-version.png"));
    shots.Screen({&windows.Form1}, QStringLiteral("shell-3-version-over-main.png"));
    QTest::mouseClick(&windows.Form2, Qt::LeftButton);
    // Until the main window is active again, its activation would still
    // hide the dialog opened next.
    if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == &windows.Form1; }, 1000)) {
        std::printf("the main window did not become active\n");
    }

    windows.Form1.ControlBar1DblClick();
    shots.Widget(windows.Form3, QStringLiteral("shell-4-toolbar-dialog.png"));
    shots.Screen({&windows.Form1, &windows.Form3},
                 QStringLiteral("shell-4-toolbar-dialog-over-main.png"));
    windows.Form3.OKClick();

    korvane::testing::FloatToolbar(windows.Form1.ToolBar4());
    QTest::qWait(80);
    shots.Widget(*windows.Form1.ToolBar4(), QStringLiteral("shell-5-floating-toolbar.png"));
    shots.Screen({&windows.Form1, windows.Form1.ToolBar4()},
                 QStringLiteral("shell-5-floating-toolbar-over-main.png"));
    windows.Form3.binitializeClick();

    OpenMenus(windows.Form1, shots);
    FileDialogs(windows.Form1, shots);

    shots.Save(PictureSheet(16, 1), QStringLiteral("pictures-16.png"));
    shots.Save(PictureSheet(16, 2), QStringLiteral("pictures-16-at-2x.png"));
    shots.Save(PictureSheet(32, 1), QStringLiteral("pictures-32.png"));

    // `korvane m.kvm`: the file is in the grid as the main window shows.
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("m.kvm")));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(
            "[size]\nrows=3\ncols=3\n[matrix]\nr0c0=2\nr0c1=1/2\nr0c2=-i\n"
            "r1c0=0\nr1c1=3+2i\nr1c2=4/3\nr2c0=-1\nr2c1=0\nr2c2=5\n");
        file.close();
    }
    korvane::ProgramWindows opened;
    opened.OpenOnceShown(file.fileName());
    opened.Start();
    QMetaObject::invokeMethod(opened.Form2.findChild<QTimer*>(QStringLiteral("Timer1")), "timeout");
    shots.Widget(opened.Form1, QStringLiteral("shell-6-opened-from-command-line.png"));
    return shots.Ok() ? 0 : 1;
}
