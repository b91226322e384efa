// Start-up of the desktop program. The program reads no command-line
// arguments of its own; QApplication takes only Qt's platform options.
#include <QApplication>

#include "StartUp.h"
#include "main/WindowFonts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    korvane::UseJapaneseQtTexts(app);
    // Every window but the log pane uses this font.
    QApplication::setFont(korvane::ControlsFont());

    korvane::ProgramWindows windows;
    windows.Start();
    return QApplication::exec();
}
