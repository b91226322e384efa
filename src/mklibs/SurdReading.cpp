#include "mklibs/SurdReading.h"

#include <utility>

#include "mklibs/NumberTextFolding.h"

namespace korvane {

namespace {

constexpr std::string_view kRootSign = "√";
constexpr int kMaxNesting = 64;

// A reading stopped at the byte where it stands.
struct Unreadable {
    std::size_t at = 0;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// What a factor lets follow it without a * or /.
enum class Joining { kOpen, kClosed };

class SurdParser {
  public:
    explicit SurdParser(std::string_view text) : text_(text) {}

    Surd Read() {
        SkipBlanks();
        Surd value = Sum();
        if (pos_ != text_.size()) throw Unreadable{pos_};
        return value;
    }

  private:
    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    bool At(std::string_view word) const { return text_.substr(pos_, word.size()) == word; }

    void SkipBlanks() {
        while (Peek() == ' ' || Peek() == '\t')
            ++pos_;
    }

    void Expect(char c) {
        if (Peek() != c) throw Unreadable{pos_};
        ++pos_;
        SkipBlanks();
    }

    // [sign] term {sign term}, blanks after each part.
    Surd Sum() {
        const bool negative = Peek() == '-';
        if (Peek() == '+' || Peek() == '-') {
            ++pos_;
            SkipBlanks();
        }
        Surd value = Product();
        if (negative) value = SurdNeg(value);
        while (Peek() == '+' || Peek() == '-') {
            const bool minus = Peek() == '-';
            ++pos_;
            SkipBlanks();
            const Surd term = Product();
            value = minus ? SurdSub(value, term) : SurdAdd(value, term);
        }
        return value;
    }

    Surd Product() {
        Joining joining = Joining::kOpen;
        Surd value = Factor(joining);
        for (;;) {
            if (joining == Joining::kOpen && StartsJoinedFactor()) {
                value = SurdMul(value, Factor(joining));
                continue;
            }
            SkipBlanks();
            if (Peek() != '*' && Peek() != '/') return value;
            const bool divide = Peek() == '/';
            ++pos_;
            SkipBlanks();
            const Surd factor = Factor(joining);
            value = SurdMul(value, divide ? SurdInv(factor) : factor);
            if (divide) joining = Joining::kClosed;
        }
    }

    // A factor written straight after the previous one: i, a root or a
    // parenthesis (never a numeral: 2 3 and i2 are refused).
    bool StartsJoinedFactor() const {
        return Peek() == 'i' || Peek() == '(' || At(kRootSign) || At("sqrt");
    }

    Surd Factor(Joining& joining) {
        joining = Joining::kOpen;
        if (Peek() == 'i') {
            ++pos_;
            return SurdFromCpx({{}, {1, 1}});
        }
        if (Peek() == '(') return Parenthesised();
        if (At(kRootSign) || At("sqrt")) {
            joining = Joining::kClosed;
            return Root();
        }
        return SurdFromCpx({Numeral(), {}});
    }

    Surd Parenthesised() {
        if (++depth_ > kMaxNesting) throw Unreadable{pos_};
        Expect('(');
        Surd value = Sum();
        if (Peek() != ')') throw Unreadable{pos_};
        ++pos_;
        --depth_;
        return value;
    }

    // √12, √(1/2), √(-3), sqrt(5): the argument is a rational number.
    Surd Root() {
        const bool word = At("sqrt");
        pos_ += word ? 4 : kRootSign.size();
        const std::size_t start = pos_;
        Fraction radicand;
        if (word || Peek() == '(') {
            const Surd inside = Parenthesised();
            if (!CpxIsZero(inside.root) || !inside.rational.im.num.IsZero())
                throw Unreadable{start};
            radicand = inside.rational.re;
        } else {
            radicand = Numeral();
        }
        if ((radicand.num.Abs() * radicand.den).ToString().size() > kMaxRadicandDigits)
            throw Unreadable{start};
        return SurdSqrt(radicand);
    }

    // Decimal digits with at most one point and at least one digit.
    Fraction Numeral() {
        const std::size_t start = pos_;
        std::string digits;
        std::size_t decimals = 0;
        bool point = false;
        for (;; ++pos_) {
            const char c = Peek();
            if (IsDigit(c)) {
                digits += c;
                if (point) ++decimals;
            } else if (c == '.' && !point) {
                point = true;
            } else {
                break;
            }
        }
        if (digits.empty()) throw Unreadable{start};
        Integer scale = 1;
        for (std::size_t k = 0; k < decimals; ++k)
            scale = scale * 10;
        return FracReduce({Integer::FromDecimal(digits), scale});
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int depth_ = 0;
};

std::string Refusal(std::string_view text, std::size_t at) {
    std::string message;
    if (at >= text.size()) {
        message += "「";
        message += text;
        message += "」は途中で終わっていて、数として読めません。";
    } else {
        message += "「";
        message += text;
        message += "」の「";
        message += text.substr(at);
        message += "」を数として読めません。";
    }
    return message;
}

}  // namespace

SurdReading ReadSurd(std::string_view text) {
    const std::string folded = FoldNumberText(text);
    if (folded.find_first_not_of(" \t") == std::string::npos)
        return {std::nullopt, "数が書かれていません。"};
    try {
        Surd value = SurdParser(folded).Read();
        // Roots read one by one may multiply into a radicand longer than a
        // typed one may be; its text could not be read back, so refuse it.
        if (value.radicand.ToString().size() > kMaxRadicandDigits)
            return {std::nullopt, "平方根の中の数が大きすぎて、読めません。"};
        return {std::move(value), {}};
    } catch (const Unreadable& unreadable) {
        return {std::nullopt, Refusal(folded, unreadable.at)};
    } catch (const Error& error) {
        return {std::nullopt, error.what()};
    }
}

}  // namespace korvane
