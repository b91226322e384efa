#include "core/formats/CellExpression.h"

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/formats/Numerals.h"
#include "mklibs/NumberTextFolding.h"

namespace korvane {

namespace {

struct Refused {
    NumberFault fault = NumberFault::kNotANumber;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

// SymPy's pretty print writes the unit as ⅈ and products with ⋅.
constexpr std::string_view kDoubleStruckI = "\u2148";
constexpr std::string_view kDotOperator = "\u22C5";

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

// A value with what it was written as, for the rule on factors side by side.
struct Factor {
    enum class Kind {
        kUnit,               // the unit alone: i, I, \mathrm{i}, (i)
        kImaginaryLiteral,   // a numeral with the unit straight after: 2i
        kOther,
    };
    ComplexFraction value;
    Kind kind = Kind::kOther;
};

// Recursive descent over one cell: sum := product {± product};
// product := unary {(* | / | unit side by side) unary}; unary := {±} atom.
class CellParser {
  public:
    CellParser(std::string_view text, ExpressionSyntax syntax)
        : folded_(FoldNumberText(text)), text_(folded_), syntax_(syntax) {}

    ComplexFraction ReadAll() {
        const ComplexFraction value = Sum().value;
        Skip();
        if (pos_ != text_.size()) throw Refused{};
        return value;
    }

  private:
    static constexpr int kMaxDepth = 64;

    // Counts nesting so that hostile input cannot exhaust the stack.
    struct Nested {
        explicit Nested(int& depth) : depth_(depth) {
            if (++depth_ > kMaxDepth) throw Refused{};
        }
        ~Nested() { --depth_; }
        Nested(const Nested&) = delete;
        Nested& operator=(const Nested&) = delete;
        int& depth_;
    };

    char Peek(std::size_t ahead = 0) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }
    bool At(std::string_view sequence) const { return text_.substr(pos_).starts_with(sequence); }

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

    Factor Sum() {
        Nested nested(depth_);
        Factor first = Product();
        ComplexFraction value = first.value;
        bool single = true;
        while (true) {
            Skip();
            const char c = Peek();
            if (c != '+' && c != '-') return single ? first : Factor{value};
            ++pos_;
            const ComplexFraction term = Product().value;
            value = c == '+' ? Plus(value, term) : CpxSub(value, term);
            single = false;
        }
    }

    Factor Product() {
        const Factor first = Unary();
        ComplexFraction value = first.value;
        Factor::Kind last = first.kind;
        bool single = true;
        while (true) {
            Skip();
            if (TakeTimes()) {
                const Factor right = Unary();
                value = CpxMul(value, right.value);
                last = right.kind;
            } else if (TakeDivide()) {
                value = Quotient(value, Unary().value);
                last = Factor::Kind::kOther;
            } else if (StartsAtom()) {
                // Side by side only a unit multiplies: 2 I, \frac{3}{4}i.
                const Factor unit = Atom();
                if (unit.kind != Factor::Kind::kUnit || last != Factor::Kind::kOther)
                    throw Refused{};
                value = CpxMul(value, unit.value);
                last = Factor::Kind::kUnit;
            } else {
                return single ? first : Factor{value};
            }
            single = false;
        }
    }

    bool TakeTimes() {
        if (Peek() == '*' && Peek(1) != '*') {
            ++pos_;
            return true;
        }
        if (At(kDotOperator)) {
            pos_ += kDotOperator.size();
            return true;
        }
        return TakeCommandIf({"cdot", "times"});
    }

    bool TakeDivide() {
        if (Peek() == '/') {
            ++pos_;
            return true;
        }
        return TakeCommandIf({"div"});
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
        return StartsNumeral(text_.substr(pos_)) || At(kDoubleStruckI) || IsLetter(c) ||
               c == '(' || c == '{' || c == '[';
    }

    Factor Unary() {
        Nested nested(depth_);
        Skip();
        if (Peek() == '+') {
            ++pos_;
            return {Unary().value};
        }
        if (Peek() == '-') {
            ++pos_;
            return {CpxNeg(Unary().value)};
        }
        return Atom();
    }

    Factor Atom() {
        Skip();
        const char c = Peek();
        if (StartsNumeral(text_.substr(pos_))) return Numeral();
        if (c == '(' || c == '{' || c == '[') return Group();
        if (c == '\\') return Command();
        if (At(kDoubleStruckI)) {
            pos_ += kDoubleStruckI.size();
            return {ImaginaryUnit(), Factor::Kind::kUnit};
        }
        if (IsLetter(c)) return Name();
        throw Refused{};
    }

    Factor Group() {
        const char open = text_[pos_++];
        const char close = open == '(' ? ')' : open == '{' ? '}' : ']';
        const Factor inner = Sum();
        Skip();
        if (Peek() != close) throw Refused{};
        ++pos_;
        return inner;
    }

    // The unit's letters after a numeral (2i, 3j; 2I, 3J as MATLAB and
    // Python also take them) and alone (i, j; I as SymPy and Mathematica).
    bool IsUnitSuffix(char c) const {
        return c == 'i' || c == 'j' ||
               (syntax_ == ExpressionSyntax::kProgram && (c == 'I' || c == 'J'));
    }
    bool IsUnitName(std::string_view name) const {
        return name == "i" || name == "j" || (syntax_ == ExpressionSyntax::kProgram && name == "I");
    }

    // A numeral, and an i or j written straight after it.
    Factor Numeral() {
        const korvane::Numeral numeral = ScanNumeral(text_.substr(pos_));
        exponents_ += numeral.exponent;
        if (numeral.exponentTooLarge || exponents_ > kMaxExponent)
            throw Refused{NumberFault::kExponentTooLarge};
        pos_ += numeral.length;
        const ComplexFraction value{numeral.value, {}};
        if (IsUnitSuffix(Peek()) && !IsLetter(Peek(1)) && !IsDigit(Peek(1))) {
            ++pos_;
            return {CpxMul(value, ImaginaryUnit()), Factor::Kind::kImaginaryLiteral};
        }
        return {value};
    }

    Factor Command() {
        const std::string_view name = CommandName();
        TakeCommand(name);
        if (name == "imath" || name == "jmath") return {ImaginaryUnit(), Factor::Kind::kUnit};
        if (OneOf(kFractions, name)) {
            const ComplexFraction numerator = Argument().value;
            return {Quotient(numerator, Argument().value)};
        }
        if (OneOf(kDressing, name)) return Argument();
        throw Refused{};
    }

    // A braced group, or the one character or command after a \frac.
    Factor Argument() {
        Nested nested(depth_);
        Skip();
        const char c = Peek();
        if (c == '{') return Group();
        if (c == '\\') return Command();
        if (IsDigit(c)) {
            ++pos_;
            return {ComplexFraction{{c - '0', 1}, {}}};
        }
        if (c == 'i' || c == 'j') {
            ++pos_;
            return {ImaginaryUnit(), Factor::Kind::kUnit};
        }
        throw Refused{};
    }

    Factor Name() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() &&
               (IsLetter(text_[pos_]) || IsDigit(text_[pos_]) || text_[pos_] == '.'))
            ++pos_;
        const std::string_view name = text_.substr(start, pos_ - start);
        if (IsUnitName(name))
            return {ImaginaryUnit(), Factor::Kind::kUnit};
        if (OneOf(kQuotients, name)) {
            const std::vector<ComplexFraction> args = Arguments();
            if (args.size() == 1) return {args[0]};
            if (args.size() == 2) return {Quotient(args[0], args[1])};
        } else if (OneOf(kComplexes, name)) {
            const std::vector<ComplexFraction> args = Arguments();
            if (args.size() == 2) return {Plus(args[0], CpxMul(args[1], ImaginaryUnit()))};
        }
        throw Refused{};
    }

    // "(a, b)" or "[a, b]" after a name.
    std::vector<ComplexFraction> Arguments() {
        Skip();
        const char open = Peek();
        if (open != '(' && open != '[') throw Refused{};
        const char close = open == '(' ? ')' : ']';
        ++pos_;
        std::vector<ComplexFraction> args{Sum().value};
        while (true) {
            Skip();
            if (Peek() == close) {
                ++pos_;
                return args;
            }
            if (Peek() != ',' || args.size() == 2) throw Refused{};
            ++pos_;
            args.push_back(Sum().value);
        }
    }

    std::string folded_;
    std::string_view text_;
    ExpressionSyntax syntax_;
    std::size_t pos_ = 0;
    int depth_ = 0;
    int exponents_ = 0;  // the magnitudes of the exponents read so far
};

}  // namespace

NumberReading ReadCellExpression(std::string_view text, ExpressionSyntax syntax) {
    try {
        return {CellParser(text, syntax).ReadAll(), {}};
    } catch (const Refused& refused) {
        return {std::nullopt, refused.fault};
    } catch (const DivisionByZero&) {
        return {std::nullopt, NumberFault::kDivisionByZero};
    }
}

}  // namespace korvane
