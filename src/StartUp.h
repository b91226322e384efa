#pragma once

#include <memory>

#include "main/TForm1.h"
#include "title/TForm2.h"
#include "toolset/TForm3.h"

class QCoreApplication;

namespace korvane {

// Qt's own texts (the file dialog, a text box's context menu) in Japanese,
// from Qt's translations, and dates and numbers in the Japanese form, like
// every other text of the program. Before any window is made.
void UseJapaneseQtTexts(QCoreApplication& app);

// The program's three windows, created hidden in the order title window,
// main window, toolbar-settings dialog (the members' order), and hooked up
// to each other. They live until the program ends and are only ever shown
// and hidden.
class ProgramWindows {
  public:
    // dialogs: the editing commands' dialogs for the main window; the Qt
    // ones when null.
    explicit ProgramWindows(std::unique_ptr<Dialogs> dialogs = nullptr);

    // Puts the title window on the screen, and nothing else: it brings up
    // the main window after its timer tick or at a click.
    void Start();
    // Opens the matrix file at path into the main window as it first shows,
    // as 開く would, so that a box about the file stands over that window.
    void OpenOnceShown(const QString& path);

    TForm2 Form2;
    TForm1 Form1;
    TForm3 Form3;
};

}  // namespace korvane
