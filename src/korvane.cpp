// Start-up of the desktop program. The program reads no command-line
// arguments of its own; QApplication takes only Qt's platform options.
#include <QApplication>

#include "main/TForm1.h"
#include "main/WindowFonts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    QApplication::setFont(korvane::ControlsFont());

    // Form2, the title window, is created here, hidden, before Form1; it
    // is shown first and shows Form1 after its timer tick or a click.

    korvane::TForm1 form1;  // created hidden; FormCreate has run

    // Form3, the toolbar-settings dialog, is created here, hidden, and
    // hooked in with form1.SetToolbarDialog.

    form1.ShowAndRaise();  // until the title window takes over this step
    return QApplication::exec();
}
