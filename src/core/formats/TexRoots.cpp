#include "core/formats/TexRoots.h"

#include <array>
#include <utility>

namespace korvane {

namespace {

struct TexMalformed {};

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

class TexRewriter {
  public:
    explicit TexRewriter(std::string_view tex) : tex_(tex) {}

    std::string Whole() {
        std::string out = Until('\0');
        if (pos_ != tex_.size()) throw TexMalformed{};
        return out;
    }

  private:
    char Peek() const { return pos_ < tex_.size() ? tex_[pos_] : '\0'; }

    void SkipBlanks() {
        while (Peek() == ' ' || Peek() == '\t')
            ++pos_;
    }

    // The rewritten text up to the closing character (not consumed).
    std::string Until(char closing) {
        std::string out;
        while (pos_ < tex_.size() && Peek() != closing) {
            const char c = tex_[pos_];
            if (c == '}') throw TexMalformed{};
            if (c == ' ' || c == '\t') {
                ++pos_;  // blanks in mathematics set nothing: 2 \sqrt{3} is 2√3
            } else if (c == '\\') {
                out += Command();
            } else if (c == '{') {
                out += '(' + Group() + ')';
            } else {
                out += c;
                ++pos_;
            }
        }
        return out;
    }

    // {…} rewritten, braces consumed.
    std::string Group() {
        SkipBlanks();
        if (Peek() != '{') throw TexMalformed{};
        ++pos_;
        std::string inner = Until('}');
        if (Peek() != '}') throw TexMalformed{};
        ++pos_;
        return inner;
    }

    std::string Name() {
        const std::size_t start = ++pos_;  // after the backslash
        while (IsLetter(Peek()))
            ++pos_;
        // A command of one symbol: \, \; \!
        if (pos_ == start && pos_ < tex_.size()) ++pos_;
        return std::string(tex_.substr(start, pos_ - start));
    }

    std::string Command() {
        const std::string name = Name();
        if (name == "sqrt") return "\u221A(" + Group() + ")";
        if (name == "frac" || name == "dfrac" || name == "tfrac") {
            std::string numerator = Group();
            std::string denominator = Group();
            std::string out = "((";
            out += numerator;
            out += ")/(";
            out += denominator;
            out += "))";
            return out;
        }
        if (name == "cdot" || name == "times") return "*";
        if (name == "left" || name == "right" || name == "," || name == ";" || name == "!") return "";
        throw TexMalformed{};
    }

    std::string_view tex_;
    std::size_t pos_ = 0;
};

}  // namespace

std::optional<std::string> TexRootText(std::string_view tex) {
    try {
        return TexRewriter(tex).Whole();
    } catch (const TexMalformed&) {
        return std::nullopt;
    }
}

}  // namespace korvane
