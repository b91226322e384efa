#include "main/WindowFonts.h"

#include <QStringList>

namespace korvane {

namespace {

// The first of families that the system has, else a font of the hint's kind.
QFont FontOf(const QStringList& families, QFont::StyleHint hint, int pixelSize) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace

QFont ControlsFont() {
    return FontOf({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                   QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
                   QStringLiteral("VL PGothic")},
                  QFont::SansSerif, 12);
}

QFont LogFont() {
    QFont font = FontOf(
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
         QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("VL Gothic")},
        QFont::Monospace, 13);
    font.setFixedPitch(true);
    // Log lines of long numbers run to many thousand characters; without
    // shaping, which plain digits and kana never need, they lay out fast.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

}  // namespace korvane
