// The step log for paper, built from the log's reading as it arrives: the
// same reading the marked-up exports use, so every form shows the same
// matrices, bars and operations.
#include "main/LogDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "core/StopSignal.h"
#include "core/formats/Formula.h"
#include "main/LogPieces.h"
#include "main/TypesetNumber.h"
#include "mklibs/Errors.h"

namespace korvane {

namespace {

constexpr qreal kMarginCm = 2;
// Lines read from the log at a time: the store is locked only while it
// hands them over.
constexpr std::size_t kLinesAtATime = 256;

QFont BodyFont() {
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kBodyPoints);
    return font;
}

bool IsFormulaAlone(std::string_view text) {
    const std::vector<SentencePiece> parts = SplitFormulas(text);
    return parts.size() == 1 && parts.front().formula;
}

}  // namespace

// Turns what the log's reading hands on into pieces.
class LogPaper::Typesetter : public LogVisitor {
  public:
    Typesetter(std::vector<Piece>& pieces, const PieceFrame& frame, bool notation)
        : pieces_(pieces), frame_(frame), notation_(notation) {}

    void Sentence(std::string_view text, const std::optional<RowOperation>&) override {
        if (IsFormulaAlone(text)) {
            Introduced(DisplayPiece(frame_, text));
        } else {
            Add(ParagraphPiece(frame_, text));
            afterSentence_ = true;
        }
    }
    void Matrix(const LogMatrix& matrix) override {
        std::vector<std::unique_ptr<QTextDocument>> blocks = MatrixPieces(frame_, matrix, notation_);
        for (std::size_t k = 0; k < blocks.size(); ++k) {
            if (k == 0) {
                Introduced(std::move(blocks[k]));
            } else {
                pieces_.back().keepWithNext = true;
                Add(std::move(blocks[k]));
            }
        }
    }
    void Span(const std::vector<std::vector<std::string>>& vectors) override {
        Introduced(SpanPiece(frame_, vectors));
    }
    void Add(std::unique_ptr<QTextDocument> document) {
        const qreal height = PieceHeight(*document);
        pieces_.push_back({std::move(document), height, false, 0});
        afterSentence_ = false;
    }

  private:
    // A display goes with the sentence just before it, which introduces it.
    void Introduced(std::unique_ptr<QTextDocument> document) {
        if (afterSentence_) pieces_.back().keepWithNext = true;
        Add(std::move(document));
    }

    std::vector<Piece>& pieces_;
    const PieceFrame& frame_;
    bool notation_;
    bool afterSentence_ = false;  // the last piece is a sentence
};

LogPaper::LogPaper(const LogStore& log, const ExportOptions& options, QPagedPaintDevice& device,
                   std::atomic<int>* progress)
    : device_(device) {
    RequireTypesettable(log);
    margin_ = kMarginCm / 2.54 * device.logicalDpiY();
    bodyHeight_ = device.height() - 2 * margin_;
    const PieceFrame frame{&device, device.width() - 2 * margin_, QFont(BodyFont(), &device)};
    gap_ = QFontMetricsF(frame.font, &device).height() * 0.4;
    Typesetter typesetter(pieces_, frame, options.notation);
    typesetter.Add(TitlePiece(frame, options.title));
    LogReading reading(typesetter, options.augmented);
    const std::size_t lines = log.LineCount();
    for (std::size_t first = 0; first < lines; first += kLinesAtATime) {
        for (const std::string& line : log.Lines(first, kLinesAtATime)) {
            StopPoint();
            reading.Line(line);
        }
        if (progress) progress->store(static_cast<int>(50 * first / lines));
    }
    reading.Finish();
    Paginate();
}

LogPaper::~LogPaper() = default;

// Places the pieces on pages end to end: a run of pieces that keep together
// starts a new page when it does not fit what is left of one; a run taller
// than a page breaks between its blocks, but never between a sentence and
// the piece it introduces; a piece taller than a page runs on to the next.
void LogPaper::Paginate() {
    qreal y = 0;  // on the current page
    int page = 0;
    const auto place = [&](std::size_t first, std::size_t end, qreal height) {
        if (y > 0 && y + height > bodyHeight_) {
            ++page;
            y = 0;
        }
        for (std::size_t k = first; k < end; ++k) {
            pieces_[k].top = page * bodyHeight_ + y;
            y += pieces_[k].height + gap_;
        }
        while (y > bodyHeight_ + gap_) {  // a piece taller than a page
            ++page;
            y -= bodyHeight_;
        }
    };
    const auto heightOf = [&](std::size_t first, std::size_t end) {
        qreal height = 0;
        for (std::size_t k = first; k < end; ++k)
            height += pieces_[k].height + (k > first ? gap_ : 0);
        return height;
    };
    for (std::size_t first = 0; first < pieces_.size();) {
        std::size_t end = first + 1;
        while (end < pieces_.size() && pieces_[end - 1].keepWithNext)
            ++end;
        if (heightOf(first, end) <= bodyHeight_ || end - first == 1) {
            place(first, end, heightOf(first, end));
        } else {
            // The sentence with the first block, then block after block.
            const std::size_t lead = std::min(first + 2, end);
            place(first, lead, heightOf(first, lead));
            for (std::size_t k = lead; k < end; ++k)
                place(k, k + 1, pieces_[k].height);
        }
        first = end;
    }
    pages_ = page + 1;
}

void LogPaper::PaintPage(QPainter& painter, int page) const {
    const qreal pageTop = page * bodyHeight_;
    const QRectF body(0, margin_, device_.width(), bodyHeight_);
    for (const Piece& piece : pieces_) {
        if (piece.top + piece.height <= pageTop || piece.top >= pageTop + bodyHeight_) continue;
        painter.save();
        painter.setClipRect(body);
        painter.translate(margin_, margin_ + piece.top - pageTop);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, pageTop - piece.top, device_.width(), bodyHeight_);
        piece.document->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.setFont(QFont(BodyFont(), &device_));
    painter.drawText(QRectF(0, device_.height() - margin_, device_.width(), margin_ / 2),
                     Qt::AlignCenter, QStringLiteral("%1 / %2").arg(page + 1).arg(pages_));
}

void RequireTypesettable(const LogStore& log) {
    if (log.ByteCount() <= kMaxTypesetLogBytes) return;
    std::string message = "途中の計算が長すぎるので、PDF や印刷にはできません（";
    message += std::to_string(kMaxTypesetLogBytes >> 20);
    message += " MB まで）。テキストなどの形式で保存してください。";
    throw Error(message);
}

}  // namespace korvane
