#include "core/formats/FormulaTree.h"

#include <array>
#include <utility>

#include "core/formats/NumberParts.h"

namespace korvane {

namespace {

using Kind = FormulaNode::Kind;

struct Token {
    enum class Type { kNumber, kLetter, kWord, kOperator, kOpen, kClose, kSubscript };
    Type type = Type::kOperator;
    std::string text;
    bool spaced = false;    // a blank stands before it
    std::size_t begin = 0;  // its bytes in the formula
    std::size_t end = 0;
};
using Type = Token::Type;

constexpr std::array<std::string_view, 6> kWords{"det", "span", "tr", "rank", "cos", "sin"};

// Characters beyond ASCII that the log's formulas use, as the token each is.
constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kOperators{
    {{"−", "-"}, {"≈", "≈"}, {"≠", "≠"}, {"…", "…"}, {"→", "→"}, {"↔", "↔"}, {"·", "·"}}};

// Subscript characters and what they stand for: ₀–₉, ₋, ₖ, and ᵢ and ⱼ of
// an entry cᵢⱼ.
std::string_view SubscriptAt(std::string_view text) {
    if (text.starts_with("ᵢ")) return "i";
    if (text.starts_with("ⱼ")) return "j";
    if (text.size() < 3 || text[0] != '\xE2' || text[1] != '\x82') return {};
    const unsigned char c = text[2];
    if (c >= 0x80 && c <= 0x89) return std::string_view("0123456789").substr(c - 0x80, 1);
    if (c == 0x8B) return "-";
    if (c == 0x96) return "k";
    return {};
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::size_t Utf8Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    return 4;
}

class Tokenizer {
  public:
    explicit Tokenizer(std::string_view text) : text_(text) {}

    std::vector<Token> Tokens() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == ' ') {
                spaced_ = true;
                ++pos_;
            } else if (IsDigit(c)) {
                TakeNumber();
            } else if (IsLetter(c)) {
                TakeLetters();
            } else {
                TakeOther();
            }
        }
        return std::move(tokens_);
    }

  private:
    void Add(Type type, std::string text, std::size_t begin) {
        tokens_.push_back({type, std::move(text), spaced_, begin, pos_});
        spaced_ = false;
    }

    void TakeNumber() {
        const std::size_t begin = pos_;
        while (pos_ < text_.size() && IsDigit(text_[pos_]))
            ++pos_;
        if (pos_ + 1 < text_.size() && text_[pos_] == '.' && IsDigit(text_[pos_ + 1])) {
            ++pos_;
            while (pos_ < text_.size() && IsDigit(text_[pos_]))
                ++pos_;
        }
        Add(Type::kNumber, std::string(text_.substr(begin, pos_ - begin)), begin);
    }

    // A word the notation knows, or letters each on its own; digits straight
    // after a letter are its subscript (t1, x2, b1).
    void TakeLetters() {
        const std::size_t begin = pos_;
        while (pos_ < text_.size() && IsLetter(text_[pos_]))
            ++pos_;
        const std::string_view run = text_.substr(begin, pos_ - begin);
        for (const std::string_view word : kWords) {
            if (run == word) {
                Add(Type::kWord, std::string(run), begin);
                return;
            }
        }
        const std::size_t end = pos_;
        for (std::size_t k = begin; k < end; ++k) {
            pos_ = k + 1;
            Add(Type::kLetter, std::string(1, text_[k]), k);
        }
        const std::size_t digits = pos_;
        while (pos_ < text_.size() && IsDigit(text_[pos_]))
            ++pos_;
        if (pos_ > digits && text_[digits - 1] != 'i')
            Add(Type::kSubscript, std::string(text_.substr(digits, pos_ - digits)), digits);
        else
            pos_ = digits;
    }

    void TakeOther() {
        const std::size_t begin = pos_;
        const std::string_view rest = text_.substr(pos_);
        if (const std::string_view sub = SubscriptAt(rest); !sub.empty()) {
            std::string subscript;
            while (pos_ < text_.size() && !SubscriptAt(text_.substr(pos_)).empty()) {
                subscript += SubscriptAt(text_.substr(pos_));
                pos_ += 3;
            }
            Add(Type::kSubscript, std::move(subscript), begin);
            return;
        }
        for (const auto& [written, meant] : kOperators) {
            if (rest.starts_with(written)) {
                pos_ += written.size();
                Add(Type::kOperator, std::string(meant), begin);
                return;
            }
        }
        const char c = text_[pos_];
        pos_ += std::min(Utf8Length(static_cast<unsigned char>(c)), rest.size());
        const std::string piece(text_.substr(begin, pos_ - begin));
        if (c == '(' || c == '{' || c == '[') {
            Add(Type::kOpen, piece, begin);
        } else if (c == ')' || c == '}' || c == ']') {
            Add(Type::kClose, piece, begin);
        } else {
            Add(static_cast<unsigned char>(c) >= 0x80 ? Type::kLetter : Type::kOperator, piece,
                begin);
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    bool spaced_ = false;
    std::vector<Token> tokens_;
};

char Closing(char open) {
    return open == '(' ? ')' : open == '{' ? '}' : ']';
}

FormulaNode Leaf(Kind kind, std::string text) {
    return {kind, std::move(text), {}, {}};
}

FormulaNode Grouped(Formula children, std::string brackets = "") {
    return {Kind::kGroup, std::move(brackets), std::move(children), {}};
}

bool IsAtom(const FormulaNode& node) {
    return node.kind != Kind::kOperator && node.kind != Kind::kWord;
}

class Parser {
  public:
    Parser(std::string_view text, std::vector<Token> tokens)
        : text_(text), tokens_(std::move(tokens)) {}

    Formula Sequence(char closer) {
        Formula seq;
        std::vector<bool> spaced;  // whether a blank stood before each node
        while (at_ < tokens_.size()) {
            const Token& t = tokens_[at_];
            if (t.type == Type::kClose && closer != '\0' && t.text[0] == closer) return seq;
            const bool blank = t.spaced;
            if (t.type == Type::kOpen) {
                if (!Bracketed(seq)) continue;  // h(k,k) took the h before it
            } else if (t.type == Type::kSubscript && !seq.empty() && !blank) {
                ++at_;
                seq.back() =
                    Wrapped(Kind::kSubscript, std::move(seq.back()), Grouped(ReadFormula(t.text)));
                continue;
            } else if (t.type == Type::kOperator && t.text == "^" && !seq.empty()) {
                ++at_;
                seq.back() = Wrapped(Kind::kPower, std::move(seq.back()), Exponent());
                continue;
            } else if (t.type == Type::kOperator && t.text == "/" && Fraction(seq, spaced)) {
                continue;
            } else if (t.text == "√" && RadicandFollows()) {
                seq.push_back(Root());
            } else {
                seq.push_back(Leaf(LeafKind(t.type), t.text));
                ++at_;
            }
            spaced.push_back(blank);
        }
        return seq;
    }

  private:
    static Kind LeafKind(Type type) {
        switch (type) {
            case Type::kNumber:
                return Kind::kNumber;
            case Type::kLetter:
            case Type::kSubscript:
                return Kind::kLetter;
            case Type::kWord:
                return Kind::kWord;
            default:
                return Kind::kOperator;
        }
    }

    static FormulaNode Wrapped(Kind kind, FormulaNode base, FormulaNode second) {
        FormulaNode node{kind, "", {}, {}};
        node.children.push_back(std::move(base));
        node.children.push_back(std::move(second));
        return node;
    }

    // "^2", "^-1", "^(…)", "^n".
    FormulaNode Exponent() {
        Formula exponent;
        if (at_ < tokens_.size() && tokens_[at_].text == "-") {
            exponent.push_back(Leaf(Kind::kOperator, "-"));
            ++at_;
        }
        if (at_ < tokens_.size()) {
            const Token& t = tokens_[at_];
            if (t.type == Type::kOpen) {
                Bracketed(exponent);
            } else if (t.type == Type::kNumber || t.type == Type::kLetter) {
                exponent.push_back(Leaf(LeafKind(t.type), t.text));
                ++at_;
            }
        }
        return Grouped(std::move(exponent));
    }

    // √ straight before a number or a bracket.
    bool RadicandFollows() const {
        if (at_ + 1 >= tokens_.size() || tokens_[at_ + 1].spaced) return false;
        const Type next = tokens_[at_ + 1].type;
        return next == Type::kNumber || (next == Type::kOpen && tokens_[at_ + 1].text == "(");
    }

    // √5, or √(…) with the radicand's brackets dropped: the root's bar
    // encloses it.
    FormulaNode Root() {
        ++at_;
        Formula radicand;
        if (tokens_[at_].type == Type::kOpen) {
            Bracketed(radicand);
            if (radicand.size() == 1 && radicand.front().kind == Kind::kGroup)
                radicand = std::move(radicand.front().children);
        } else {
            radicand.push_back(Leaf(Kind::kNumber, tokens_[at_].text));
            ++at_;
        }
        FormulaNode node{Kind::kRoot, "", {}, {}};
        node.children.push_back(Grouped(std::move(radicand)));
        return node;
    }

    // a/b: the numerator is the run of atoms just before, with no blank
    // between them ("3i/4"), the denominator the atom just after.
    bool Fraction(Formula& seq, std::vector<bool>& spaced) {
        const std::size_t slash = at_;
        if (tokens_[slash].spaced || seq.empty() || !IsAtom(seq.back())) return false;
        if (slash + 1 >= tokens_.size() || tokens_[slash + 1].spaced) return false;
        const Type next = tokens_[slash + 1].type;
        if (next != Type::kNumber && next != Type::kLetter && next != Type::kOpen) return false;
        std::size_t first = seq.size() - 1;
        while (first > 0 && !spaced[first] && IsAtom(seq[first - 1]))
            --first;
        Formula numerator(std::make_move_iterator(seq.begin() + static_cast<std::ptrdiff_t>(first)),
                          std::make_move_iterator(seq.end()));
        const bool blank = spaced[first];
        seq.resize(first);
        spaced.resize(first);
        at_ = slash + 1;
        Formula denominator;
        if (next == Type::kOpen) {
            Bracketed(denominator);
        } else {
            denominator.push_back(Leaf(LeafKind(next), tokens_[at_].text));
            ++at_;
        }
        seq.push_back(Wrapped(Kind::kFraction, Grouped(std::move(numerator)),
                              Grouped(std::move(denominator))));
        spaced.push_back(blank);
        return true;
    }

    // A bracketed part, appended to seq: a group or a column vector of
    // numbers. The subscripts of h(k,k) wrap the h before them instead;
    // then it returns false.
    bool Bracketed(Formula& seq) {
        const Token open = tokens_[at_++];
        const char closer = Closing(open.text[0]);
        Formula inside = Sequence(closer);
        std::size_t end = text_.size();
        if (at_ < tokens_.size()) {
            end = tokens_[at_].begin;
            ++at_;
        }
        const std::string_view raw = text_.substr(open.end, end - open.end);
        const bool adjacent = !open.spaced;
        if (open.text == "(" && adjacent && !seq.empty() && seq.back().kind == Kind::kLetter &&
            seq.back().text == "h" && raw.find(',') != std::string_view::npos) {
            seq.back() =
                Wrapped(Kind::kSubscript, std::move(seq.back()), Grouped(std::move(inside)));
            return false;
        }
        if (open.text == "(") {
            std::vector<std::string> entries = NumberEntries(raw);
            if (!entries.empty() && (entries.size() > 1 || StandsAsVector(seq, adjacent))) {
                seq.push_back({Kind::kVector, "", {}, std::move(entries)});
                return true;
            }
        }
        seq.push_back(Grouped(std::move(inside), open.text + closer));
        return true;
    }

    // A single number in brackets is a vector where it stands for one: after
    // "=" or straight after a matrix's name, and not before a letter, a
    // bracket, a power's "^", a product's "·" or a fraction's "/": "(-1)^(1+2)",
    // "(-1)·5" and "(-2)/(-1)" are numbers.
    bool StandsAsVector(const Formula& before, bool adjacent) const {
        if (at_ < tokens_.size() && !tokens_[at_].spaced) {
            const Token& next = tokens_[at_];
            if (next.type == Type::kLetter || next.type == Type::kOpen || next.text == "^" ||
                next.text == "·" || next.text == "/")
                return false;
        }
        if (before.empty()) return false;
        const FormulaNode& last = before.back();
        return (last.kind == Kind::kOperator && last.text == "=") ||
               (adjacent && last.kind == Kind::kLetter && last.text == "A");
    }

    // The entries of "a,b,c" when every one is a canonical number text.
    static std::vector<std::string> NumberEntries(std::string_view raw) {
        std::vector<std::string> entries;
        while (true) {
            const std::size_t comma = raw.find(',');
            const std::string_view entry = raw.substr(0, comma);
            if (!IsCanonicalNumberText(entry)) return {};
            entries.emplace_back(entry);
            if (comma == std::string_view::npos) return entries;
            raw.remove_prefix(comma + 1);
        }
    }

    std::string_view text_;
    std::vector<Token> tokens_;
    std::size_t at_ = 0;
};

}  // namespace

Formula ReadFormula(std::string_view text) {
    Parser parser(text, Tokenizer(text).Tokens());
    return parser.Sequence('\0');
}

}  // namespace korvane
