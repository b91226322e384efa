#include "core/formats/StrictNumber.h"

#include <string>

#include "core/formats/Numerals.h"
#include "mklibs/NumberTextFolding.h"

namespace korvane {

namespace {

struct Refused {
    NumberFault fault = NumberFault::kNotANumber;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsUnit(char c) {
    return c == 'i' || c == 'j';
}

// The grammar of ReadStrictNumber over a folded text.
class TypedNumberParser {
  public:
    explicit TypedNumberParser(std::string_view text) : text_(text) {}

    ComplexFraction Read() {
        StripParentheses();
        bool imaginary = false;
        ComplexFraction value = SignedTerm(imaginary);
        if (pos_ < text_.size()) {
            const bool firstImaginary = imaginary;
            if (Peek() != '+' && Peek() != '-') throw Refused{};
            value = CpxSub(value, CpxNeg(SignedTerm(imaginary)));
            if (imaginary == firstImaginary) throw Refused{};  // 1+2, 2i+3i
        }
        if (pos_ != text_.size()) throw Refused{};
        return value;
    }

  private:
    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

    void SkipBlanks() {
        while (IsBlank(Peek()))
            ++pos_;
    }

    // "(1+2j)" as Python prints it: the parentheses are taken off.
    void StripParentheses() {
        SkipBlanks();
        const std::size_t last = text_.find_last_not_of(" \t");
        if (Peek() != '(' || last == std::string_view::npos || text_[last] != ')') return;
        text_ = text_.substr(0, last);
        ++pos_;
    }

    // An optional sign, blanks, a term and the blanks after it.
    ComplexFraction SignedTerm(bool& imaginary) {
        SkipBlanks();
        const bool negative = Peek() == '-';
        if (Peek() == '+' || Peek() == '-') ++pos_;
        SkipBlanks();
        const ComplexFraction term = Term(imaginary);
        SkipBlanks();
        return negative ? CpxNeg(term) : term;
    }

    // A numeral with the unit maybe after it: one side of a term's slash.
    // Nothing when neither stands there.
    bool Side(Fraction& value, bool& unit) {
        const Numeral numeral = ScanNumeral(text_.substr(pos_));
        if (numeral.exponentTooLarge) throw Refused{NumberFault::kExponentTooLarge};
        pos_ += numeral.length;
        value = numeral.length > 0 ? numeral.value : Fraction{1, 1};
        unit = IsUnit(Peek());
        if (unit) ++pos_;
        return numeral.length > 0 || unit;
    }

    ComplexFraction Term(bool& imaginary) {
        Fraction numerator, denominator{1, 1};
        bool unitAbove = false, unitBelow = false;
        if (!Side(numerator, unitAbove)) throw Refused{};
        if (Peek() == '/') {
            ++pos_;
            if (!Side(denominator, unitBelow) || (unitAbove && unitBelow)) throw Refused{};
            if (denominator.num.IsZero()) throw Refused{NumberFault::kDivisionByZero};
        }
        imaginary = unitAbove || unitBelow;
        const ComplexFraction quotient{FracMul(numerator, FracInv(denominator)), {}};
        if (unitAbove) return {{}, quotient.re};
        if (unitBelow) return {{}, FracReduce({-quotient.re.num, quotient.re.den})};
        return quotient;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

NumberReading ReadStrictNumber(std::string_view text) {
    const std::string folded = FoldNumberText(text);
    try {
        return {TypedNumberParser(folded).Read(), {}};
    } catch (const Refused& refused) {
        return {std::nullopt, refused.fault};
    }
}

}  // namespace korvane
