#pragma once

// The expression line cut into tokens, for the reader.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

struct ExpressionToken {
    enum class Kind {
        kName,      // a capital letter: name
        kUnit,      // i
        kNumber,    // digits with a decimal point at most: text
        kFunction,  // tr, det, inv or rref: text
        kPlus,
        kMinus,
        kTimes,  // *, ·, ×
        kSlash,
        kCaret,
        kOpen,
        kClose,
        kEquals,
        kSuperscript,  // ², ⁻¹, ᵀ, ᴴ: text the exponent's ASCII form ("2", "-1", "T", "H")
        kEnd,
    };
    Kind kind = Kind::kEnd;
    std::string text;  // as written, for messages (but see kSuperscript)
    int place = 1;     // the character it starts at, from 1
};

// The tokens of text, ending with kEnd. Blanks separate tokens and are
// dropped. Throws ExpressionError for a character or a word that has no
// place in an expression.
std::vector<ExpressionToken> ExpressionTokens(std::string_view text);

// "3文字目の": the place a message about a token starts with.
std::string PlaceText(int place);

}  // namespace korvane
