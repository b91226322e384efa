#pragma once

#include <QLabel>

namespace korvane {

// A panel of the status bar whose text a screen reader hears: its accessible
// name is what the panel stands for followed by what it shows now, since a
// plain label's text reaches assistive tools only as its name.
class StatusPanel : public QLabel {
    Q_OBJECT

  public:
    // name: the object name; meaning: what the panel shows, such as
    // "元に戻せる回数とやり直せる回数".
    StatusPanel(const char* name, const QString& meaning);

    // Shows text and tells assistive tools.
    void Show(const QString& text);

  private:
    QString meaning_;
};

}  // namespace korvane
