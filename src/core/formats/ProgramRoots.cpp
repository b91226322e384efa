#include "core/formats/ProgramRoots.h"

#include <utility>
#include <vector>

#include "mklibs/NumberTextFolding.h"

namespace korvane {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsWordCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || IsDigit(c);
}

// Whether a name is the imaginary unit: i, j and I alone; after a numeral
// also J, as MATLAB and Python write 2J.
bool IsUnit(std::string_view name, bool afterNumeral) {
    return name == "i" || name == "j" || name == "I" || (afterNumeral && name == "J");
}

// SymPy's pretty print writes the unit as ⅈ and products with ⋅.
constexpr std::pair<std::string_view, char> kSymbols[] = {{"\u2148", 'i'}, {"\u22C5", '*'}};

class ProgramRewriter {
  public:
    explicit ProgramRewriter(std::string_view text)
        : folded_(FoldNumberText(text)), text_(folded_) {}

    std::optional<std::string> Whole() {
        while (pos_ < text_.size()) {
            if (!Step()) return std::nullopt;
        }
        if (!closings_.empty()) return std::nullopt;
        return out_;
    }

  private:
    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

    // One character, or one name, rewritten; false for what must be refused.
    bool Step() {
        for (const auto& [from, to] : kSymbols) {
            if (text_.substr(pos_).starts_with(from)) {
                out_ += to;
                pos_ += from.size();
                return true;
            }
        }
        const char c = text_[pos_];
        if (c == ' ' || c == '\t') return Blanks();
        if (IsWordCharacter(c) && !IsDigit(c)) return Name();
        if (c == '(' || c == '[' || c == '{') return Open(c);
        if (c == ')' || c == ']' || c == '}') return Close(c);
        out_ += c;
        ++pos_;
        return true;
    }

    // Mathematica's plain text multiplies by a blank before Sqrt[…] and I
    // (2 Sqrt[3], I Sqrt[3], (1 + I) Sqrt[2]): that blank is a *. Any other
    // blank stays one, which ReadSurd allows only around signs and operators.
    bool Blanks() {
        while (Peek() == ' ' || Peek() == '\t')
            ++pos_;
        const std::string_view rest = text_.substr(pos_);
        const bool factorAfter =
            rest.starts_with("Sqrt[") ||
            (rest.starts_with('I') && (rest.size() == 1 || !IsWordCharacter(rest[1])));
        const bool factorBefore = !out_.empty() && (IsDigit(out_.back()) || out_.back() == '.' ||
                                                    out_.back() == ')' || out_.back() == 'i');
        out_ += factorBefore && factorAfter ? '*' : ' ';
        return true;
    }

    bool Name() {
        const bool afterNumeral = pos_ > 0 && (IsDigit(text_[pos_ - 1]) || text_[pos_ - 1] == '.');
        const std::size_t start = pos_;
        while (pos_ < text_.size() && IsWordCharacter(text_[pos_]))
            ++pos_;
        const std::string_view name = text_.substr(start, pos_ - start);
        if (IsUnit(name, afterNumeral)) {
            out_ += 'i';
        } else if (name == "sqrt" && Peek() == '(') {
            out_ += "sqrt";
        } else if (name == "Sqrt" && Peek() == '[') {
            out_ += "\u221A(";
            closings_.push_back(']');
            ++pos_;
        } else {
            return false;
        }
        return true;
    }

    // Only parentheses group; a bracket is a Sqrt's (taken with its name).
    bool Open(char c) {
        if (c != '(') return false;
        closings_.push_back(')');
        out_ += '(';
        ++pos_;
        return true;
    }

    bool Close(char c) {
        if (closings_.empty() || closings_.back() != c) return false;
        closings_.pop_back();
        out_ += ')';
        ++pos_;
        return true;
    }

    std::string folded_;
    std::string_view text_;
    std::size_t pos_ = 0;
    std::string out_;
    std::vector<char> closings_;
};

}  // namespace

std::optional<std::string> ProgramRootText(std::string_view text) {
    return ProgramRewriter(text).Whole();
}

}  // namespace korvane
