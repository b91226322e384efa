#include "main/TypesetNumber.h"

#include <vector>

#include "core/formats/NumberParts.h"

namespace korvane {

namespace {

// Raised and lowered text is set smaller; this is its share of a width.
constexpr double kScriptShare = 0.65;

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

}  // namespace

void TypesetNumber(QTextCursor& cursor, std::string_view text, const QTextCharFormat& format) {
    QTextCharFormat raised = format;
    raised.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    QTextCharFormat lowered = format;
    lowered.setVerticalAlignment(QTextCharFormat::AlignSubScript);
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

double TypesetWidth(std::string_view text) {
    double width = 0;
    for (const Piece& piece : PiecesOf(text)) {
        width += static_cast<double>(piece.text.size());
        if (!piece.denominator.isEmpty()) {
            width = width - static_cast<double>(piece.text.size()) * (1 - kScriptShare) + 1 +
                    static_cast<double>(piece.denominator.size()) * kScriptShare;
        }
    }
    return width;
}

}  // namespace korvane
