#include "mklibs/ParameterReader.h"

#include <flint/fmpz.h>

#include <algorithm>
#include <cstdlib>

#include "mklibs/NumberTextFolding.h"
#include "mklibs/PolynomialGcd.h"
#include "mklibs/RawInteger.h"

namespace korvane {

namespace {

// Nesting of brackets and signs; deeper input is refused before it can
// exhaust the stack.
constexpr int kMaxDepth = 64;
// The magnitudes of the exponents of a text's numerals together (1e5 has
// 5), as the strict number reading allows.
constexpr int kMaxDecimalExponent = 10000;
// The largest exponent after ^, and the bits any part of a coefficient may
// have (about 39000 digits), so that no value read grows beyond reason.
constexpr int kMaxPower = 10000;
constexpr long kMaxBits = 1L << 17;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "「";
    quoted += text;
    quoted += "」";
    return quoted;
}

std::string PlaceText(int place) {
    return std::to_string(place) + "文字目の";
}

Integer PowerOfTen(int exponent) {
    std::string digits = "1";
    digits.append(static_cast<std::size_t>(exponent), '0');
    return Integer::FromDecimal(digits);
}

RationalFunction Number(const Fraction& value) {
    return RationalFunction::Constant({value, {}});
}

long Bits(const Polynomial& p) {
    long bits = 0;
    for (const ComplexFraction& c : p.Coefficients()) {
        for (const Integer* n : {&c.re.num, &c.re.den, &c.im.num, &c.im.den})
            bits = std::max(bits, static_cast<long>(fmpz_bits(RawInteger::Of(*n))));
    }
    return bits;
}

long Bits(const RationalFunction& x) {
    return std::max(Bits(x.Numerator()), Bits(x.Denominator()));
}

struct Refused {
    int place;
    std::string reason;
};

// Recursive descent: sum := term {(+|-) term}; term := unary {(*|/) unary};
// unary := (+|-) unary | row; row := power {power}; power := atom [^ exponent];
// atom := numeral | i | letter | ( sum ).
class Reader {
  public:
    explicit Reader(std::string_view text) : folded_(FoldNumberText(text)), text_(folded_) {}

    ParameterReading ReadAll() {
        SkipBlanks();
        if (pos_ == text_.size()) throw Refused{0, "式がありません。"};
        const RationalFunction value = Sum();
        SkipBlanks();
        if (pos_ < text_.size()) {
            if (Peek() == ')') Refuse(pos_, "「)」に対応する「(」がありません。");
            RefuseCharacter(pos_);
        }
        return {value, letter_, undefinedAt_};
    }

  private:
    class Deeper {
      public:
        Deeper(Reader& reader, std::size_t at) : depth_(reader.depth_) {
            if (++depth_ > kMaxDepth)
                reader.Refuse(at, reader.Shown(at) + "で括弧や符号の入れ子が深すぎます。");
        }
        ~Deeper() { --depth_; }
        Deeper(const Deeper&) = delete;
        Deeper& operator=(const Deeper&) = delete;

      private:
        int& depth_;
    };

    char Peek(std::size_t ahead = 0) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }
    void SkipBlanks() {
        while (pos_ < text_.size() && IsBlank(text_[pos_]))
            ++pos_;
    }

    // The character number of a byte offset, from 1.
    int Place(std::size_t at) const {
        const auto before = text_.substr(0, at);
        return 1 + static_cast<int>(std::count_if(before.begin(), before.end(),
                                                  [](char c) { return !IsContinuation(c); }));
    }

    // reason starts with the token at the place, which the message names
    // first: "3文字目の" + "「x」は読めません。".
    [[noreturn]] void Refuse(std::size_t at, const std::string& reason) const {
        throw Refused{Place(at), reason};
    }

    // The character at a place in quotes, or 文字 for one that cannot be
    // shown (a control character, broken UTF-8).
    std::string Shown(std::size_t at) const {
        std::size_t end = at + 1;
        while (end < text_.size() && IsContinuation(text_[end]))
            ++end;
        const std::string_view character = text_.substr(at, end - at);
        const auto lead = static_cast<unsigned char>(character.front());
        const bool shown = lead >= 0x20 && lead != 0x7F && ValidUtf8(character);
        return shown ? Quoted(character) : "文字";
    }

    [[noreturn]] void RefuseCharacter(std::size_t at) const {
        Refuse(at, Shown(at) + "は読めません。");
    }

    static bool ValidUtf8(std::string_view c) {
        const auto lead = static_cast<unsigned char>(c.front());
        const std::size_t expected = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        return lead < 0x80 || (lead >= 0xC2 && lead <= 0xF4 && c.size() == expected);
    }

    RationalFunction Sum() {
        RationalFunction value = Term();
        while (true) {
            SkipBlanks();
            const char c = Peek();
            if (c != '+' && c != '-') return value;
            const std::size_t at = pos_++;
            const RationalFunction term = Term();
            value = c == '+' ? RfAdd(value, term) : RfSub(value, term);
            CheckSize(value, at);
        }
    }

    RationalFunction Term() {
        RationalFunction value = Unary();
        while (true) {
            SkipBlanks();
            const std::size_t at = pos_;
            const char c = Peek();
            if (c == '*' && Peek(1) != '*') {
                ++pos_;
                value = RfMul(value, Unary());
            } else if (c == '/') {
                ++pos_;
                value = Divided(value, Unary(), at);
            } else {
                return value;
            }
            CheckSize(value, at);
        }
    }

    RationalFunction Divided(const RationalFunction& x, const RationalFunction& y, std::size_t at) {
        if (RfIsZero(y)) Refuse(at, "「/」で0で割っています。");
        NoteDivisor(y, at);
        return RfDiv(x, y);
    }

    // The text is undefined where a divisor vanishes, even where the value
    // cancels that zero later.
    void NoteDivisor(const RationalFunction& divisor, std::size_t at) {
        const Polynomial& zeros = divisor.Numerator();
        if (zeros.Degree() <= 0) return;
        const Polynomial squarefree = ExactQuotient(zeros, Gcd(zeros, Derivative(zeros)));
        const Polynomial added = ExactQuotient(squarefree, Gcd(undefinedAt_, squarefree));
        undefinedAt_ = Monic(undefinedAt_ * added);
        if (undefinedAt_.Degree() > kMaxParameterDegree) RefuseDegree(at);
    }

    RationalFunction Unary() {
        SkipBlanks();
        const char c = Peek();
        if (c == '+' || c == '-') {
            const Deeper deeper(*this, pos_++);
            const RationalFunction value = Unary();
            return c == '-' ? RfNeg(value) : value;
        }
        return Row();
    }

    // Factors side by side: 2a, 3i/4's 3i, (a+1)(a-2), 2ia.
    RationalFunction Row() {
        RationalFunction value = Power();
        while (true) {
            SkipBlanks();
            const char c = Peek();
            if (IsDigit(c) || (c == '.' && IsDigit(Peek(1))))
                Refuse(pos_, Shown(pos_) + "の前に「*」などの演算子が要ります。");
            if (!IsAsciiLetter(c) && c != '(') return value;
            const std::size_t at = pos_;
            value = RfMul(value, Power());
            CheckSize(value, at);
        }
    }

    RationalFunction Power() {
        const RationalFunction base = Atom();
        SkipBlanks();
        const std::size_t at = pos_;
        if (Peek() == '^') {
            ++pos_;
        } else if (Peek() == '*' && Peek(1) == '*') {
            pos_ += 2;
        } else {
            return base;
        }
        return Raised(base, Exponent(at), at);
    }

    // A signed integer, bare or in brackets: 2, -1, (-1).
    int Exponent(std::size_t caret) {
        SkipBlanks();
        const bool bracketed = Peek() == '(';
        if (bracketed) {
            ++pos_;
            SkipBlanks();
        }
        bool negative = false;
        if (Peek() == '-' || Peek() == '+') negative = text_[pos_++] == '-';
        const std::size_t start = pos_;
        while (IsDigit(Peek()))
            ++pos_;
        if (pos_ == start || Peek() == '.')
            Refuse(caret, Shown(caret) + "の後には整数の指数を書きます。");
        const std::string_view digits = text_.substr(start, pos_ - start);
        const std::size_t first = std::min(digits.find_first_not_of('0'), digits.size());
        if (digits.size() - first > 5 || std::atoi(std::string(digits).c_str()) > kMaxPower)
            Refuse(caret, Shown(caret) + "の指数が大きすぎます。指数は" +
                              std::to_string(kMaxPower) + "までです。");
        const int exponent = std::atoi(std::string(digits).c_str());
        if (bracketed) {
            SkipBlanks();
            if (Peek() != ')')
                Refuse(caret, Shown(caret) + "の指数の「(」に対応する「)」がありません。");
            ++pos_;
        }
        return negative ? -exponent : exponent;
    }

    RationalFunction Raised(const RationalFunction& base, int exponent, std::size_t caret) {
        if (exponent < 0 && RfIsZero(base)) Refuse(caret, Shown(caret) + "で0で割っています。");
        if (exponent < 0) NoteDivisor(base, caret);
        const long n = std::abs(exponent);
        const int degree = std::max(base.Numerator().Degree(), base.Denominator().Degree());
        if (static_cast<long>(degree) * n > kMaxParameterDegree) RefuseDegree(caret);
        const long bits = Bits(base);
        if ((bits + degree) * n > kMaxBits)
            Refuse(caret, Shown(caret) + "の累乗は大きすぎて計算できません。");
        RationalFunction result = RationalFunction::Constant(CpxOne());
        RationalFunction square = exponent < 0 ? RfInv(base) : base;
        for (long k = n; k > 0; k /= 2) {
            if (k % 2 == 1) result = RfMul(result, square);
            if (k > 1) square = RfMul(square, square);
        }
        return result;
    }

    RationalFunction Atom() {
        SkipBlanks();
        const char c = Peek();
        if (IsDigit(c) || (c == '.' && IsDigit(Peek(1)))) return Numeral();
        if (IsAsciiLetter(c)) return Letter();
        if (c == '(') return Bracketed();
        if (pos_ == text_.size())
            throw Refused{0, "式が途中で終わっています。最後に数か文字が要ります。"};
        if (c == ')' || c == '+' || c == '-' || c == '*' || c == '/' || c == '^')
            Refuse(pos_, Shown(pos_) + "の前に数か文字が要ります。");
        RefuseCharacter(pos_);
    }

    RationalFunction Bracketed() {
        const std::size_t open = pos_++;
        const Deeper deeper(*this, open);
        const RationalFunction inner = Sum();
        SkipBlanks();
        if (Peek() != ')') Refuse(open, "「(」に対応する「)」がありません。");
        ++pos_;
        return inner;
    }

    // Digits with at most one point, then an optional exponent: 12, 1.5,
    // .5, 5., 1e-3.
    RationalFunction Numeral() {
        const std::size_t start = pos_;
        std::string digits;
        int decimals = 0;
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
        Fraction value = FracReduce({Integer::FromDecimal(digits), PowerOfTen(decimals)});
        const int exponent = DecimalExponent(start);
        if (exponent > 0) value = FracMul(value, {PowerOfTen(exponent), 1});
        if (exponent < 0) value = FracMul(value, {1, PowerOfTen(-exponent)});
        const RationalFunction number = Number(value);
        if (Bits(number) > kMaxBits) Refuse(start, "数が大きすぎます。");
        return number;
    }

    // e or E with an optional sign and digits after a numeral; 0 without.
    int DecimalExponent(std::size_t numeral) {
        if (Peek() != 'e' && Peek() != 'E') return 0;
        const std::size_t sign = (Peek(1) == '+' || Peek(1) == '-') ? 1 : 0;
        if (!IsDigit(Peek(1 + sign))) return 0;
        const bool negative = Peek(1) == '-';
        pos_ += 1 + sign;
        long magnitude = 0;
        while (IsDigit(Peek())) {
            magnitude =
                std::min<long>(magnitude * 10 + (text_[pos_++] - '0'), kMaxDecimalExponent + 1);
        }
        exponents_ += magnitude;
        if (exponents_ > kMaxDecimalExponent)
            Refuse(numeral, "数は指数が大きすぎます。指数は" + std::to_string(kMaxDecimalExponent) +
                                "までです。");
        return static_cast<int>(negative ? -magnitude : magnitude);
    }

    // i, the parameter, or i before the parameter (ia): the unit alone is
    // taken, the letter is the next factor.
    RationalFunction Letter() {
        const std::size_t start = pos_;
        std::size_t end = pos_;
        while (end < text_.size() && IsAsciiLetter(text_[end]))
            ++end;
        const std::string_view run = text_.substr(start, end - start);
        if (run == "i" || (run.size() == 2 && run[0] == 'i' && IsUsableLetter(run[1]))) {
            ++pos_;
            return RationalFunction::Constant({{}, {1, 1}});
        }
        if (run.size() > 1) Refuse(start, Quoted(run) + "は読めません。" + RunHint(run));
        const char c = run[0];
        if (c == 'j' || c == 'e')
            Refuse(start,
                   Quoted(run) + "は文字に使えません（虚数単位は i、指数は 1e-3 の e です）。");
        if (!IsParameterLetter(c))
            Refuse(start, Quoted(run) + "は読めません。文字は i、j、e 以外の小文字 a〜z です。");
        if (letter_ != '\0' && letter_ != c) {
            std::string reason = Quoted(run) + "で文字が ";
            reason += letter_;
            reason += " と ";
            reason += c;
            reason += " の2種類になります。文字は1種類だけにしてください。";
            Refuse(start, reason);
        }
        letter_ = c;
        ++pos_;
        return RationalFunction::Parameter(c);
    }

    static bool IsUsableLetter(char c) { return IsParameterLetter(c) && c != 'j' && c != 'e'; }

    // A word of letters: two parameters written together, or a letter and
    // the unit in the other order.
    static std::string RunHint(std::string_view run) {
        if (run.size() == 2 && run[1] == 'i' && IsUsableLetter(run[0])) {
            std::string hint = "i との積は i";
            hint += run[0];
            hint += " と書きます。";
            return hint;
        }
        return "";
    }

    void CheckSize(const RationalFunction& value, std::size_t at) const {
        if (value.Numerator().Degree() > kMaxParameterDegree ||
            value.Denominator().Degree() > kMaxParameterDegree)
            RefuseDegree(at);
        if (Bits(value) > kMaxBits) Refuse(at, Shown(at) + "で数が大きくなりすぎます。");
    }

    [[noreturn]] void RefuseDegree(std::size_t at) const {
        Refuse(at, Shown(at) + "で次数が" + std::to_string(kMaxParameterDegree) +
                       "を超えます。次数は" + std::to_string(kMaxParameterDegree) + "までです。");
    }

    std::string folded_;
    std::string_view text_;
    std::size_t pos_ = 0;
    int depth_ = 0;
    long exponents_ = 0;
    char letter_ = '\0';
    Polynomial undefinedAt_ = Polynomial::Constant(CpxOne());
};

std::string Message(int place, const std::string& reason) {
    if (place == 0) return reason;
    std::string message = PlaceText(place);
    message += reason;
    return message;
}

}  // namespace

ParameterTextError::ParameterTextError(int place, const std::string& reason)
    : Error(Message(place, reason)), place_(place), reason_(reason) {}

ParameterReading ReadParameterExpression(std::string_view text) {
    try {
        return Reader(text).ReadAll();
    } catch (const Refused& refused) {
        throw ParameterTextError(refused.place, refused.reason);
    }
}

}  // namespace korvane
