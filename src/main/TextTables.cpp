#include "main/TextTables.h"

#include <QTextCursor>

namespace korvane {

namespace {

constexpr qreal kRuleWidth = 1.0;

}  // namespace

QTextTableFormat BareTableFormat() {
    QTextTableFormat format;
    format.setBorder(0);
    // Only in collapsed mode does a table draw the borders its cells ask for.
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(0);
    format.setMargin(0);
    format.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return format;
}

void FormatCell(QTextTableCell cell, CellRules rules, qreal paddingX, qreal paddingY) {
    QTextTableCellFormat format = cell.format().toTableCellFormat();
    const QBrush ink(Qt::black);
    const auto rule = [](bool on) { return on ? kRuleWidth : 0.0; };
    const auto style = [](bool on) {
        return on ? QTextFrameFormat::BorderStyle_Solid : QTextFrameFormat::BorderStyle_None;
    };
    format.setLeftBorder(rule(rules.left));
    format.setLeftBorderStyle(style(rules.left));
    format.setRightBorder(rule(rules.right));
    format.setRightBorderStyle(style(rules.right));
    format.setTopBorder(rule(rules.top));
    format.setTopBorderStyle(style(rules.top));
    format.setBottomBorder(rule(rules.bottom));
    format.setBottomBorderStyle(style(rules.bottom));
    format.setBorderBrush(ink);
    format.setLeftPadding(paddingX);
    format.setRightPadding(paddingX);
    format.setTopPadding(paddingY);
    format.setBottomPadding(paddingY);
    format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    cell.setFormat(format);
}

QTextCursor CursorAfter(const QTextTable& table) {
    QTextCursor cursor = table.lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
    return cursor;
}

}  // namespace korvane
