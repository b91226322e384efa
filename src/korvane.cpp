// Start-up of the desktop program. Its one argument is a matrix file to
// open (a file manager passes one); QApplication takes Qt's own options.
#include <QApplication>
#include <QFileInfo>

#include "StartUp.h"
#include "main/WindowFonts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    korvane::UseJapaneseQtTexts(app);
    // Every window but the log pane uses this font.
    QApplication::setFont(korvane::ControlsFont());

    korvane::ProgramWindows windows;
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) windows.OpenOnceShown(QFileInfo(arguments.at(1)).absoluteFilePath());
    windows.Start();
    return QApplication::exec();
}
