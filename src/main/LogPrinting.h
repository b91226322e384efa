#pragma once

#include <QString>
#include <atomic>
#include <iosfwd>

#include "core/LogStore.h"
#include "core/formats/LogExport.h"

class QPrinter;

namespace korvane {

// Both typeset the log as LogPaper does and may run on any thread (they use
// no widgets or pixmaps); they call StopPoint between lines and pages, and
// count progress from 0 to 100 when given a counter.

// Writes the log into out as an A4 PDF with page numbers, its fonts
// embedded; the title goes into the file's information.
void WriteLogPdf(const LogStore& log, const ExportOptions& options, std::ostream& out,
                 std::atomic<int>* progress = nullptr);

// Prints the log as the PDF export lays it out. Throws Error when the
// printer fails.
void PrintLog(const LogStore& log, const ExportOptions& options, QPrinter& printer,
              std::atomic<int>* progress = nullptr);

}  // namespace korvane
