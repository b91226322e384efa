#pragma once

#include <QString>
#include <iosfwd>

class QPrinter;
class QTextDocument;

namespace korvane {

// Writes a typeset log into out as an A4 PDF with page numbers, its fonts
// embedded; title goes into the file's information.
void WriteLogPdf(const QTextDocument& document, const QString& title, std::ostream& out);

// Prints a typeset log as the PDF export lays it out, with page numbers.
// Throws Error when the printer fails.
void PrintLog(const QTextDocument& document, QPrinter& printer);

}  // namespace korvane
