#pragma once

#include <QTextBrowser>

namespace korvane {

// The help window: the built-in page kvgui.html, links inside it working.
class HelpViewer : public QTextBrowser {
    Q_OBJECT

  public:
    static const QUrl& HelpFile();  // qrc:/help/kvgui.html

    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the page at its contents and brings the window to the front;
    // the first time beside the main window (its parent), or over it when
    // the screen has no room beside, wide enough for the page.
    void ShowContents();

  private:
    // The width at which the page needs no sideways scrolling.
    int PageWidth() const;
    void PlaceBeside(const QWidget& mainWindow);
};

}  // namespace korvane
