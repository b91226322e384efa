#pragma once

#include <QLabel>

namespace korvane {

// A panel of the status bar whose text a screen reader hears: a plain
// label's text reaches assistive tools only as its name, so the name is
// what the panel shows, after what the panel stands for unless the text
// says that itself.
class StatusPanel : public QLabel {
    Q_OBJECT

  public:
    // How the accessible name is made from the text shown.
    enum class Naming {
        kMeaningAndText,  // "マウスの下のマス（行,列）：2,3"
        kTextAlone,  // "元に戻せる回数：2　やり直せる回数：0"; the meaning as the description
    };

    // name: the object name; meaning: what the panel shows, such as
    // "元に戻せる回数とやり直せる回数", its name while it shows nothing.
    StatusPanel(const char* name, const QString& meaning, Naming naming = Naming::kMeaningAndText);

    // Shows text and tells assistive tools.
    void Show(const QString& text);

  private:
    QString meaning_;
    Naming naming_;
};

}  // namespace korvane
