#pragma once

// The pieces of the log on paper, each a small document of its own that the
// pages stack: a paragraph, a display, one block of a matrix's columns.
#include <QFont>
#include <QTextDocument>
#include <memory>
#include <string_view>
#include <vector>

#include "core/formats/LogReading.h"
#include "core/formats/MatrixBlocks.h"

class QPaintDevice;

namespace korvane {

// What every piece is made for: the device its metrics come from and the
// width of its lines there, in the device's pixels.
struct PieceFrame {
    QPaintDevice* device = nullptr;
    qreal width = 0;
    QFont font;  // the body's, kBodyPoints
};

// A sentence: prose with its formulas set as mathematics, wrapped at the
// width.
std::unique_ptr<QTextDocument> ParagraphPiece(const PieceFrame& frame, std::string_view sentence);
// A line that is one formula, centred; its vectors as bracketed columns.
std::unique_ptr<QTextDocument> DisplayPiece(const PieceFrame& frame, std::string_view formula);
// The title, larger and bold.
std::unique_ptr<QTextDocument> TitlePiece(const PieceFrame& frame, std::string_view title);
// span{ v₁, v₂, … } with each vector a bracketed column; {0} for none.
std::unique_ptr<QTextDocument> SpanPiece(const PieceFrame& frame,
                                         const std::vector<std::vector<std::string>>& vectors);

// A matrix set as column blocks that fit the width at the entries' own size
// (MatrixBlocks), each block a piece: the first opens the brackets and
// carries the row operation over an arrow (when notation), the last closes
// them, and a bar at a block's edge is drawn there. The blocks after the
// first keep the arrow's room, so that they line up under it.
std::vector<std::unique_ptr<QTextDocument>> MatrixPieces(const PieceFrame& frame,
                                                         const LogMatrix& matrix, bool notation);

// The height a piece takes on its device.
qreal PieceHeight(QTextDocument& piece);

}  // namespace korvane
