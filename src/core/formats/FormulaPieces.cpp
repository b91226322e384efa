#include "core/formats/Formula.h"

namespace korvane {

namespace {

// Japanese characters (U+3000 on: kana, kanji, full-width punctuation) are
// prose; everything before them may be part of a formula.
bool IsJapaneseLead(unsigned char lead) {
    return lead >= 0xE3;
}

std::size_t CharLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    return 4;
}

// Whether a run of the notation's characters is a formula: it holds a
// letter (λ and subscripts too) or an operator; brackets, commas and digits
// alone are positions and counts.
bool IsFormula(std::string_view run) {
    for (const char c : run) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
        if (std::string_view("=+-^/|*{}").find(c) != std::string_view::npos) return true;
    }
    return false;
}

void AddProse(std::vector<SentencePiece>& pieces, std::string_view text) {
    if (text.empty()) return;
    if (!pieces.empty() && !pieces.back().formula) {
        pieces.back().text += text;
    } else {
        pieces.push_back({false, std::string(text)});
    }
}

void AddRun(std::vector<SentencePiece>& pieces, std::string_view run) {
    const std::size_t first = run.find_first_not_of(' ');
    if (first == std::string_view::npos || !IsFormula(run)) {
        AddProse(pieces, run);
        return;
    }
    const std::size_t last = run.find_last_not_of(' ');
    AddProse(pieces, run.substr(0, first));
    pieces.push_back({true, std::string(run.substr(first, last - first + 1))});
    AddProse(pieces, run.substr(last + 1));
}

}  // namespace

std::vector<SentencePiece> SplitFormulas(std::string_view sentence) {
    std::vector<SentencePiece> pieces;
    std::size_t pos = 0;
    while (pos < sentence.size()) {
        const std::size_t start = pos;
        const bool prose = IsJapaneseLead(static_cast<unsigned char>(sentence[pos]));
        while (pos < sentence.size() &&
               IsJapaneseLead(static_cast<unsigned char>(sentence[pos])) == prose)
            pos += CharLength(static_cast<unsigned char>(sentence[pos]));
        pos = std::min(pos, sentence.size());
        const std::string_view run = sentence.substr(start, pos - start);
        if (prose) {
            AddProse(pieces, run);
        } else {
            AddRun(pieces, run);
        }
    }
    return pieces;
}

}  // namespace korvane
