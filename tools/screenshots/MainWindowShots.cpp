// Saves PNGs of the main window into $KORVANE_SCREENSHOT_DIR (default
// "screenshots"): at start, after a 2 × 2 inverse, after a 10 × 10 inverse
// of Gaussian integers, during a long inverse and after stopping it, for a
// look without a desktop.
#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
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

}  // namespace

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

    window->H2Click();
    if (QWidget* help = window->findChild<QWidget*>(QStringLiteral("HelpViewer"))) {
        ok = Save(*help, dir, QStringLiteral("8-help.png")) && ok;
    }
    return ok ? 0 : 1;
}
