#include "core/formats/LogExport.h"

#include <ostream>

#include "core/formats/LogWriters.h"

namespace korvane {

namespace {

std::unique_ptr<LogWriter> WriterFor(LogFormat format, const ExportOptions& options,
                                     std::ostream& out) {
    switch (format) {
        case LogFormat::kMarkdown:
            return MarkdownWriter(options, out);
        case LogFormat::kLatex:
        case LogFormat::kLatexFragment:
            return LatexWriter(options, format == LogFormat::kLatex, out);
        case LogFormat::kHtml:
            return HtmlWriter(options, out);
        case LogFormat::kText:
            break;
    }
    return nullptr;
}

}  // namespace

LogExport::LogExport(LogFormat format, const ExportOptions& options, std::ostream& out)
    : out_(out), plain_(format == LogFormat::kText) {
    if (plain_) return;
    writer_ = WriterFor(format, options, out);
    reading_ = std::make_unique<LogReading>(*writer_, options.augmented);
}

LogExport::~LogExport() = default;

void LogExport::Line(std::string_view line) {
    if (plain_) {
        out_ << line << '\n';
    } else {
        reading_->Line(line);
    }
}

void LogExport::Finish() {
    if (finished_) return;
    finished_ = true;
    if (!plain_) {
        reading_->Finish();
        writer_->End();
    }
    out_.flush();
}

}  // namespace korvane
