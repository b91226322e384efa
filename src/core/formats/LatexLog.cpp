// The log as LaTeX for lualatex with luatexja: a whole document, or its
// body alone to \input.
#include <ostream>

#include "core/formats/Formula.h"
#include "core/formats/LatexWidths.h"
#include "core/formats/LogWriters.h"
#include "core/formats/MathForms.h"
#include "core/formats/MatrixBlocks.h"
#include "core/formats/TextEscaping.h"

namespace korvane {

namespace {

// Sets a display with rows spaced for fractions. A matrix too wide for the
// line comes as column blocks that fit (MatrixBlocks); only what is still
// wider, such as one entry of hundreds of digits, is shrunk to the line's
// width. Provided rather than defined, so that the body can be \input more
// than once.
constexpr std::string_view kFitCommand =
    "\\providecommand{\\KorvaneFit}[1]{\\begingroup\\renewcommand{\\arraystretch}{1.3}%\n"
    "  \\setbox0=\\hbox{$\\displaystyle #1$}%\n"
    "  \\ifdim\\wd0>\\linewidth\\resizebox{\\linewidth}{!}{\\box0}\\else\\box0\\fi\\endgroup}\n";

// Scripts and fractions' numerals at 8 pt beside the 10 pt text, so that no
// entry, exponent or index is set smaller; a sentence's lines stay together
// and with the display after them.
constexpr std::string_view kDocumentOpening =
    "% Korvane の途中の計算です。lualatex で組めます。\n"
    "\\documentclass[a4paper]{ltjsarticle}\n"
    "\\usepackage{amsmath}\n"
    "\\usepackage{graphicx}\n"
    "\\DeclareMathSizes{10}{10}{8}{6}\n"
    "\\setlength{\\parindent}{0pt}\n"
    "\\setlength{\\parskip}{0.5\\baselineskip}\n"
    "\\clubpenalty=10000 \\widowpenalty=10000 \\displaywidowpenalty=10000\n";

constexpr std::string_view kFragmentOpening =
    "% Korvane の途中の計算です。\\input で読み込めます。\n"
    "% lualatex と luatexja、amsmath、graphicx のパッケージが要ります。\n"
    "% 分数や添字を 8 pt にするには、プリアンブルに \\DeclareMathSizes{10}{10}{8}{6} を。\n";

// Between the blocks of one matrix a page may break, though rather not
// (amsmath takes \displaybreak before the \\ it applies to).
constexpr std::string_view kBlockBreak = " \\displaybreak[1] \\\\\n";

class Latex : public LogWriter {
  public:
    Latex(const ExportOptions& options, bool document, std::ostream& out)
        : notation_(options.notation), document_(document), out_(out) {
        out_ << (document_ ? kDocumentOpening : kFragmentOpening) << kFitCommand;
        if (document_) out_ << "\\begin{document}\n";
        out_ << '\n';
    }

    // Prose with its formulas inline; a line that is one formula alone is
    // displayed. The paragraph stays open: a display that follows belongs
    // to it, and TeX breaks no page between them.
    void Sentence(std::string_view text, const std::optional<RowOperation>&) override {
        const std::vector<SentencePiece> pieces = SplitFormulas(text);
        if (pieces.size() == 1 && pieces.front().formula) {
            Display(LatexFormula(pieces.front().text));
            return;
        }
        EndParagraph();
        for (const SentencePiece& piece : pieces) {
            if (piece.formula) {
                out_ << '$' << LatexFormula(piece.text) << '$';
            } else {
                out_ << LatexText(piece.text);
            }
        }
        out_ << '\n';
        paragraph_ = true;
    }
    void Matrix(const LogMatrix& matrix) override {
        const bool arrow = notation_ && matrix.reachedBy;
        const std::string notation =
            arrow ? "\\xrightarrow{\\textstyle " + LatexNotation(*matrix.reachedBy) + "}\n" : "";
        const std::vector<ColumnBlock> blocks = PaperBlocks(matrix, arrow);
        if (blocks.size() == 1) {
            Display(notation + LatexMatrix(matrix));
            return;
        }
        // The blocks one under another, their left edges aligned behind the
        // arrow's room.
        out_ << "\\begin{align*}\n";
        for (std::size_t k = 0; k < blocks.size(); ++k) {
            if (k > 0) out_ << kBlockBreak;
            out_ << "&\\KorvaneFit{"
                 << (k == 0 || !arrow ? notation : "\\hphantom{" + notation + "}")
                 << LatexMatrixBlock(matrix, blocks[k]) << "}";
        }
        out_ << "\n\\end{align*}\n";
        paragraph_ = true;
    }
    void Span(const std::vector<std::vector<std::string>>& vectors) override {
        Display(LatexSpan(vectors));
    }
    void End() override {
        EndParagraph();
        if (document_) out_ << "\\end{document}\n";
    }

  private:
    void Display(const std::string& math) {
        out_ << "\\[\n\\KorvaneFit{" << math << "}\n\\]\n";
        paragraph_ = true;
    }
    void EndParagraph() {
        if (paragraph_) out_ << '\n';
        paragraph_ = false;
    }

    bool notation_;
    bool document_;
    bool paragraph_ = false;  // a paragraph is open
    std::ostream& out_;
};

}  // namespace

std::unique_ptr<LogWriter> LatexWriter(const ExportOptions& options, bool document,
                                       std::ostream& out) {
    return std::make_unique<Latex>(options, document, out);
}

}  // namespace korvane
