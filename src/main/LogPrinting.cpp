#include "main/LogPrinting.h"

#include <QIODevice>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>
#include <ostream>

#include "mklibs/Errors.h"

namespace korvane {

namespace {

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

}  // namespace

void WriteLogPdf(const QTextDocument& document, const QString& title, std::ostream& out) {
    StreamDevice device(out);
    QPdfWriter writer(&device);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Korvane"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    // The document keeps margins of its own when it breaks into pages.
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    document.print(&writer);
}

void PrintLog(const QTextDocument& document, QPrinter& printer) {
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error) throw Error("印刷できませんでした。");
}

}  // namespace korvane
