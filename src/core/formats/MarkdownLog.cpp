// The log as Markdown: prose paragraphs and $$ display math $$, as GitHub,
// Jupyter, Obsidian and pandoc render it.
#include <ostream>

#include "core/formats/Formula.h"
#include "core/formats/LogWriters.h"
#include "core/formats/MathForms.h"
#include "core/formats/TextEscaping.h"

namespace korvane {

namespace {

class Markdown : public LogWriter {
  public:
    Markdown(const ExportOptions& options, std::ostream& out)
        : notation_(options.notation), out_(out) {}

    // Prose with its formulas as $…$; a line that is one formula alone as
    // display math.
    void Sentence(std::string_view text, const std::optional<RowOperation>&) override {
        const std::vector<SentencePiece> pieces = SplitFormulas(text);
        if (pieces.size() == 1 && pieces.front().formula) {
            out_ << "$$\n" << LatexFormula(pieces.front().text) << "\n$$\n\n";
            return;
        }
        for (const SentencePiece& piece : pieces) {
            if (piece.formula) {
                out_ << '$' << LatexFormula(piece.text) << '$';
            } else {
                out_ << MarkdownText(piece.text);
            }
        }
        out_ << "\n\n";
    }
    void Matrix(const LogMatrix& matrix) override {
        out_ << "$$\n";
        if (notation_ && matrix.reachedBy)
            out_ << "\\xrightarrow{" << LatexNotation(*matrix.reachedBy) << "}\n";
        out_ << LatexMatrix(matrix) << "\n$$\n\n";
    }
    void Span(const std::vector<std::vector<std::string>>& vectors) override {
        out_ << "$$\n" << LatexSpan(vectors) << "\n$$\n\n";
    }
    void End() override {}

  private:
    bool notation_;
    std::ostream& out_;
};

}  // namespace

std::unique_ptr<LogWriter> MarkdownWriter(const ExportOptions& options, std::ostream& out) {
    return std::make_unique<Markdown>(options, out);
}

}  // namespace korvane
