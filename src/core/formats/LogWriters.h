#pragma once

// The writers behind LogExport, one per marked-up form.
#include <iosfwd>
#include <memory>

#include "core/formats/LogExport.h"

namespace korvane {

// A writer writes its form's opening when made and its ending at End.
class LogWriter : public LogVisitor {
  public:
    virtual void End() = 0;
};

std::unique_ptr<LogWriter> MarkdownWriter(const ExportOptions& options, std::ostream& out);
std::unique_ptr<LogWriter> LatexWriter(const ExportOptions& options, bool document,
                                       std::ostream& out);
std::unique_ptr<LogWriter> HtmlWriter(const ExportOptions& options, std::ostream& out);

}  // namespace korvane
