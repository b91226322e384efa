#pragma once

#include <QTextTable>

namespace korvane {

// Tables of a typeset log: no borders, spacing or padding of their own, so
// that only the rules a cell asks for are drawn (brackets, the bar of an
// augmented matrix, the rule of a fraction).
QTextTableFormat BareTableFormat();

// The sides of a cell that carry a rule.
struct CellRules {
    bool left = false;
    bool right = false;
    bool top = false;
    bool bottom = false;
};

// Gives cell its rules, the padding around its text (in the document's
// units) and vertically centred content.
void FormatCell(QTextTableCell cell, CellRules rules, qreal paddingX, qreal paddingY = 0);

// Where text goes on after table: the first position behind it.
QTextCursor CursorAfter(const QTextTable& table);

}  // namespace korvane
