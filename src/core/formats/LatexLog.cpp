// The log as LaTeX for lualatex with luatexja: a whole document, or its
// body alone to \input.
#include <ostream>

#include "core/formats/Formula.h"
#include "core/formats/LogWriters.h"
#include "core/formats/MathForms.h"
#include "core/formats/TextEscaping.h"

namespace korvane {

namespace {

// Sets a display with rows spaced for fractions, shrunk to the line's width
// when it is wider: an augmented 10 × 20 matrix of fractions is far wider
// than a page. Provided rather than defined, so that the body can be
// \input more than once.
constexpr std::string_view kFitCommand =
    "\\providecommand{\\KorvaneFit}[1]{\\begingroup\\renewcommand{\\arraystretch}{1.3}%\n"
    "  \\setbox0=\\hbox{$\\displaystyle #1$}%\n"
    "  \\ifdim\\wd0>\\linewidth\\resizebox{\\linewidth}{!}{\\box0}\\else\\box0\\fi\\endgroup}\n";

constexpr std::string_view kDocumentOpening =
    "% Korvane の途中の計算です。lualatex で組めます。\n"
    "\\documentclass[a4paper]{ltjsarticle}\n"
    "\\usepackage{amsmath}\n"
    "\\usepackage{graphicx}\n"
    "\\setlength{\\parindent}{0pt}\n"
    "\\setlength{\\parskip}{0.5\\baselineskip}\n";

constexpr std::string_view kFragmentOpening =
    "% Korvane の途中の計算です。\\input で読み込めます。\n"
    "% lualatex と luatexja、amsmath、graphicx のパッケージが要ります。\n";

class Latex : public LogWriter {
  public:
    Latex(const ExportOptions& options, bool document, std::ostream& out)
        : notation_(options.notation), document_(document), out_(out) {
        out_ << (document_ ? kDocumentOpening : kFragmentOpening) << kFitCommand;
        if (document_) out_ << "\\begin{document}\n";
        out_ << '\n';
    }

    // Prose with its formulas inline; a line that is one formula alone is
    // displayed.
    void Sentence(std::string_view text, const std::optional<RowOperation>&) override {
        const std::vector<SentencePiece> pieces = SplitFormulas(text);
        if (pieces.size() == 1 && pieces.front().formula) {
            out_ << "\\[\n\\KorvaneFit{" << LatexFormula(pieces.front().text) << "}\n\\]\n\n";
            return;
        }
        for (const SentencePiece& piece : pieces) {
            if (piece.formula) {
                out_ << '$' << LatexFormula(piece.text) << '$';
            } else {
                out_ << LatexText(piece.text);
            }
        }
        out_ << "\n\n";
    }
    void Matrix(const LogMatrix& matrix) override {
        out_ << "\\[\n\\KorvaneFit{";
        if (notation_ && matrix.reachedBy)
            out_ << "\\xrightarrow{" << LatexNotation(*matrix.reachedBy) << "}\n";
        out_ << LatexMatrix(matrix) << "}\n\\]\n\n";
    }
    void Span(const std::vector<std::vector<std::string>>& vectors) override {
        out_ << "\\[\n\\KorvaneFit{" << LatexSpan(vectors) << "}\n\\]\n\n";
    }
    void End() override {
        if (document_) out_ << "\\end{document}\n";
    }

  private:
    bool notation_;
    bool document_;
    std::ostream& out_;
};

}  // namespace

std::unique_ptr<LogWriter> LatexWriter(const ExportOptions& options, bool document,
                                       std::ostream& out) {
    return std::make_unique<Latex>(options, document, out);
}

}  // namespace korvane
