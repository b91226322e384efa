#include "core/workspace/ExpressionTokens.h"

#include <array>
#include <cstdio>
#include <utility>

#include "core/workspace/Expression.h"
#include "core/workspace/ExpressionReader.h"
#include "mklibs/NumberTextFolding.h"

namespace korvane {

namespace {

using Kind = ExpressionToken::Kind;

// One character of the text: its code point (0xFFFD for a byte that starts
// none) and its bytes.
struct Character {
    char32_t code = 0;
    std::string_view bytes;
};

Character NextCharacter(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80             ? 1
                               : (lead & 0xE0) == 0xC0 ? 2
                               : (lead & 0xF0) == 0xE0 ? 3
                               : (lead & 0xF8) == 0xF0 ? 4
                                                       : 0;
    if (length == 0 || length > text.size()) return {0xFFFD, text.substr(0, 1)};
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[k]);
        if ((next & 0xC0) != 0x80) return {0xFFFD, text.substr(0, 1)};
        code = (code << 6) | (next & 0x3F);
    }
    // An overlong form (C1 86 for F), a surrogate or beyond U+10FFFF is no
    // character.
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return {0xFFFD, text.substr(0, 1)};
    return {code, text.substr(0, length)};
}

// How a character is shown in a message: itself, or its code for a control
// character or a byte that starts none.
std::string Shown(const Character& c) {
    if (c.code >= 0x20 && c.code != 0x7F && c.code != 0xFFFD) return std::string(c.bytes);
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X",
                  static_cast<unsigned>(static_cast<unsigned char>(c.bytes[0])));
    return code;
}

// The superscripts that write an exponent, with their ASCII forms.
constexpr std::array<std::pair<char32_t, char>, 13> kSuperscripts{{
    {U'⁰', '0'},
    {U'¹', '1'},
    {U'²', '2'},
    {U'³', '3'},
    {U'⁴', '4'},
    {U'⁵', '5'},
    {U'⁶', '6'},
    {U'⁷', '7'},
    {U'⁸', '8'},
    {U'⁹', '9'},
    {U'⁻', '-'},
    {U'ᵀ', 'T'},
    {U'ᴴ', 'H'},
}};

char SuperscriptAscii(char32_t code) {
    for (const auto& [superscript, ascii] : kSuperscripts) {
        if (superscript == code) return ascii;
    }
    return '\0';
}

// The one-character operators; *, ·, × and ∙ all multiply.
constexpr std::array<std::pair<char32_t, Kind>, 11> kOperators{{
    {U'+', Kind::kPlus},
    {U'-', Kind::kMinus},
    {U'*', Kind::kTimes},
    {U'·', Kind::kTimes},
    {U'×', Kind::kTimes},
    {U'∙', Kind::kTimes},
    {U'/', Kind::kSlash},
    {U'^', Kind::kCaret},
    {U'(', Kind::kOpen},
    {U')', Kind::kClose},
    {U'=', Kind::kEquals},
}};

// The operator's kind; kEnd for a character that is none.
Kind OperatorKind(char32_t code) {
    for (const auto& [character, kind] : kOperators) {
        if (character == code) return kind;
    }
    return Kind::kEnd;
}

bool IsLower(char32_t c) {
    return c >= U'a' && c <= U'z';
}
bool IsNumeral(char32_t c) {
    return (c >= U'0' && c <= U'9') || c == U'.';
}

// Cuts the folded text into tokens, one character at a time.
class Tokenizer {
  public:
    explicit Tokenizer(std::string_view text) : rest_(text) {}

    std::vector<ExpressionToken> Run() {
        while (!rest_.empty()) {
            const Character c = NextCharacter(rest_);
            if (c.code == U' ' || c.code == U'\t') {
                Advance(c);
            } else if (c.code >= U'A' && c.code <= U'Z') {
                Add(Kind::kName, std::string(c.bytes));
                Advance(c);
            } else if (IsLower(c.code)) {
                Word();
            } else if (IsNumeral(c.code)) {
                Numeral();
            } else if (SuperscriptAscii(c.code) != '\0') {
                Superscript();
            } else if (const Kind kind = OperatorKind(c.code); kind != Kind::kEnd) {
                Add(kind, std::string(c.bytes));
                Advance(c);
            } else {
                throw ExpressionError(PlaceText(place_) + "「" + Shown(c) + "」は式に使えません。");
            }
        }
        Add(Kind::kEnd, "");
        return std::move(tokens_);
    }

  private:
    void Advance(const Character& c) {
        rest_.remove_prefix(c.bytes.size());
        ++place_;
    }

    void Add(Kind kind, std::string text) { tokens_.push_back({kind, std::move(text), place_}); }

    // The characters from here on while keep says so, as one text.
    template <typename Keep>
    std::string Run(Keep keep, int& start) {
        start = place_;
        std::string text;
        while (!rest_.empty()) {
            const Character c = NextCharacter(rest_);
            if (!keep(c.code)) break;
            text += c.bytes;
            Advance(c);
        }
        return text;
    }

    void Word() {
        int start = 0;
        const std::string word = Run(IsLower, start);
        Kind kind = Kind::kFunction;
        if (word == "i") {
            kind = Kind::kUnit;
        } else if (word != "tr" && word != "det" && word != "inv" && word != "rref") {
            throw ExpressionError(PlaceText(start) + "「" + word +
                                  "」は読めません。小文字で書けるのは、虚数単位 i と tr、det、"
                                  "inv、rref です。");
        }
        tokens_.push_back({kind, word, start});
    }

    void Numeral() {
        int start = 0;
        const std::string text = Run(IsNumeral, start);
        if (text.find('.') != text.rfind('.') ||
            text.find_first_of("0123456789") == std::string::npos)
            throw ExpressionError(PlaceText(start) + "「" + text + "」を数として読めません。");
        tokens_.push_back({Kind::kNumber, text, start});
    }

    void Superscript() {
        int start = 0;
        std::string ascii;
        const std::string text = Run(
            [&ascii](char32_t code) {
                const char a = SuperscriptAscii(code);
                // ᵀ and ᴴ stand alone; digits follow a sign or digits.
                const bool letter = a == 'T' || a == 'H';
                if (a == '\0' ||
                    (!ascii.empty() && (letter || ascii == "T" || ascii == "H" || a == '-')))
                    return false;
                ascii += a;
                return true;
            },
            start);
        if (ascii == "-")
            throw ExpressionError(PlaceText(start) + "「" + text +
                                  "」の後に指数の数字が要ります。");
        tokens_.push_back({Kind::kSuperscript, ascii, start});
    }

    std::string_view rest_;
    int place_ = 1;
    std::vector<ExpressionToken> tokens_;
};

}  // namespace

std::vector<ExpressionToken> ExpressionTokens(std::string_view text) {
    const std::string folded = FoldNumberText(text);
    return Tokenizer(folded).Run();
}

std::string PlaceText(int place) {
    return std::to_string(place) + "文字目の";
}

}  // namespace korvane
