#include "main/StatusPanel.h"

namespace korvane {

StatusPanel::StatusPanel(const char* name, const QString& meaning, Naming naming)
    : meaning_(meaning), naming_(naming) {
    setObjectName(QString::fromLatin1(name));
    setAccessibleName(meaning_);
    if (naming_ == Naming::kTextAlone) setAccessibleDescription(meaning_);
}

void StatusPanel::Show(const QString& text) {
    if (text == this->text()) return;  // the mouse readout changes often, its text seldom
    setText(text);
    if (text.isEmpty()) {
        setAccessibleName(meaning_);
    } else {
        setAccessibleName(naming_ == Naming::kTextAlone ? text
                                                        : meaning_ + QStringLiteral("：") + text);
    }
}

}  // namespace korvane
