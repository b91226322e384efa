// The step log for paper, built from the log's reading as it arrives: the
// same reading the marked-up exports use, so every form shows the same
// matrices, bars and operations.
#include "main/LogDocument.h"

#include <QFont>
#include <QTextCursor>
#include <QTextTable>
#include <algorithm>

#include "core/engine/RowOperationText.h"
#include "main/TextTables.h"
#include "main/TypesetNumber.h"
#include "mklibs/Errors.h"

namespace korvane {

namespace {

constexpr qreal kBodyPoints = 10.5;
constexpr qreal kSmallestPoints = 3;
constexpr qreal kParagraphGap = 4;  // below a sentence; lengths in 1/96 inch
constexpr qreal kEntryPaddingX = 5;
constexpr qreal kEntryPaddingY = 1.5;
constexpr qreal kBracketWidth = 4;
// The text's width on A4 between the 2 cm margins the printed document keeps,
// in points, and about how wide a digit is in the fonts, in ems.
constexpr qreal kTextWidthPoints = (210 - 40) / 25.4 * 72;
constexpr qreal kDigitEms = 0.6;
constexpr qreal kPointsPerPixel = 72.0 / 96.0;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont BodyFont() {
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kBodyPoints);
    return font;
}

// Centred, and never broken: a number or a notation stays on one line.
void Centre(QTextCursor& cursor) {
    QTextBlockFormat format = cursor.blockFormat();
    format.setAlignment(Qt::AlignHCenter);
    format.setNonBreakableLines(true);
    cursor.setBlockFormat(format);
}

// The notation with its subscript digits (R₁) set as digits lowered, which
// every font has.
void InsertNotation(QTextCursor& cursor, const QString& notation, const QTextCharFormat& format) {
    QTextCharFormat lowered = format;
    lowered.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    for (const QChar c : notation) {
        if (c.unicode() >= 0x2080 && c.unicode() <= 0x2089) {
            cursor.insertText(QString(QChar(u'0' + (c.unicode() - 0x2080))), lowered);
        } else {
            cursor.insertText(QString(c), format);
        }
    }
}

// The point size at which a matrix (and the notation before it, when
// given) fits the text's width: the body's, or smaller for a wide one.
qreal FittingPoints(const LogMatrix& matrix, const QString& notation) {
    double ems = notation.size() * kDigitEms;
    double pixels = 2 * kBracketWidth + (notation.isEmpty() ? 0 : 2 * kEntryPaddingX);
    for (std::size_t c = 0; c < matrix.rows.front().size(); ++c) {
        double widest = 0;
        for (const auto& row : matrix.rows)
            widest = std::max(widest, TypesetWidth(row[c]));
        ems += widest * kDigitEms;
        pixels += 2 * kEntryPaddingX;
    }
    // Everything scales with the size: the paddings shrink with the text.
    const double points = ems * kBodyPoints + pixels * kPointsPerPixel;
    return std::clamp(kBodyPoints * kTextWidthPoints / points, kSmallestPoints, kBodyPoints);
}

// The operation over an arrow, at the top of the cell: when a matrix breaks
// across pages, the cell's middle may fall between them.
void InsertArrow(QTextTable& table, int rows, const QString& notation, qreal scale) {
    table.mergeCells(0, 0, rows, 1);
    FormatCell(table.cellAt(0, 0), {}, kEntryPaddingX * scale);
    QTextTableCellFormat top = table.cellAt(0, 0).format().toTableCellFormat();
    top.setVerticalAlignment(QTextCharFormat::AlignTop);
    table.cellAt(0, 0).setFormat(top);
    QTextCursor arrow = table.cellAt(0, 0).firstCursorPosition();
    Centre(arrow);
    QTextCharFormat text;
    text.setFontPointSize(kBodyPoints * scale);
    InsertNotation(arrow, notation, text);
    arrow.insertBlock();
    text.setFontPointSize(kBodyPoints * scale * 1.8);
    arrow.insertText(QStringLiteral("\u2192"), text);
}

// A matrix as a table between square brackets, after the operation that
// reached it when notation is given: a narrow column on each side draws a
// bracket with its rules, and the column after the bar a rule on its left.
// scale: of the body's size, for a matrix made to fit.
void InsertMatrix(QTextCursor& cursor, const LogMatrix& matrix, const QString& notation,
                  qreal scale) {
    const int rows = static_cast<int>(matrix.rows.size());
    const int cols = static_cast<int>(matrix.rows.front().size());
    const int left = notation.isEmpty() ? 0 : 1;  // the left bracket's column
    QTextTableFormat format = BareTableFormat();
    QList<QTextLength> widths(left + cols + 2, QTextLength());
    widths[left] = widths.back() = QTextLength(QTextLength::FixedLength, kBracketWidth * scale);
    format.setColumnWidthConstraints(widths);
    QTextTable* table = cursor.insertTable(rows, left + cols + 2, format);
    if (left > 0) InsertArrow(*table, rows, notation, scale);
    QTextCharFormat text;
    text.setFontPointSize(kBodyPoints * scale);
    for (int r = 0; r < rows; ++r) {
        const bool first = r == 0;
        const bool last = r == rows - 1;
        FormatCell(table->cellAt(r, left), {.left = true, .top = first, .bottom = last}, 0);
        FormatCell(table->cellAt(r, left + cols + 1), {.right = true, .top = first, .bottom = last},
                   0);
        for (int c = 0; c < cols; ++c) {
            const bool bar = matrix.barAfter > 0 && c == matrix.barAfter;
            QTextTableCell cell = table->cellAt(r, left + 1 + c);
            FormatCell(cell, {.left = bar}, kEntryPaddingX * scale, kEntryPaddingY * scale);
            QTextCursor inCell = cell.firstCursorPosition();
            Centre(inCell);
            TypesetNumber(inCell,
                          matrix.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)],
                          text);
        }
    }
    cursor = CursorAfter(*table);
}

class LogTypesetter : public LogVisitor {
  public:
    LogTypesetter(QTextDocument& document, const ExportOptions& options)
        : cursor_(&document), notation_(options.notation) {
        QTextCharFormat heading;
        heading.setFontPointSize(kBodyPoints * 1.4);
        heading.setFontWeight(QFont::Bold);
        // One edit for the whole log: the document settles its frames once.
        cursor_.beginEditBlock();
        cursor_.insertText(FromUtf8(options.title), heading);
        NextBlock();
    }

    void End() { cursor_.endEditBlock(); }

    void Sentence(std::string_view text, const std::optional<RowOperation>&) override {
        cursor_.insertText(FromUtf8(text));
        NextBlock();
    }

    void Matrix(const LogMatrix& matrix) override {
        if (matrix.rows.empty() || matrix.rows.front().empty()) return;
        const QString notation = notation_ && matrix.reachedBy
                                     ? FromUtf8(RowOperationNotation(*matrix.reachedBy))
                                     : QString();
        InsertMatrix(cursor_, matrix, notation, FittingPoints(matrix, notation) / kBodyPoints);
    }

    void Span(const std::vector<std::vector<std::string>>& vectors) override {
        if (vectors.empty()) {
            cursor_.insertText(QStringLiteral("{0}"));
            NextBlock();
            return;
        }
        // span{ v₁ , v₂ , … }, each vector a column.
        const int n = static_cast<int>(vectors.size());
        QTextTable* row = cursor_.insertTable(1, 2 * n + 1, BareTableFormat());
        for (int k = 0; k <= 2 * n; ++k)
            FormatCell(row->cellAt(0, k), {}, 1);
        row->cellAt(0, 0).firstCursorPosition().insertText(QStringLiteral("span{"));
        for (int k = 0; k < n; ++k) {
            LogMatrix column;
            for (const std::string& entry : vectors[static_cast<std::size_t>(k)])
                column.rows.push_back({entry});
            QTextCursor inCell = row->cellAt(0, 2 * k + 1).firstCursorPosition();
            if (!column.rows.empty()) InsertMatrix(inCell, column, QString(), 1);
            row->cellAt(0, 2 * k + 2)
                .firstCursorPosition()
                .insertText(k + 1 < n ? QStringLiteral(",") : QStringLiteral("}"));
        }
        cursor_ = CursorAfter(*row);
    }

  private:
    // Starts the next paragraph, a little apart from the one above.
    void NextBlock() {
        QTextBlockFormat paragraph;
        paragraph.setBottomMargin(kParagraphGap);
        cursor_.setBlockFormat(paragraph);
        cursor_.insertBlock(paragraph, QTextCharFormat());
    }

    QTextCursor cursor_;
    bool notation_;
};

}  // namespace

void RequireTypesettable(const LogStore& log) {
    if (log.ByteCount() <= kMaxTypesetLogBytes) return;
    std::string message = "途中の計算が長すぎるので、PDF や印刷にはできません（";
    message += std::to_string(kMaxTypesetLogBytes >> 20);
    message += " MB まで）。テキストなどの形式で保存してください。";
    throw Error(message);
}

std::unique_ptr<QTextDocument> TypesetLog(const LogStore& log, const ExportOptions& options) {
    RequireTypesettable(log);
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(BodyFont());
    document->setUndoRedoEnabled(false);
    LogTypesetter typesetter(*document, options);
    LogReading reading(typesetter, options.augmented);
    log.Replay([&reading](std::string_view line) { reading.Line(line); });
    reading.Finish();
    typesetter.End();
    return document;
}

}  // namespace korvane
