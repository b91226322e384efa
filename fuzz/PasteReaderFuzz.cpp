// Any bytes pasted give a 1–10 × 1–10 matrix of canonical cells or a
// PasteError, nothing else; each cell as typed reads as its value; and the
// matrix copied out in every copy form pastes back as the same matrix.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/formats/CopyFormats.h"
#include "core/formats/NumberParts.h"
#include "core/formats/PasteReader.h"
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
    for (std::size_t k = 0; k < cells; ++k) {
        Check(korvane::IsCanonicalNumberText(m.texts[k]));
        Check(korvane::CpxText(korvane::CpxParse(m.typed[k])) == m.texts[k]);
    }
    // The grid as korvane-cli fills it, each cell as typed.
    const korvane::CellGrid grid = korvane::GridOfTypedCells(m);
    for (const CopyFormat form : kForms) {
        const PastedMatrix back = korvane::ReadPastedMatrix(korvane::CopyMatrix(grid, form));
        Check(back.rows == m.rows && back.cols == m.cols && back.texts == m.texts);
    }
    return 0;
}
