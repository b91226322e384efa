#include "main/LogPieces.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextTable>
#include <algorithm>

#include "core/engine/RowOperationText.h"
#include "core/formats/Formula.h"
#include "main/FormulaText.h"
#include "main/TextTables.h"
#include "main/TypesetNumber.h"

namespace korvane {

namespace {

// Lengths of the documents' formats, in 1/96 inch, which the layout scales
// to the device.
constexpr qreal kEntryPaddingX = 5;
constexpr qreal kEntryPaddingY = 1.5;
constexpr qreal kBracketWidth = 4;
constexpr qreal kGap = 5;          // above and below a display
constexpr qreal kRowSpacing = 1.35;  // of the body's line: room for a fraction's scripts
constexpr qreal kMostArrow = 0.3;    // of the line; a longer notation wraps over its arrow

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Device pixels to one document unit.
qreal Scale(const PieceFrame& frame) {
    return frame.device->logicalDpiX() / 96.0;
}

// One edit while it lives: a piece is laid out once, when it is whole.
class EditBlock {
  public:
    explicit EditBlock(QTextCursor& cursor) : cursor_(cursor) { cursor_.beginEditBlock(); }
    ~EditBlock() { cursor_.endEditBlock(); }
    EditBlock(const EditBlock&) = delete;
    EditBlock& operator=(const EditBlock&) = delete;

  private:
    QTextCursor& cursor_;
};

std::unique_ptr<QTextDocument> NewPiece(const PieceFrame& frame) {
    auto piece = std::make_unique<QTextDocument>();
    piece->setUndoRedoEnabled(false);
    piece->documentLayout()->setPaintDevice(frame.device);
    piece->setDefaultFont(frame.font);
    piece->setDocumentMargin(0);
    piece->setTextWidth(frame.width);
    QTextOption wrapping = piece->defaultTextOption();
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    piece->setDefaultTextOption(wrapping);
    return piece;
}

QTextCharFormat BodyFormat() {
    QTextCharFormat format;
    format.setFontPointSize(kBodyPoints);
    return format;
}

// Centred, and at least as tall as a row with fractions, so that every row
// of a matrix is as tall as the others. The column blocks fit the line; only
// an entry or a notation wider than the line itself wraps, at its signs or
// between digits, rather than run off the paper.
void Centre(QTextCursor& cursor, qreal minimumHeight = 0) {
    QTextBlockFormat format = cursor.blockFormat();
    format.setAlignment(Qt::AlignHCenter);
    if (minimumHeight > 0) format.setLineHeight(minimumHeight, QTextBlockFormat::MinimumHeight);
    cursor.setBlockFormat(format);
}

void Gap(QTextCursor& cursor) {
    QTextBlockFormat format = cursor.blockFormat();
    format.setTopMargin(kGap);
    format.setBottomMargin(kGap);
    cursor.setBlockFormat(format);
}

// In document units, as the block formats take it.
qreal RowHeight(const PieceFrame& frame) {
    return QFontMetricsF(frame.font, frame.device).height() * kRowSpacing / Scale(frame);
}

// The operation over an arrow, both centred at the top of the cell.
void InsertArrow(QTextTableCell cell, const RowOperation& operation) {
    QTextCursor arrow = cell.firstCursorPosition();
    Centre(arrow);
    TypesetFormula(arrow, ReadFormula(RowOperationNotation(operation)), BodyFormat());
    arrow.insertBlock();
    QTextCharFormat big = BodyFormat();
    big.setFontPointSize(kBodyPoints * 1.8);
    arrow.insertText(QStringLiteral("\u2192"), big);
}

// The width the arrow takes, in device pixels, with its cell's padding.
qreal ArrowWidth(const PieceFrame& frame, const RowOperation& operation) {
    const std::unique_ptr<QTextDocument> notation = NewPiece(frame);
    QTextCursor cursor(notation.get());
    {
        const EditBlock edit(cursor);
        TypesetFormula(cursor, ReadFormula(RowOperationNotation(operation)), BodyFormat());
    }
    return notation->idealWidth() + 2 * kEntryPaddingX * Scale(frame);
}

// Which sides of the block a bar stands at, and where inside it.
struct Bars {
    bool left = false;   // the block starts at the bar
    bool right = false;  // the block ends at it
};

Bars BarsOf(const LogMatrix& matrix, ColumnBlock block) {
    const auto bar = static_cast<std::size_t>(std::max(matrix.barAfter, 0));
    if (bar == 0) return {};
    return {block.first == bar, block.first + block.count == bar};
}

struct BlockShape {
    ColumnBlock block;
    bool opens = true;
    bool closes = true;
    qreal arrowWidth = 0;  // in document units; 0 for no arrow column
};

void FillEntries(QTextTable& table, const LogMatrix& matrix, const BlockShape& shape,
                 int firstColumn, qreal rowHeight) {
    const QTextCharFormat text = BodyFormat();
    const Bars bars = BarsOf(matrix, shape.block);
    const int rows = static_cast<int>(matrix.rows.size());
    const int cols = static_cast<int>(shape.block.count);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const std::size_t column = shape.block.first + static_cast<std::size_t>(c);
            const bool barLeft = (matrix.barAfter > 0 && column == static_cast<std::size_t>(matrix.barAfter) && c > 0) ||
                                 (c == 0 && bars.left);
            QTextTableCell cell = table.cellAt(r, firstColumn + c);
            FormatCell(cell, {.left = barLeft, .right = c == cols - 1 && bars.right},
                       kEntryPaddingX, kEntryPaddingY);
            QTextCursor inCell = cell.firstCursorPosition();
            Centre(inCell, rowHeight);
            TypesetNumber(inCell, matrix.rows[static_cast<std::size_t>(r)][column], text);
        }
    }
}

// One block of a matrix as a table: [arrow] [left bracket] entries [right
// bracket], the brackets narrow columns drawn by their rules.
std::unique_ptr<QTextDocument> BlockPiece(const PieceFrame& frame, const LogMatrix& matrix,
                                          const BlockShape& shape, bool centred) {
    std::unique_ptr<QTextDocument> piece = NewPiece(frame);
    QTextCursor cursor(piece.get());
    cursor.beginEditBlock();
    Gap(cursor);
    const int rows = static_cast<int>(matrix.rows.size());
    const int arrow = shape.arrowWidth > 0 ? 1 : 0;
    const int open = shape.opens ? 1 : 0;
    const int cols = arrow + open + static_cast<int>(shape.block.count) + (shape.closes ? 1 : 0);
    QTextTableFormat format = BareTableFormat();
    if (centred) format.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    QList<QTextLength> widths(cols, QTextLength());
    if (arrow) widths[0] = QTextLength(QTextLength::FixedLength, shape.arrowWidth);
    if (shape.opens) widths[arrow] = QTextLength(QTextLength::FixedLength, kBracketWidth);
    if (shape.closes) widths.back() = QTextLength(QTextLength::FixedLength, kBracketWidth);
    format.setColumnWidthConstraints(widths);
    QTextTable* table = cursor.insertTable(rows, cols, format);
    if (arrow) {
        table->mergeCells(0, 0, rows, 1);
        FormatCell(table->cellAt(0, 0), {}, kEntryPaddingX);
        if (matrix.reachedBy && shape.opens) InsertArrow(table->cellAt(0, 0), *matrix.reachedBy);
    }
    for (int r = 0; r < rows; ++r) {
        const CellRules ends{.top = r == 0, .bottom = r == rows - 1};
        if (shape.opens) FormatCell(table->cellAt(r, arrow), {.left = true, .top = ends.top, .bottom = ends.bottom}, 0);
        if (shape.closes)
            FormatCell(table->cellAt(r, cols - 1), {.right = true, .top = ends.top, .bottom = ends.bottom}, 0);
    }
    FillEntries(*table, matrix, shape, arrow + open, RowHeight(frame));
    cursor.endEditBlock();
    return piece;
}

// Each column's widest entry with its padding, in device pixels.
std::vector<qreal> ColumnWidths(const PieceFrame& frame, const LogMatrix& matrix) {
    std::vector<qreal> widths(matrix.rows.front().size(), 0.0);
    for (const std::vector<std::string>& row : matrix.rows) {
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], TypesetWidth(row[c], frame.font, frame.device));
    }
    for (qreal& width : widths)
        width += 2 * kEntryPaddingX * Scale(frame) + 1;
    return widths;
}

// A column vector of numbers between brackets, in a cell of a row of parts.
void InsertColumn(QTextCursor cursor, const PieceFrame& frame, const std::vector<std::string>& entries) {
    LogMatrix column;
    for (const std::string& entry : entries)
        column.rows.push_back({entry});
    if (column.rows.empty()) return;
    const std::vector<std::unique_ptr<QTextDocument>> pieces = MatrixPieces(frame, column, false);
    // One block always: a column is narrow. Its table is copied in.
    cursor.insertFragment(QTextDocumentFragment(pieces.front().get()));
}

}  // namespace

std::unique_ptr<QTextDocument> ParagraphPiece(const PieceFrame& frame, std::string_view sentence) {
    std::unique_ptr<QTextDocument> piece = NewPiece(frame);
    QTextCursor cursor(piece.get());
    cursor.beginEditBlock();
    for (const SentencePiece& part : SplitFormulas(sentence)) {
        if (part.formula) {
            TypesetFormula(cursor, ReadFormula(part.text), BodyFormat());
        } else {
            cursor.insertText(FromUtf8(part.text), BodyFormat());
        }
    }
    cursor.endEditBlock();
    return piece;
}

std::unique_ptr<QTextDocument> DisplayPiece(const PieceFrame& frame, std::string_view text) {
    const Formula formula = ReadFormula(text);
    std::unique_ptr<QTextDocument> piece = NewPiece(frame);
    QTextCursor cursor(piece.get());
    const EditBlock edit(cursor);
    Gap(cursor);
    Centre(cursor);
    const bool vectors = std::any_of(formula.begin(), formula.end(), [](const FormulaNode& node) {
        return node.kind == FormulaNode::Kind::kVector;
    });
    if (!vectors) {
        TypesetFormula(cursor, formula, BodyFormat());
        return piece;
    }
    // A row of cells: runs of the formula, and each vector as a column.
    int cells = 0;
    for (std::size_t k = 0; k < formula.size(); ++k) {
        if (formula[k].kind == FormulaNode::Kind::kVector || k == 0 ||
            formula[k - 1].kind == FormulaNode::Kind::kVector)
            ++cells;
    }
    QTextTableFormat format = BareTableFormat();
    format.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    QTextTable* row = cursor.insertTable(1, cells, format);
    int cell = -1;
    Formula run;
    const auto flush = [&] {
        if (run.empty()) return;
        QTextCursor inCell = row->cellAt(0, cell).firstCursorPosition();
        TypesetFormula(inCell, run, BodyFormat());
        run.clear();
    };
    for (std::size_t k = 0; k < formula.size(); ++k) {
        const bool vector = formula[k].kind == FormulaNode::Kind::kVector;
        if (vector || k == 0 || formula[k - 1].kind == FormulaNode::Kind::kVector) {
            flush();
            FormatCell(row->cellAt(0, ++cell), {}, 2);
        }
        if (vector) {
            InsertColumn(row->cellAt(0, cell).firstCursorPosition(), frame, formula[k].entries);
        } else {
            run.push_back(formula[k]);
        }
    }
    flush();
    return piece;
}

std::unique_ptr<QTextDocument> TitlePiece(const PieceFrame& frame, std::string_view title) {
    std::unique_ptr<QTextDocument> piece = NewPiece(frame);
    QTextCharFormat heading = BodyFormat();
    heading.setFontPointSize(kBodyPoints * 1.4);
    heading.setFontWeight(QFont::Bold);
    QTextCursor(piece.get()).insertText(FromUtf8(title), heading);
    return piece;
}

std::unique_ptr<QTextDocument> SpanPiece(const PieceFrame& frame,
                                         const std::vector<std::vector<std::string>>& vectors) {
    std::string text = "span{";
    for (std::size_t k = 0; k < vectors.size(); ++k) {
        text += k > 0 ? ",(" : "(";
        for (std::size_t e = 0; e < vectors[k].size(); ++e)
            text += (e > 0 ? "," : "") + vectors[k][e];
        text += ")";
    }
    return DisplayPiece(frame, vectors.empty() ? "{0}" : text + "}");
}

std::vector<std::unique_ptr<QTextDocument>> MatrixPieces(const PieceFrame& frame,
                                                         const LogMatrix& matrix, bool notation) {
    std::vector<std::unique_ptr<QTextDocument>> pieces;
    if (matrix.rows.empty() || matrix.rows.front().empty()) return pieces;
    const qreal scale = Scale(frame);
    const qreal arrow = notation && matrix.reachedBy
                            ? std::min(ArrowWidth(frame, *matrix.reachedBy), kMostArrow * frame.width)
                            : 0;
    const qreal room = frame.width - arrow - 2 * kBracketWidth * scale - 2;
    const std::vector<ColumnBlock> blocks = SplitColumns(
        ColumnWidths(frame, matrix), room, static_cast<std::size_t>(std::max(matrix.barAfter, 0)));
    for (const ColumnBlock& block : blocks) {
        const BlockShape shape{block, block.first == 0,
                               block.first + block.count == matrix.rows.front().size(),
                               arrow / scale};
        pieces.push_back(BlockPiece(frame, matrix, shape, blocks.size() == 1));
    }
    return pieces;
}

qreal PieceHeight(QTextDocument& piece) {
    return piece.documentLayout()->documentSize().height();
}

}  // namespace korvane
