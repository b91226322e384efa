#pragma once

#include <QTextDocument>
#include <cstdint>
#include <memory>

#include "core/LogStore.h"
#include "core/formats/LogExport.h"

namespace korvane {

// The longest log, in bytes of its text, that is typeset for paper: a
// document is held whole while it is laid out, and a log of this size takes
// about a minute (a 10 × 10 Gaussian-integer inverse, 0.6 MB, some 20 s).
// Longer logs go to the text forms.
constexpr std::uint64_t kMaxTypesetLogBytes = std::uint64_t{2} << 20;

// The step log typeset for the PDF export and the printer: the title, a
// paragraph per sentence, each matrix as a bracketed table with a rule at
// the bar of an augmented matrix and its entries' fractions as raised
// numerators over lowered denominators, the
// row operation that reached it over an arrow before it (when
// options.notation), a span as its column vectors. Japanese in the IPA
// Gothic fonts. Throws Error when the log is longer than
// kMaxTypesetLogBytes.
std::unique_ptr<QTextDocument> TypesetLog(const LogStore& log, const ExportOptions& options);

// Throws the Error of TypesetLog when the log is too long for paper, so that
// a command can refuse before it asks anything.
void RequireTypesettable(const LogStore& log);

}  // namespace korvane
