#include "cli/PastedInput.h"

#include "cli/CliArguments.h"
#include "core/formats/Numerals.h"
#include "core/formats/PasteReader.h"

namespace korvane {

namespace {

std::string At(const PasteError::Details& d) {
    return "row " + std::to_string(d.row) + ", column " + std::to_string(d.col);
}

// The refusal in korvane-cli's own words.
std::string Explanation(const PasteError::Details& d) {
    using Kind = PasteError::Kind;
    const std::string max = std::to_string(CellGrid::kMaxSize);
    switch (d.kind) {
        case Kind::kEmpty:
            return "no matrix rows on standard input";
        case Kind::kUnreadable:
            return "no matrix in a form korvane-cli reads";
        case Kind::kRagged:
            return "row " + std::to_string(d.row) + " has " + std::to_string(d.count) +
                   " cells, row 1 has " + std::to_string(d.expected);
        case Kind::kTooLarge:
            if (d.rows > CellGrid::kMaxSize) return "more than " + max + " rows";
            return "row 1 has more than " + max + " cells";
        case Kind::kBadCell:
            return At(d) + ": '" + d.cell + "' is no number";
        case Kind::kDivisionByZero:
            return At(d) + ": '" + d.cell + "' divides by zero";
        case Kind::kControlCharacter:
            return At(d) + ": control character " + d.cell + " in the cell";
        case Kind::kExponentTooLarge:
            return At(d) + ": '" + d.cell + "' has an exponent beyond " +
                   std::to_string(kMaxExponent);
        case Kind::kSurroundingText:
            return "'" + d.cell + "' beside the matrix would change it; give the matrix alone";
        case Kind::kTwoMatrices:
            return "two matrices in the input; give one";
        case Kind::kRootRefused:
            return At(d) + ": '" + d.cell + "': " + d.reason;
        case Kind::kTwoLetters:
            return At(d) + ": '" + d.cell + "' is in the letter " + d.secondLetter +
                   ", cells before it in " + d.firstLetter + "; one parameter letter at most";
        case Kind::kDoesNotFit:
            break;
    }
    return "no matrix in a form korvane-cli reads";
}

}  // namespace

CellGrid GridOfPastedText(std::string_view text) {
    PastedMatrix matrix;
    try {
        matrix = ReadPastedMatrix(text);
    } catch (const PasteError& e) {
        throw UsageError(Explanation(e.details()));
    }
    return GridOfTypedCells(matrix);
}

}  // namespace korvane
