#pragma once

#include <QTextDocument>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/LogStore.h"
#include "core/formats/LogExport.h"

class QPagedPaintDevice;
class QPainter;

namespace korvane {

// The longest log, in bytes of its text, that is typeset for paper: its
// pieces are held whole until the last page is painted. Longer logs go to
// the text forms.
constexpr std::uint64_t kMaxTypesetLogBytes = std::uint64_t{2} << 20;

// The step log typeset for the PDF export and the printer, on the pages of
// a device laid out as A4 without margins of its own: 2 cm margins, the
// title, a paragraph per sentence with its formulas set as mathematics, each
// matrix as bracketed tables (LogPieces: column blocks at the entries' own
// size when it is wider than the line, nothing below kScriptPoints), a span
// as its column vectors; Japanese in the IPA Gothic fonts. Pages break only
// between pieces: a sentence stays on the page of the display or matrix it
// introduces, and a matrix's blocks stay together where one page holds them.
class LogPaper {
  public:
    // Typesets the log for device, calling StopPoint between its lines;
    // progress, when given, goes from 0 to 50 on the way. Throws Error when
    // the log is longer than kMaxTypesetLogBytes.
    LogPaper(const LogStore& log, const ExportOptions& options, QPagedPaintDevice& device,
             std::atomic<int>* progress = nullptr);
    ~LogPaper();
    LogPaper(const LogPaper&) = delete;
    LogPaper& operator=(const LogPaper&) = delete;

    int PageCount() const { return pages_; }
    // Paints page (from 0) with painter on the device, "n / total" below it.
    void PaintPage(QPainter& painter, int page) const;

  private:
    struct Piece {
        std::unique_ptr<QTextDocument> document;
        qreal height = 0;
        bool keepWithNext = false;  // no page breaks between it and the next
        qreal top = 0;              // on the pages laid end to end
    };
    class Typesetter;

    void Paginate();

    QPagedPaintDevice& device_;
    qreal margin_ = 0;  // device pixels
    qreal bodyHeight_ = 0;
    qreal gap_ = 0;  // between pieces
    std::vector<Piece> pieces_;
    int pages_ = 1;
};

// Throws the Error of LogPaper when the log is too long for paper, so that
// a command can refuse before it asks anything.
void RequireTypesettable(const LogStore& log);

}  // namespace korvane
