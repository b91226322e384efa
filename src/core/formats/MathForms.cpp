#include "core/formats/MathForms.h"

#include <algorithm>

#include "core/formats/Formula.h"
#include "core/formats/NumberForms.h"
#include "core/formats/NumberParts.h"
#include "core/formats/TextEscaping.h"
#include "mklibs/mklibs.h"

namespace korvane {

namespace {

using Kind = RowOperation::Kind;

std::string LatexEntry(const std::string& text) {
    if (const std::optional<NumberParts> parts = SplitNumberText(text))
        return WriteNumber(*parts, NumberForm::kLatex);
    // A closed form such as n·2^(n-1) is set as the formula it is.
    return LatexFormula(text);
}

std::string MathmlEntry(const std::string& text) {
    if (const std::optional<NumberParts> parts = SplitNumberText(text))
        return WriteNumber(*parts, NumberForm::kMathml);
    return "<mrow>" + MathmlFormula(text) + "</mrow>";
}

// A multiple of a row as the notation writes it: a sign in front (for a
// scaling, only a lone negative term's; for an addition, "−" for a
// multiple that reads negative) and the multiplier's canonical text.
struct Multiple {
    bool minus = false;
    std::string text;  // "1" is written as nothing
    bool twoTerms = false;
};

bool HasTwoTerms(const std::string& text) {
    return text.find_first_of("+-", 1) != std::string::npos;
}

Multiple ScaleMultiple(const ComplexFraction& factor) {
    std::string text = CpxText(factor);
    const bool minus = text.starts_with('-') && !HasTwoTerms(text);
    if (minus) text.erase(0, 1);
    return {minus, text, HasTwoTerms(text)};
}

Multiple AddedMultiple(const ComplexFraction& factor) {
    const std::string text = CpxText(factor);
    const bool negative = text.starts_with('-');
    const std::string magnitude = negative ? CpxText(CpxNeg(factor)) : text;
    return {negative, magnitude, HasTwoTerms(magnitude)};
}

std::string LatexRow(std::int32_t row) {
    const std::string number = std::to_string(row + 1);
    return number.size() == 1 ? "R_" + number : "R_{" + number + "}";
}

std::string LatexMultiplier(const Multiple& multiple) {
    if (multiple.text == "1") return "";
    const std::string number = LatexEntry(multiple.text);
    return multiple.twoTerms ? "\\left(" + number + "\\right)" : number;
}

std::string MathmlRow(std::int32_t row) {
    return "<msub><mi>R</mi><mn>" + std::to_string(row + 1) + "</mn></msub>";
}

std::string MathmlMultiplier(const Multiple& multiple) {
    if (multiple.text == "1") return "";
    const std::string number = MathmlEntry(multiple.text);
    const std::string times = "<mo>\u2062</mo>";
    if (!multiple.twoTerms) return number + times;
    return "<mrow><mo>(</mo>" + number + "<mo>)</mo></mrow>" + times;
}

std::string MathmlMinus() {
    return "<mo>\u2212</mo>";
}

// The array's columns: c for each, | where the bar stands, also at the
// block's edges.
std::string ColumnFormat(const LogMatrix& matrix, ColumnBlock block) {
    std::string format;
    const auto bar = static_cast<std::size_t>(std::max(matrix.barAfter, 0));
    for (std::size_t c = block.first; c < block.first + block.count; ++c) {
        if (c == bar && bar > 0) format += '|';
        format += 'c';
    }
    if (bar > 0 && block.first + block.count == bar) format += '|';
    return format;
}

std::string LatexRows(const LogMatrix& matrix, ColumnBlock block) {
    std::string text;
    for (std::size_t r = 0; r < matrix.rows.size(); ++r) {
        const std::vector<std::string>& row = matrix.rows[r];
        for (std::size_t c = block.first; c < block.first + block.count; ++c)
            text += (c > block.first ? " & " : "") + LatexEntry(row[c]);
        text += r + 1 < matrix.rows.size() ? " \\\\\n" : "\n";
    }
    return text;
}

ColumnBlock Whole(const LogMatrix& matrix) {
    return {0, matrix.rows.front().size()};
}

bool HasFraction(const std::vector<std::vector<std::string>>& rows) {
    for (const std::vector<std::string>& row : rows) {
        for (const std::string& entry : row) {
            if (entry.find('/') != std::string::npos) return true;
        }
    }
    return false;
}

// The columns of block between brackets; a block that does not start or
// end the matrix leaves that bracket out.
std::string MathmlTable(const std::vector<std::vector<std::string>>& rows, int barAfter,
                        ColumnBlock block) {
    const auto bar = static_cast<std::size_t>(std::max(barAfter, 0));
    const std::size_t end = block.first + block.count;
    std::string text = block.first == 0 ? "<mrow><mo>(</mo>" : "<mrow>";
    text += HasFraction(rows) ? "<mtable class=\"fractions\">" : "<mtable>";
    for (const std::vector<std::string>& row : rows) {
        text += "<mtr>";
        for (std::size_t c = block.first; c < end && c < row.size(); ++c) {
            if (bar > 0 && c == bar) {
                text += "<mtd class=\"bar\">";
            } else if (bar > 0 && c + 1 == bar && c + 1 == end) {
                text += "<mtd class=\"barright\">";
            } else {
                text += "<mtd>";
            }
            text += MathmlEntry(row[c]) + "</mtd>";
        }
        text += "</mtr>\n";
    }
    text += "</mtable>";
    return text + (end == rows.front().size() ? "<mo>)</mo></mrow>" : "</mrow>");
}

}  // namespace

std::string LatexColumnVector(const std::vector<std::string>& entries) {
    std::string text = "\\begin{pmatrix}";
    for (std::size_t k = 0; k < entries.size(); ++k)
        text += (k > 0 ? " \\\\ " : "") + LatexEntry(entries[k]);
    return text + "\\end{pmatrix}";
}

std::string MathmlColumnVector(const std::vector<std::string>& entries) {
    std::vector<std::vector<std::string>> column;
    for (const std::string& entry : entries)
        column.push_back({entry});
    return MathmlTable(column, 0, {0, 1});
}

std::string LatexMatrix(const LogMatrix& matrix) {
    if (matrix.barAfter > 0) return LatexMatrixBlock(matrix, Whole(matrix));
    return "\\begin{pmatrix}\n" + LatexRows(matrix, Whole(matrix)) + "\\end{pmatrix}";
}

std::string LatexMatrixBlock(const LogMatrix& matrix, ColumnBlock block) {
    const bool opens = block.first == 0;
    const bool closes = block.first + block.count == matrix.rows.front().size();
    return std::string(opens ? "\\left(" : "\\left.") + "\\begin{array}{" +
           ColumnFormat(matrix, block) + "}\n" + LatexRows(matrix, block) + "\\end{array}" +
           (closes ? "\\right)" : "\\right.");
}

std::string LatexNotation(const RowOperation& operation) {
    const std::string target = LatexRow(operation.target);
    switch (operation.kind) {
        case Kind::kSwap:
            return target + " \\leftrightarrow " + LatexRow(operation.source);
        case Kind::kScale: {
            const Multiple multiple = ScaleMultiple(operation.factor);
            return target + " \\to " + (multiple.minus ? "-" : "") + LatexMultiplier(multiple) +
                   target;
        }
        case Kind::kAdd:
            break;
    }
    const Multiple multiple = AddedMultiple(operation.factor);
    return target + " \\to " + target + (multiple.minus ? " - " : " + ") +
           LatexMultiplier(multiple) + LatexRow(operation.source);
}

std::string LatexSpan(const std::vector<std::vector<std::string>>& vectors) {
    if (vectors.empty()) return "\\{\\mathbf{0}\\}";
    std::string text = "\\operatorname{span}\\left\\{";
    for (std::size_t k = 0; k < vectors.size(); ++k)
        text += (k > 0 ? ", " : " ") + LatexColumnVector(vectors[k]);
    return text + " \\right\\}";
}

std::string MathmlMatrix(const LogMatrix& matrix) {
    return MathmlTable(matrix.rows, matrix.barAfter, Whole(matrix));
}

std::string MathmlMatrixBlock(const LogMatrix& matrix, ColumnBlock block) {
    return MathmlTable(matrix.rows, matrix.barAfter, block);
}

std::string MathmlArrow(const RowOperation& operation) {
    const std::string target = MathmlRow(operation.target);
    std::string notation = target;
    switch (operation.kind) {
        case Kind::kSwap:
            notation += "<mo>\u2194</mo>" + MathmlRow(operation.source);
            break;
        case Kind::kScale: {
            const Multiple multiple = ScaleMultiple(operation.factor);
            notation += "<mo>\u2192</mo>" + (multiple.minus ? MathmlMinus() : "") +
                        MathmlMultiplier(multiple) + target;
            break;
        }
        case Kind::kAdd: {
            const Multiple multiple = AddedMultiple(operation.factor);
            notation += "<mo>\u2192</mo>" + target +
                        (multiple.minus ? MathmlMinus() : "<mo>+</mo>") +
                        MathmlMultiplier(multiple) + MathmlRow(operation.source);
            break;
        }
    }
    // U+2192, which the math fonts (Latin Modern, STIX Two, DejaVu) can
    // stretch under a long notation; U+27F6 they cannot.
    return "<mover><mo stretchy=\"true\">\u2192</mo><mrow>" + notation + "</mrow></mover>";
}

std::string MathmlSpan(const std::vector<std::vector<std::string>>& vectors) {
    if (vectors.empty()) return "<mrow><mo>{</mo><mn mathvariant=\"bold\">0</mn><mo>}</mo></mrow>";
    std::string text = "<mrow><mi>span</mi><mo>{</mo>";
    for (std::size_t k = 0; k < vectors.size(); ++k) {
        if (k > 0) text += "<mo>,</mo>";
        text += MathmlColumnVector(vectors[k]);
    }
    return text + "<mo>}</mo></mrow>";
}

}  // namespace korvane
