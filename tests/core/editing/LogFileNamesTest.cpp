#include <gtest/gtest.h>

#include "core/editing/LogFileNames.h"

namespace korvane {
namespace {

TEST(LogFileNames, ATypedExtensionChoosesTheForm) {
    using T = LogFileType;
    const struct {
        const char* path;
        LogFileType chosen;
        LogFileType form;
    } cases[] = {
        {"/home/a/typed.pdf", T::kText, T::kPdf},
        {"typed.PDF", T::kMarkdown, T::kPdf},
        {"notes.md", T::kHtml, T::kMarkdown},
        {"notes.markdown", T::kText, T::kMarkdown},
        {"page.htm", T::kPdf, T::kHtml},
        {"page.html", T::kText, T::kHtml},
        {"log.txt", T::kLatex, T::kText},
        {"doc.tex", T::kText, T::kLatex},
        {"part.tex", T::kLatexFragment, T::kLatexFragment},  // both LaTeX forms end in .tex
        {"doc.tex", T::kLatex, T::kLatex},
        {"notes.log", T::kMarkdown, T::kMarkdown},  // an extension that names no form
        {"log", T::kHtml, T::kHtml},
        {".pdf", T::kText, T::kText},         // a hidden file's name, no extension
        {"old.pdf/log", T::kText, T::kText},  // a folder's extension is not the file's
        {"a.pdf.txt", T::kPdf, T::kText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(LogFileTypeFor(c.path, c.chosen), c.form);
    }
}

}  // namespace
}  // namespace korvane
