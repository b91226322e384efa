#pragma once

#include <string_view>

#include "core/editing/Dialogs.h"

namespace korvane {

// The form a log is saved in, given the path typed into the export dialog
// and the form its filter names: an extension that names a form (.txt, .md,
// .markdown, .tex, .html, .htm, .pdf, in any case) chooses that form, so
// that no file's content contradicts its extension; a .tex keeps the LaTeX
// form chosen (document or fragment). Any other extension, or none, keeps
// the chosen form.
LogFileType LogFileTypeFor(std::string_view path, LogFileType chosen);

}  // namespace korvane
