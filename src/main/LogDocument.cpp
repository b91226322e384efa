// The step log for paper, built from the log's reading as it arrives: the
// same reading the marked-up exports use, so every form shows the same
// matrices, bars and operations.
#include "main/LogDocument.h"

#include <QFont>
#include <QTextCursor>
#include <QTextTable>

#include "core/engine/RowOperationText.h"
#include "main/TextTables.h"
#include "main/TypesetNumber.h"
#include "mklibs/Errors.h"

namespace korvane {

namespace {

constexpr qreal kBodyPoints = 10.5;
constexpr qreal kParagraphGap = 4;  // below a sentence, in the document's units
constexpr qreal kEntryPaddingX = 5;
constexpr qreal kEntryPaddingY = 1.5;
constexpr qreal kBracketWidth = 4;

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

void Centre(QTextCursor& cursor) {
    QTextBlockFormat format = cursor.blockFormat();
    format.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(format);
}

// A matrix as a table between square brackets: a narrow column on each side
// draws a bracket with its rules, and the column after the bar a rule on
// its left.
void InsertMatrix(QTextCursor& cursor, const LogMatrix& matrix) {
    const int rows = static_cast<int>(matrix.rows.size());
    const int cols = static_cast<int>(matrix.rows.front().size());
    QTextTableFormat format = BareTableFormat();
    QList<QTextLength> widths(cols + 2, QTextLength());
    widths.front() = widths.back() = QTextLength(QTextLength::FixedLength, kBracketWidth);
    format.setColumnWidthConstraints(widths);
    QTextTable* table = cursor.insertTable(rows, cols + 2, format);
    for (int r = 0; r < rows; ++r) {
        const bool first = r == 0;
        const bool last = r == rows - 1;
        FormatCell(table->cellAt(r, 0), {.left = true, .top = first, .bottom = last}, 0);
        FormatCell(table->cellAt(r, cols + 1), {.right = true, .top = first, .bottom = last}, 0);
        for (int c = 0; c < cols; ++c) {
            const bool bar = matrix.barAfter > 0 && c == matrix.barAfter;
            FormatCell(table->cellAt(r, c + 1), {.left = bar}, kEntryPaddingX, kEntryPaddingY);
            QTextCursor inCell = table->cellAt(r, c + 1).firstCursorPosition();
            Centre(inCell);
            TypesetNumber(inCell,
                          matrix.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
        }
    }
    cursor = CursorAfter(*table);
}

// The notation with its subscript digits (R₁) set as digits lowered, which
// every font has.
void InsertNotation(QTextCursor& cursor, const QString& notation) {
    QTextCharFormat lowered;
    lowered.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    for (const QChar c : notation) {
        if (c.unicode() >= 0x2080 && c.unicode() <= 0x2089) {
            cursor.insertText(QString(QChar(u'0' + (c.unicode() - 0x2080))), lowered);
        } else {
            cursor.insertText(QString(c), QTextCharFormat());
        }
    }
}

class LogTypesetter : public LogVisitor {
  public:
    LogTypesetter(QTextDocument& document, const ExportOptions& options)
        : cursor_(&document), notation_(options.notation) {
        QTextCharFormat heading;
        heading.setFontPointSize(kBodyPoints * 1.4);
        heading.setFontWeight(QFont::Bold);
        cursor_.insertText(FromUtf8(options.title), heading);
        NextBlock();
    }

    void Sentence(std::string_view text, const std::optional<RowOperation>&) override {
        cursor_.insertText(FromUtf8(text));
        NextBlock();
    }

    void Matrix(const LogMatrix& matrix) override {
        if (matrix.rows.empty() || matrix.rows.front().empty()) return;
        if (!notation_ || !matrix.reachedBy) {
            InsertMatrix(cursor_, matrix);
        } else {
            // The operation over a long arrow, then the matrix it reached.
            QTextTable* row = cursor_.insertTable(1, 2, BareTableFormat());
            FormatCell(row->cellAt(0, 0), {}, 4);
            QTextCursor arrow = row->cellAt(0, 0).firstCursorPosition();
            Centre(arrow);
            InsertNotation(arrow, FromUtf8(RowOperationNotation(*matrix.reachedBy)));
            arrow.insertBlock();
            QTextCharFormat large;
            large.setFontPointSize(kBodyPoints * 1.8);
            arrow.insertText(QStringLiteral("\u2192"), large);
            FormatCell(row->cellAt(0, 1), {}, 0);
            QTextCursor inCell = row->cellAt(0, 1).firstCursorPosition();
            InsertMatrix(inCell, matrix);
            cursor_ = CursorAfter(*row);
        }
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
            if (!column.rows.empty()) InsertMatrix(inCell, column);
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

std::unique_ptr<QTextDocument> TypesetLog(const LogStore& log, const ExportOptions& options) {
    if (log.ByteCount() > kMaxTypesetLogBytes) {
        std::string message = "途中の計算が長すぎるので、PDF や印刷にはできません（";
        message += std::to_string(kMaxTypesetLogBytes >> 20);
        message += " MB まで）。テキストなどの形式で保存してください。";
        throw Error(message);
    }
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(BodyFont());
    document->setUndoRedoEnabled(false);
    LogTypesetter typesetter(*document, options);
    LogReading reading(typesetter, options.augmented);
    log.Replay([&reading](std::string_view line) { reading.Line(line); });
    reading.Finish();
    return document;
}

}  // namespace korvane
