#include "main/LogPrinting.h"

#include <QAbstractTextDocumentLayout>
#include <QIODevice>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextFrame>
#include <ostream>

#include "mklibs/Errors.h"

namespace korvane {

namespace {

constexpr qreal kMarginCm = 2;
// Ample for text on paper; finer resolutions only make the layout slower.
constexpr int kDotsPerInch = 300;

// The PDF writer writes into a Qt device; this one passes the bytes on to
// the stream of an atomic file replacement.
class StreamDevice : public QIODevice {
  public:
    explicit StreamDevice(std::ostream& out) : out_(out) { open(QIODevice::WriteOnly); }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        out_.write(data, static_cast<std::streamsize>(size));
        return out_ ? size : -1;
    }

  private:
    std::ostream& out_;
};

// Lays the document out once, at the device's own resolution, in pages with
// 2 cm margins, and paints page after page with "n / total" centred below.
// (QTextDocument::print would lay a copy out a second time.)
void PaintPages(QTextDocument& document, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) throw Error("印刷できませんでした。");
    document.documentLayout()->setPaintDevice(&device);
    // The layout scales the frame's lengths from 96 to the inch to the device.
    const qreal margin = kMarginCm / 2.54 * device.logicalDpiY();
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setMargin(kMarginCm / 2.54 * 96);
    document.rootFrame()->setFrameFormat(frame);
    const QSizeF page(device.width(), device.height());
    document.setPageSize(page);
    const int pages = document.pageCount();
    const QFont numberFont(document.defaultFont(), &device);
    for (int k = 0; k < pages; ++k) {
        if (k > 0) device.newPage();
        painter.save();
        painter.translate(0, -k * page.height());
        // The page's body only: a table row that moved on to the next page
        // is not painted into this one's margin as well.
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip =
            QRectF(0, k * page.height() + margin, page.width(), page.height() - 2 * margin);
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(numberFont);
        painter.drawText(QRectF(0, page.height() - margin, page.width(), margin / 2),
                         Qt::AlignCenter, QStringLiteral("%1 / %2").arg(k + 1).arg(pages));
    }
    if (!painter.end()) throw Error("印刷できませんでした。");
}

}  // namespace

void WriteLogPdf(QTextDocument& document, const QString& title, std::ostream& out) {
    StreamDevice device(out);
    QPdfWriter writer(&device);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Korvane"));
    writer.setResolution(kDotsPerInch);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    PaintPages(document, writer);
}

void PrintLog(QTextDocument& document, QPrinter& printer) {
    printer.setFullPage(true);  // the document keeps its own margins
    if (printer.resolution() > kDotsPerInch) printer.setResolution(kDotsPerInch);
    PaintPages(document, printer);
    if (printer.printerState() == QPrinter::Error) throw Error("印刷できませんでした。");
}

}  // namespace korvane
