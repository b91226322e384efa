// The log as one HTML page: prose paragraphs and MathML, readable by any
// browser and screen reader without scripts or anything fetched.
#include <ostream>

#include "core/formats/Formula.h"
#include "core/formats/LatexWidths.h"
#include "core/formats/LogWriters.h"
#include "core/formats/MathForms.h"
#include "core/formats/TextEscaping.h"

namespace korvane {

namespace {

// Well-formed XML too, so that XML tools read it.
constexpr std::string_view kHead =
    "<!DOCTYPE html>\n"
    "<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"ja\" xml:lang=\"ja\">\n"
    "<head>\n"
    "<meta charset=\"utf-8\"/>\n"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>\n";

// Math in a font that can stretch the arrow under its notation; the rows of
// a matrix equally tall, those with fractions taller; the blocks of a wide
// matrix (as the LaTeX document sets them) left-aligned under each other.
// On paper nothing scrolls: the blocks fit an A4 page's width.
constexpr std::string_view kStyle =
    "<style>\n"
    "body { font-family: \"IPAPGothic\", \"IPAGothic\", sans-serif; line-height: 1.6;\n"
    "       max-width: 60em; margin: 2em auto; padding: 0 1em; }\n"
    "div.math { overflow-x: auto; margin: 0.5em 0; }\n"
    "div.blocks div.math { padding-left: 1em; }\n"
    "math { font-size: 1.1em;\n"
    "       font-family: \"Latin Modern Math\", \"STIX Two Math\", \"DejaVu Math TeX Gyre\", math; }\n"
    "mtr { height: 1.6em; }\n"
    "mtable.fractions > mtr { height: 2.3em; }\n"
    "mtd { vertical-align: middle; }\n"
    "mtd.bar { border-left: 1px solid; padding-left: 0.5em; }\n"
    "mtd.barright { border-right: 1px solid; padding-right: 0.5em; }\n"
    "@media print {\n"
    "  body { font-size: 10pt; max-width: none; margin: 0; padding: 0; }\n"
    "  div.math { overflow: visible; break-inside: avoid; }\n"
    "  p { break-after: avoid; }\n"
    "}\n"
    "</style>\n";

constexpr std::string_view kMathOpening =
    "<div class=\"math\"><math xmlns=\"http://www.w3.org/1998/Math/MathML\" display=\"block\">";
constexpr std::string_view kBlockMathOpening =
    "<div class=\"math\"><math xmlns=\"http://www.w3.org/1998/Math/MathML\" "
    "displaystyle=\"true\">";
constexpr std::string_view kMathClosing = "</math></div>\n";
constexpr std::string_view kInlineMathOpening =
    "<math xmlns=\"http://www.w3.org/1998/Math/MathML\">";

class Html : public LogWriter {
  public:
    Html(const ExportOptions& options, std::ostream& out) : notation_(options.notation), out_(out) {
        const std::string title = XmlText(options.title);
        out_ << kHead << "<title>" << title << "</title>\n"
             << kStyle << "</head>\n<body>\n<main>\n<h1>" << title << "</h1>\n";
    }

    // Prose with its formulas as inline MathML; a line that is one formula
    // alone is displayed.
    void Sentence(std::string_view text, const std::optional<RowOperation>&) override {
        const std::vector<SentencePiece> pieces = SplitFormulas(text);
        if (pieces.size() == 1 && pieces.front().formula) {
            out_ << kMathOpening << MathmlFormula(pieces.front().text) << kMathClosing;
            return;
        }
        out_ << "<p>";
        for (const SentencePiece& piece : pieces) {
            if (piece.formula) {
                out_ << kInlineMathOpening << MathmlFormula(piece.text) << "</math>";
            } else {
                out_ << XmlText(piece.text);
            }
        }
        out_ << "</p>\n";
    }
    // A matrix too wide for a page comes as column blocks, the later ones
    // behind the arrow's room.
    void Matrix(const LogMatrix& matrix) override {
        const bool arrow = notation_ && matrix.reachedBy;
        const std::string notation = arrow ? MathmlArrow(*matrix.reachedBy) : "";
        const std::vector<ColumnBlock> blocks = PaperBlocks(matrix, arrow);
        if (blocks.size() == 1) {
            out_ << kMathOpening << "<mrow>" << notation << MathmlMatrix(matrix) << "</mrow>"
                 << kMathClosing;
            return;
        }
        // Inline maths in display style: a block math is centred whatever its
        // box says.
        out_ << "<div class=\"blocks\">\n";
        for (std::size_t k = 0; k < blocks.size(); ++k) {
            out_ << kBlockMathOpening << "<mrow>"
                 << (k == 0 || !arrow ? notation : "<mphantom>" + notation + "</mphantom>")
                 << MathmlMatrixBlock(matrix, blocks[k]) << "</mrow>" << kMathClosing;
        }
        out_ << "</div>\n";
    }
    void Span(const std::vector<std::vector<std::string>>& vectors) override {
        out_ << kMathOpening << MathmlSpan(vectors) << kMathClosing;
    }
    void End() override { out_ << "</main>\n</body>\n</html>\n"; }

  private:
    bool notation_;
    std::ostream& out_;
};

}  // namespace

std::unique_ptr<LogWriter> HtmlWriter(const ExportOptions& options, std::ostream& out) {
    return std::make_unique<Html>(options, out);
}

}  // namespace korvane
