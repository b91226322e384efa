#include "main/StatusPanel.h"

namespace korvane {

StatusPanel::StatusPanel(const char* name, const QString& meaning) : meaning_(meaning) {
    setObjectName(QString::fromLatin1(name));
    setAccessibleName(meaning_);
}

void StatusPanel::Show(const QString& text) {
    if (text == this->text()) return;  // the mouse readout changes often, its text seldom
    setText(text);
    setAccessibleName(text.isEmpty() ? meaning_ : meaning_ + QStringLiteral("：") + text);
}

}  // namespace korvane
