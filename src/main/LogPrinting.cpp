#include "main/LogPrinting.h"

#include <QIODevice>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <ostream>

#include "core/StopSignal.h"
#include "main/LogDocument.h"
#include "mklibs/Errors.h"

namespace korvane {

namespace {

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

// Typesets the log for device and paints page after page onto it.
void PaintPages(const LogStore& log, const ExportOptions& options, QPagedPaintDevice& device,
                std::atomic<int>* progress) {
    const LogPaper paper(log, options, device, progress);
    QPainter painter;
    if (!painter.begin(&device)) throw Error("印刷できませんでした。");
    try {
        for (int k = 0; k < paper.PageCount(); ++k) {
            StopPoint();
            if (k > 0) device.newPage();
            paper.PaintPage(painter, k);
            if (progress) progress->store(50 + 50 * (k + 1) / paper.PageCount());
        }
    } catch (const ComputationStopped&) {
        // A printer given the pages so far would print them.
        if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->abort();
        throw;
    }
    if (!painter.end()) throw Error("印刷できませんでした。");
}

}  // namespace

void WriteLogPdf(const LogStore& log, const ExportOptions& options, std::ostream& out,
                 std::atomic<int>* progress) {
    StreamDevice device(out);
    QPdfWriter writer(&device);
    writer.setTitle(QString::fromStdString(options.title));
    writer.setCreator(QStringLiteral("Korvane"));
    writer.setResolution(kDotsPerInch);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    PaintPages(log, options, writer, progress);
}

void PrintLog(const LogStore& log, const ExportOptions& options, QPrinter& printer,
              std::atomic<int>* progress) {
    printer.setFullPage(true);  // the paper keeps its own margins
    if (printer.resolution() > kDotsPerInch) printer.setResolution(kDotsPerInch);
    PaintPages(log, options, printer, progress);
    if (printer.printerState() == QPrinter::Error) throw Error("印刷できませんでした。");
}

}  // namespace korvane
