#include "core/formats/CellExpression.h"

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

namespace korvane {

namespace {

struct Unreadable {};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool IsNumeralByte(char c) {
    return IsDigit(c) || c == '.' || static_cast<unsigned char>(c) >= 0x80;
}

ComplexFraction ImaginaryUnit() {
    return {{0, 1}, {1, 1}};
}
ComplexFraction Plus(const ComplexFraction& a, const ComplexFraction& b) {
    return CpxSub(a, CpxNeg(b));
}
ComplexFraction Quotient(const ComplexFraction& a, const ComplexFraction& b) {
    return CpxMul(a, CpxInv(b));  // DivisionByZero for b = 0
}

// TeX commands that only space or size their surroundings.
constexpr std::array<std::string_view, 10> kSpacing{
    ",", ";", ":", "!", " ", "quad", "qquad", "displaystyle", "textstyle", "scriptstyle"};
// TeX commands that only dress their one argument.
constexpr std::array<std::string_view, 12> kDressing{
    "mathrm", "mathit", "mathbf", "mathsf",       "mathnormal", "boldsymbol",
    "text",   "textrm", "textit", "operatorname", "mbox",       "ensuremath"};
constexpr std::array<std::string_view, 4> kFractions{"frac", "dfrac", "tfrac", "cfrac"};
// Names that stand for a quotient of their two arguments (or their one).
constexpr std::array<std::string_view, 8> kQuotients{
    "Rational", "sympy.Rational", "sp.Rational", "Fraction", "fractions.Fraction",
    "S",        "sympy.S",        "Integer"};
constexpr std::array<std::string_view, 3> kComplexes{"complex", "Complex", "sympy.Complex"};

template <std::size_t N>
bool OneOf(const std::array<std::string_view, N>& names, std::string_view name) {
    for (const std::string_view n : names) {
        if (n == name) return true;
    }
    return false;
}

// Recursive descent over one cell: sum := product {± product};
// product := unary {(* | / | juxtaposition) unary}; unary := {±} atom.
class CellParser {
  public:
    explicit CellParser(std::string_view text) : text_(text) {}

    ComplexFraction ReadAll() {
        const ComplexFraction value = Sum();
        Skip();
        if (pos_ != text_.size()) throw Unreadable{};
        return value;
    }

  private:
    static constexpr int kMaxDepth = 64;

    // Counts nesting so that hostile input cannot exhaust the stack.
    struct Nested {
        explicit Nested(int& depth) : depth_(depth) {
            if (++depth_ > kMaxDepth) throw Unreadable{};
        }
        ~Nested() { --depth_; }
        Nested(const Nested&) = delete;
        Nested& operator=(const Nested&) = delete;
        int& depth_;
    };

    char Peek(std::size_t ahead = 0) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }

    // The name of the TeX command at pos_ (after its backslash), not taken.
    std::string_view CommandName() const {
        std::size_t end = pos_ + 1;
        if (end < text_.size() && !IsLetter(text_[end])) return text_.substr(end, 1);
        while (end < text_.size() && IsLetter(text_[end]) && text_[end] != '_')
            ++end;
        return text_.substr(pos_ + 1, end - pos_ - 1);
    }
    void TakeCommand(std::string_view name) { pos_ += 1 + name.size(); }

    // Passes blanks, TeX spacing and \left / \right (with a "." after them).
    void Skip() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
                ++pos_;
                continue;
            }
            if (c != '\\') return;
            const std::string_view name = CommandName();
            if (name == "left" || name == "right") {
                TakeCommand(name);
                if (Peek() == '.') ++pos_;
            } else if (OneOf(kSpacing, name)) {
                TakeCommand(name);
            } else {
                return;
            }
        }
    }

    ComplexFraction Sum() {
        Nested nested(depth_);
        ComplexFraction value = Product();
        while (true) {
            Skip();
            const char c = Peek();
            if (c != '+' && c != '-') return value;
            ++pos_;
            const ComplexFraction term = Product();
            value = c == '+' ? Plus(value, term) : CpxSub(value, term);
        }
    }

    ComplexFraction Product() {
        ComplexFraction value = Unary();
        while (true) {
            Skip();
            const char c = Peek();
            if ((c == '*' && Peek(1) != '*') || TakeCommandIf({"cdot", "times"})) {
                if (c == '*') ++pos_;
                value = CpxMul(value, Unary());
            } else if (c == '/' || TakeCommandIf({"div"})) {
                if (c == '/') ++pos_;
                value = Quotient(value, Unary());
            } else if (StartsAtom()) {
                value = CpxMul(value, Unary());
            } else {
                return value;
            }
        }
    }

    bool TakeCommandIf(std::initializer_list<std::string_view> names) {
        if (Peek() != '\\') return false;
        const std::string_view name = CommandName();
        for (const std::string_view n : names) {
            if (n == name) {
                TakeCommand(name);
                return true;
            }
        }
        return false;
    }

    bool StartsAtom() const {
        const char c = Peek();
        if (c == '\\') {
            const std::string_view name = CommandName();
            return name != "cdot" && name != "times" && name != "div";
        }
        return IsNumeralByte(c) || IsLetter(c) || c == '(' || c == '{' || c == '[';
    }

    ComplexFraction Unary() {
        Nested nested(depth_);
        Skip();
        if (Peek() == '+') {
            ++pos_;
            return Unary();
        }
        if (Peek() == '-') {
            ++pos_;
            return CpxNeg(Unary());
        }
        return Atom();
    }

    ComplexFraction Atom() {
        Skip();
        const char c = Peek();
        if (IsNumeralByte(c)) return Numeral();
        if (c == '(' || c == '{' || c == '[') return Group();
        if (c == '\\') return Command();
        if (IsLetter(c)) return Name();
        throw Unreadable{};
    }

    ComplexFraction Group() {
        const char open = text_[pos_++];
        const char close = open == '(' ? ')' : open == '{' ? '}' : ']';
        const ComplexFraction value = Sum();
        Skip();
        if (Peek() != close) throw Unreadable{};
        ++pos_;
        return value;
    }

    // Digits, points and non-ASCII characters, read by CpxParse; then an
    // exponent, and an i or j written straight after.
    ComplexFraction Numeral() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && IsNumeralByte(text_[pos_]))
            ++pos_;
        ComplexFraction value = CpxParse(text_.substr(start, pos_ - start));
        if ((Peek() == 'e' || Peek() == 'E') &&
            (IsDigit(Peek(1)) || ((Peek(1) == '-' || Peek(1) == '+') && IsDigit(Peek(2)))))
            value = CpxMul(value, PowerOfTen());
        if ((Peek() == 'i' || Peek() == 'j') && !IsLetter(Peek(1)) && !IsDigit(Peek(1))) {
            ++pos_;
            value = CpxMul(value, ImaginaryUnit());
        }
        return value;
    }

    ComplexFraction PowerOfTen() {
        ++pos_;  // the e
        const bool negative = Peek() == '-';
        if (Peek() == '-' || Peek() == '+') ++pos_;
        int exponent = 0;
        while (IsDigit(Peek())) {
            exponent = exponent * 10 + (Peek() - '0');
            if (exponent > kMaxExponent) throw Unreadable{};
            ++pos_;
        }
        Integer power = 1;
        for (int k = 0; k < exponent; ++k)
            power = power * Integer(10);
        const ComplexFraction scale{{power, 1}, {0, 1}};
        return negative ? CpxInv(scale) : scale;
    }
    static constexpr int kMaxExponent = 400;

    ComplexFraction Command() {
        const std::string_view name = CommandName();
        TakeCommand(name);
        if (name == "imath" || name == "jmath") return ImaginaryUnit();
        if (OneOf(kFractions, name)) {
            const ComplexFraction numerator = Argument();
            return Quotient(numerator, Argument());
        }
        if (OneOf(kDressing, name)) return Argument();
        throw Unreadable{};
    }

    // A braced group, or the one character or command after a \frac.
    ComplexFraction Argument() {
        Nested nested(depth_);
        Skip();
        const char c = Peek();
        if (c == '{') return Group();
        if (c == '\\') return Command();
        if (IsDigit(c)) {
            ++pos_;
            return CpxParse(text_.substr(pos_ - 1, 1));
        }
        if (c == 'i' || c == 'j') {
            ++pos_;
            return ImaginaryUnit();
        }
        throw Unreadable{};
    }

    ComplexFraction Name() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() &&
               (IsLetter(text_[pos_]) || IsDigit(text_[pos_]) || text_[pos_] == '.'))
            ++pos_;
        const std::string_view name = text_.substr(start, pos_ - start);
        if (name == "i" || name == "j" || name == "I") return ImaginaryUnit();
        if (OneOf(kQuotients, name)) {
            const std::vector<ComplexFraction> args = Arguments();
            if (args.size() == 1) return args[0];
            if (args.size() == 2) return Quotient(args[0], args[1]);
        } else if (OneOf(kComplexes, name)) {
            const std::vector<ComplexFraction> args = Arguments();
            if (args.size() == 2) return Plus(args[0], CpxMul(args[1], ImaginaryUnit()));
        }
        throw Unreadable{};
    }

    // "(a, b)" or "[a, b]" after a name.
    std::vector<ComplexFraction> Arguments() {
        Skip();
        const char open = Peek();
        if (open != '(' && open != '[') throw Unreadable{};
        const char close = open == '(' ? ')' : ']';
        ++pos_;
        std::vector<ComplexFraction> args{Sum()};
        while (true) {
            Skip();
            if (Peek() == close) {
                ++pos_;
                return args;
            }
            if (Peek() != ',' || args.size() == 2) throw Unreadable{};
            ++pos_;
            args.push_back(Sum());
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int depth_ = 0;
};

}  // namespace

CellReading ReadCellExpression(std::string_view text) {
    try {
        return {CellParser(text).ReadAll(), false};
    } catch (const Unreadable&) {
        return {};
    } catch (const DivisionByZero&) {
        return {std::nullopt, true};
    }
}

}  // namespace korvane
