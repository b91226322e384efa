#include "main/LogPane.h"

#include <QPainter>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextLayout>

namespace korvane {

namespace {

constexpr QChar kNoBreakSpace(0x00A0);
// Room added beside the rule, in pixels, so that it stands clear of the
// entries on either side.
constexpr qreal kRuleRoom = 8;

// Finds the rows that take a rule as they reach the pane, keeps where the
// rule goes as the block's state and widens the blank it stands in. The
// format lives in the row's layout only: the text stays the log's.
class RuleRoom : public QSyntaxHighlighter {
  public:
    explicit RuleRoom(const LogPane& pane) : QSyntaxHighlighter(pane.document()), pane_(pane) {
        room_.setFontLetterSpacingType(QFont::AbsoluteSpacing);
        room_.setFontLetterSpacing(kRuleRoom);
    }

  protected:
    void highlightBlock(const QString& text) override {
        const int rule = pane_.RulePosition(text);
        setCurrentBlockState(rule);
        if (rule >= 0) setFormat(rule, 1, room_);
    }

  private:
    const LogPane& pane_;
    QTextCharFormat room_;
};

}  // namespace

LogPane::LogPane(QWidget* parent) : QPlainTextEdit(parent) {
    new RuleRoom(*this);  // owned by the document
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Between words and between Japanese characters, never inside a number.
    setWordWrapMode(QTextOption::WordWrap);
}

void LogPane::SetAugmented(AugmentedShape shape) {
    augmented_ = shape;
}

int LogPane::RulePosition(const QString& row) const {
    if (augmented_.totalCols <= 0 || !row.startsWith(QStringLiteral("\u00A0\u00A0(\u00A0")) ||
        !row.endsWith(QLatin1Char(')')))
        return -1;
    // Entries are runs of other characters between the blanks; the rule
    // goes in the last blank before entry leftCols (from 0).
    int entries = 0;
    int rule = -1;
    for (qsizetype i = 3; i + 1 < row.size(); ++i) {
        if (row[i] != kNoBreakSpace || row[i + 1] == kNoBreakSpace) continue;
        if (entries == augmented_.leftCols) rule = static_cast<int>(i);
        ++entries;
    }
    return entries - 1 == augmented_.totalCols ? rule : -1;
}

void LogPane::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Text), 1));
    const QPointF offset = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF box = blockBoundingGeometry(block).translated(offset);
        if (box.top() > viewport()->height()) break;
        const int rule = block.userState();
        if (rule < 0) continue;
        const QTextLine line = block.layout()->lineForTextPosition(rule);
        const qreal x = box.left() + (line.cursorToX(rule) + line.cursorToX(rule + 1)) / 2;
        painter.drawLine(QPointF(x, box.top()), QPointF(x, box.bottom()));
    }
}

}  // namespace korvane
