#pragma once

#include <QTextBrowser>

namespace korvane {

// The help window: the built-in page kvgui.html, links inside it working.
class HelpViewer : public QTextBrowser {
    Q_OBJECT

  public:
    static const QUrl& HelpFile();  // qrc:/help/kvgui.html

    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the page at its contents and brings the window to the front.
    void ShowContents();
};

}  // namespace korvane
