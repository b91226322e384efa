#include "main/TypesetNumber.h"

#include <QFontMetricsF>
#include <vector>

#include "core/formats/NumberParts.h"

namespace korvane {

namespace {

// How far a script is moved from the baseline, in percent of its height.
constexpr qreal kRaise = 40;
constexpr qreal kLower = -20;

// A run of a number's text: plain, or a fraction when it has a denominator.
struct Piece {
    QString text;  // the numerator of a fraction
    QString denominator;
};

QString Digits(std::string_view digits) {
    return QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
}

void AddPlain(std::vector<Piece>& pieces, const QString& text) {
    if (!pieces.empty() && pieces.back().denominator.isEmpty()) {
        pieces.back().text += text;
    } else {
        pieces.push_back({text, {}});
    }
}

// A part's digits, "1" standing for the unwritten coefficient of "i/2".
void AddMagnitude(std::vector<Piece>& pieces, const NumberParts::Part& part) {
    if (part.denominator.empty()) {
        AddPlain(pieces, Digits(part.numerator));
        return;
    }
    const QString numerator = part.numerator.empty() ? QStringLiteral("1") : Digits(part.numerator);
    pieces.push_back({numerator, Digits(part.denominator)});
}

std::vector<Piece> PiecesOf(std::string_view text) {
    const std::optional<NumberParts> parts = SplitNumberText(text);
    if (!parts) return {{QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), {}}};
    std::vector<Piece> pieces;
    if (parts->re.present) {
        if (parts->re.negative) AddPlain(pieces, QStringLiteral("\u2212"));
        AddMagnitude(pieces, parts->re);
    }
    if (parts->im.present) {
        if (parts->im.negative) {
            AddPlain(pieces,
                     parts->re.present ? QStringLiteral(" \u2212 ") : QStringLiteral("\u2212"));
        } else if (parts->re.present) {
            AddPlain(pieces, QStringLiteral(" + "));
        }
        AddMagnitude(pieces, parts->im);
        AddPlain(pieces, QStringLiteral("i"));
    }
    return pieces;
}

QTextCharFormat Script(const QTextCharFormat& format, qreal offset) {
    QTextCharFormat script = format;
    script.setFontPointSize(kScriptPoints);
    script.setBaselineOffset(offset);
    return script;
}

}  // namespace

QTextCharFormat Raised(const QTextCharFormat& format) {
    return Script(format, kRaise);
}

QTextCharFormat Lowered(const QTextCharFormat& format) {
    return Script(format, kLower);
}

void TypesetNumber(QTextCursor& cursor, std::string_view text, const QTextCharFormat& format) {
    const QTextCharFormat raised = Raised(format);
    const QTextCharFormat lowered = Lowered(format);
    for (const Piece& piece : PiecesOf(text)) {
        if (piece.denominator.isEmpty()) {
            cursor.insertText(piece.text, format);
            continue;
        }
        cursor.insertText(piece.text, raised);
        cursor.insertText(QStringLiteral("/"), format);
        cursor.insertText(piece.denominator, lowered);
    }
}

qreal TypesetWidth(std::string_view text, const QFont& font, QPaintDevice* device) {
    QFont small = font;
    small.setPointSizeF(kScriptPoints);
    const QFontMetricsF body(font, device);
    const QFontMetricsF script(small, device);
    qreal width = 0;
    for (const Piece& piece : PiecesOf(text)) {
        if (piece.denominator.isEmpty()) {
            width += body.horizontalAdvance(piece.text);
        } else {
            width += script.horizontalAdvance(piece.text) + body.horizontalAdvance(u'/') +
                     script.horizontalAdvance(piece.denominator);
        }
    }
    return width;
}

}  // namespace korvane
