#pragma once

#include <QString>
#include <iosfwd>

class QPagedPaintDevice;
class QPrinter;
class QTextDocument;

namespace korvane {

// Writes a typeset log into out as an A4 PDF with page numbers, its fonts
// embedded; title goes into the file's information. The document is laid
// out for the PDF's pages.
void WriteLogPdf(QTextDocument& document, const QString& title, std::ostream& out);

// Prints a typeset log as the PDF export lays it out, with page numbers.
// Throws Error when the printer fails.
void PrintLog(QTextDocument& document, QPrinter& printer);

}  // namespace korvane
