#include "main/TypesetNumber.h"

#include <QTextTable>
#include <vector>

#include "core/formats/NumberParts.h"
#include "main/TextTables.h"

namespace korvane {

namespace {

const QString kMinus = QStringLiteral("\u2212");

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

std::vector<Piece> PiecesOf(const NumberParts& parts) {
    std::vector<Piece> pieces;
    if (parts.re.present) {
        if (parts.re.negative) AddPlain(pieces, kMinus);
        AddMagnitude(pieces, parts.re);
    }
    if (parts.im.present) {
        if (parts.im.negative) {
            AddPlain(pieces, parts.re.present ? QStringLiteral(" \u2212 ") : kMinus);
        } else if (parts.re.present) {
            AddPlain(pieces, QStringLiteral(" + "));
        }
        AddMagnitude(pieces, parts.im);
        AddPlain(pieces, QStringLiteral("i"));
    }
    return pieces;
}

// The pieces side by side in a table of two rows: a fraction's numerator
// over its denominator, a plain run across both.
void InsertStacked(QTextCursor& cursor, const std::vector<Piece>& pieces) {
    const int n = static_cast<int>(pieces.size());
    QTextTable* table = cursor.insertTable(2, n, BareTableFormat());
    for (int c = 0; c < n; ++c) {
        const Piece& piece = pieces[static_cast<std::size_t>(c)];
        if (piece.denominator.isEmpty()) {
            table->mergeCells(0, c, 2, 1);
            FormatCell(table->cellAt(0, c), {}, 0);
            table->cellAt(0, c).firstCursorPosition().insertText(piece.text);
            continue;
        }
        FormatCell(table->cellAt(0, c), {.bottom = true}, 1);
        FormatCell(table->cellAt(1, c), {}, 1);
        for (int r = 0; r < 2; ++r) {
            QTextCursor inCell = table->cellAt(r, c).firstCursorPosition();
            QTextBlockFormat centred = inCell.blockFormat();
            centred.setAlignment(Qt::AlignHCenter);
            inCell.setBlockFormat(centred);
            inCell.insertText(r == 0 ? piece.text : piece.denominator);
        }
    }
    cursor = CursorAfter(*table);
}

}  // namespace

void TypesetNumber(QTextCursor& cursor, std::string_view text) {
    const std::optional<NumberParts> parts = SplitNumberText(text);
    if (!parts) {
        cursor.insertText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        return;
    }
    const std::vector<Piece> pieces = PiecesOf(*parts);
    if (pieces.size() == 1 && pieces.front().denominator.isEmpty()) {
        cursor.insertText(pieces.front().text);
    } else {
        InsertStacked(cursor, pieces);
    }
}

}  // namespace korvane
