// Any bytes pasted give a 1–10 × 1–10 matrix of cells or a PasteError,
// nothing else. A cell is a canonical number, a canonical square root, or an
// expression in the matrix's one parameter letter kept as typed; each cell
// as typed reads as its value; and the matrix copied out in every copy form
// pastes back as the same matrix, a parameter cell as the same expression.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/CellValue.h"
#include "core/ParameterCell.h"
#include "core/formats/CopyFormats.h"
#include "core/formats/NumberParts.h"
#include "core/formats/PasteReader.h"
#include "mklibs/ParameterReader.h"
#include "mklibs/SurdReading.h"
#include "mklibs/mklibs.h"

namespace {

using korvane::CopyFormat;
using korvane::PastedMatrix;

constexpr CopyFormat kForms[] = {CopyFormat::kTabSeparated, CopyFormat::kLatex,
                                 CopyFormat::kMatlab,       CopyFormat::kPython,
                                 CopyFormat::kMathematica,  CopyFormat::kMarkdown};

void Check(bool holds) {
    if (!holds) std::abort();
}

// The cell's text and the text it was typed as agree on one value.
void CheckCell(const std::string& text, const std::string& typed, char& letter) {
    if (const char cellLetter = korvane::CellParameterLetter(text);
        cellLetter != '\0' && !korvane::WrittenWithRoot(text)) {
        Check(letter == '\0' || letter == cellLetter);
        letter = cellLetter;
        Check(typed == text);
        return;
    }
    if (korvane::WrittenWithRoot(text)) {
        const korvane::SurdReading reading = korvane::ReadSurd(text);
        Check(reading.value && korvane::SurdText(*reading.value) == text);
        Check(korvane::SurdText(korvane::CellSurd(typed)) == text);
        return;
    }
    Check(korvane::IsCanonicalNumberText(text));
    Check(korvane::CpxText(korvane::CpxParse(typed)) == text);
}

// A cell's text pasted back from a copy: a number or a root as the same
// canonical text; a cell in a parameter letter, which goes out without its
// blanks, as the same expression defined at the same values.
bool SameCell(const std::string& text, const std::string& back) {
    if (text == back || korvane::CellParameterLetter(text) == '\0' ||
        korvane::WrittenWithRoot(text))
        return text == back;
    const korvane::ParameterReading typed = korvane::ReadParameterExpression(text);
    const korvane::ParameterReading copied = korvane::ReadParameterExpression(back);
    return copied.value == typed.value && copied.undefinedAt == typed.undefinedAt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    PastedMatrix m;
    try {
        m = korvane::ReadPastedMatrix(text);
    } catch (const korvane::PasteError&) {
        return 0;
    }
    Check(m.rows >= 1 && m.rows <= korvane::CellGrid::kMaxSize);
    Check(m.cols >= 1 && m.cols <= korvane::CellGrid::kMaxSize);
    const auto cells = static_cast<std::size_t>(m.rows * m.cols);
    Check(m.texts.size() == cells && m.typed.size() == cells);
    char letter = '\0';
    for (std::size_t k = 0; k < cells; ++k)
        CheckCell(m.texts[k], m.typed[k], letter);
    // The grid as korvane-cli fills it, each cell as typed.
    const korvane::CellGrid grid = korvane::GridOfTypedCells(m);
    for (const CopyFormat form : kForms) {
        const PastedMatrix back = korvane::ReadPastedMatrix(korvane::CopyMatrix(grid, form));
        Check(back.rows == m.rows && back.cols == m.cols);
        for (std::size_t k = 0; k < cells; ++k)
            Check(SameCell(m.texts[k], back.texts[k]));
    }
    return 0;
}
