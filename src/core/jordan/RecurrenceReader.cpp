#include "core/jordan/RecurrenceReader.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "core/formats/StrictNumber.h"
#include "mklibs/Polynomial.h"

namespace korvane {

namespace {

constexpr int kMaxOffset = 100;

// "12文字目の": the place of a byte, counted in characters from 1.
std::string PlaceText(std::string_view text, std::size_t byte) {
    std::size_t characters = 1;
    for (std::size_t k = 0; k < byte && k < text.size(); ++k) {
        if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80) ++characters;
    }
    return std::to_string(characters) + "文字目の";
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// One term a(index) as read: index n + offset, or a plain number.
struct Term {
    bool symbolic = false;  // index holds n
    int offset = 0;
};

class Cursor {
  public:
    Cursor(std::string_view whole, std::size_t begin, std::size_t end)
        : whole_(whole), pos_(begin), end_(end) {}

    void SkipBlanks() {
        while (pos_ < end_ && (whole_[pos_] == ' ' || whole_[pos_] == '\t')) ++pos_;
    }
    bool AtEnd() {
        SkipBlanks();
        return pos_ >= end_;
    }
    char Peek() { return AtEnd() ? '\0' : whole_[pos_]; }
    bool Take(char c) {
        if (Peek() != c) return false;
        ++pos_;
        return true;
    }
    bool TakeDot() {
        SkipBlanks();
        if (whole_.substr(pos_, end_ - pos_).starts_with("·")) {
            pos_ += 2;
            return true;
        }
        return Take('*');
    }
    std::size_t Pos() const { return pos_; }
    void Advance(std::size_t count) { pos_ += count; }
    std::string_view Rest() const { return whole_.substr(pos_, end_ - pos_); }

    [[noreturn]] void Fail(std::string_view reason) const { FailAt(pos_, reason); }
    [[noreturn]] void FailAt(std::size_t place, std::string_view reason) const {
        if (place >= whole_.size()) throw RecurrenceError("最後" + std::string(reason));
        std::string message = PlaceText(whole_, place);
        {
            std::size_t length = 1;
            while (place + length < whole_.size() &&
                   (static_cast<unsigned char>(whole_[place + length]) & 0xC0) == 0x80)
                ++length;
            message += "「";
            message += whole_.substr(place, length);
            message += "」";
        }
        message += reason;
        throw RecurrenceError(message);
    }

  private:
    std::string_view whole_;
    std::size_t pos_;
    std::size_t end_;
};

int Digits(Cursor& cursor) {
    cursor.SkipBlanks();
    const std::string_view rest = cursor.Rest();
    std::size_t length = 0;
    while (length < rest.size() && IsDigit(rest[length])) ++length;
    int value = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + length, value);
    if (length == 0) cursor.Fail("のところに整数が要ります。");
    if (error != std::errc() || value > kMaxOffset) cursor.Fail("から始まる数が大きすぎます。");
    (void)end;
    cursor.Advance(length);
    return value;
}

// name(n+k), name(n-k), name(n) or name(k), the name already taken.
Term Index(Cursor& cursor) {
    if (!cursor.Take('(')) cursor.Fail("のところに「(」が要ります。");
    Term term;
    if (cursor.Take('n')) {
        term.symbolic = true;
        if (cursor.Take('+')) {
            term.offset = Digits(cursor);
        } else if (cursor.Take('-')) {
            term.offset = -Digits(cursor);
        }
    } else {
        term.offset = Digits(cursor);
    }
    if (!cursor.Take(')')) cursor.Fail("のところに「)」が要ります。");
    return term;
}

ComplexFraction Number(Cursor& cursor, std::size_t begin, std::size_t end, std::string_view text) {
    if (begin == end) return CpxOne();
    const NumberReading reading = ReadStrictNumber(text.substr(begin, end - begin));
    if (!reading.value) {
        cursor.FailAt(begin, reading.fault == NumberFault::kDivisionByZero
                                 ? "から始まる数は0で割っています。"
                                 : "から始まる係数を数として読めません。");
    }
    return *reading.value;
}

struct Part {
    std::size_t begin = 0;
    std::size_t end = 0;
};

class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    Recurrence Read() {
        const std::vector<Part> parts = Parts();
        std::optional<std::size_t> rule;
        for (std::size_t k = 0; k < parts.size(); ++k) {
            if (IsRule(parts[k])) {
                if (rule) {
                    Cursor second(text_, parts[k].begin, parts[k].end);
                    second.SkipBlanks();
                    second.Fail("で始まる漸化式が2つ目です。");
                }
                rule = k;
            }
        }
        if (!rule) throw RecurrenceError("a(n+2) = a(n+1) + a(n) のような、n を含む漸化式がありません。");
        ReadRule(parts[*rule]);
        values_.assign(recurrence_.coefficients.size(), std::nullopt);
        for (std::size_t k = 0; k < parts.size(); ++k) {
            if (k != *rule) ReadInitial(parts[k]);
        }
        for (std::size_t k = 0; k < values_.size(); ++k) {
            if (!values_[k])
                throw RecurrenceError(std::string(1, recurrence_.name) + "(" + std::to_string(k) +
                                      ") の値がありません。");
            recurrence_.initial.push_back(*values_[k]);
        }
        return recurrence_;
    }

  private:
    // The parts between semicolons (or line ends), blank ones dropped.
    std::vector<Part> Parts() const {
        std::vector<Part> parts;
        std::size_t begin = 0;
        for (std::size_t k = 0; k <= text_.size(); ++k) {
            if (k < text_.size() && text_[k] != ';' && text_[k] != '\n' && text_[k] != '\r') continue;
            Cursor probe(text_, begin, k);
            if (!probe.AtEnd()) parts.push_back({begin, k});
            begin = k + 1;
        }
        if (parts.empty()) throw RecurrenceError("漸化式が空です。");
        return parts;
    }

    bool IsRule(const Part& part) const {
        Cursor cursor(text_, part.begin, part.end);
        if (!IsLetter(cursor.Peek())) cursor.Fail("のところに、数列の名前（a など）が要ります。");
        cursor.Advance(1);
        return cursor.Take('(') && cursor.Peek() == 'n';
    }

    // The name at the cursor, the first one fixing it.
    void Name(Cursor& cursor) {
        const char c = cursor.Peek();
        if (!IsLetter(c) || c == 'i' || c == 'j' || c == 'n')
            cursor.Fail("のところに、数列の名前（a など）が要ります。");
        if (named_ && c != recurrence_.name)
            cursor.Fail("は数列の名前 " + std::string(1, recurrence_.name) + " と違います。");
        recurrence_.name = c;
        named_ = true;
        cursor.Advance(1);
    }

    void ReadRule(const Part& part) {
        Cursor cursor(text_, part.begin, part.end);
        Name(cursor);
        const Term left = Index(cursor);
        if (!cursor.Take('=')) cursor.Fail("のところに「=」が要ります。");
        std::vector<std::pair<Term, ComplexFraction>> terms;
        int lowest = left.offset;  // the lowest index written
        for (bool first = true; !cursor.AtEnd(); first = false) {
            const std::size_t place = cursor.Pos();
            const auto term = SignedTerm(cursor, first);
            if (!term.first.symbolic) cursor.FailAt(place, "で始まる項は n を含みません。定数の項のない漸化式だけを扱います。");
            if (term.first.offset >= left.offset)
                cursor.FailAt(place, "で始まる項の番号が左辺より小さくありません。");
            lowest = std::min(lowest, term.first.offset);
            terms.push_back(term);
        }
        if (terms.empty()) cursor.Fail("のところに右辺が要ります。");
        // Indices below n are shifted up (a(n) = a(n-1) + a(n-2) is
        // a(n+2) = a(n+1) + a(n)); otherwise they stay, so that
        // a(n+3) = a(n+1) still needs a(0), a(1) and a(2).
        const int shift = std::min(lowest, 0);
        const int order = left.offset - shift;
        if (order > kMaxRecurrenceOrder)
            throw RecurrenceError("漸化式の階数が" + std::to_string(order) + "で、" +
                                  std::to_string(kMaxRecurrenceOrder) + "を超えます。");
        recurrence_.coefficients.assign(static_cast<std::size_t>(order), CpxZero());
        for (const auto& [term, coefficient] : terms) {
            ComplexFraction& c = recurrence_.coefficients[static_cast<std::size_t>(term.offset - shift)];
            c = CpxSum(c, coefficient);
        }
    }

    // [+|-] [coefficient] [*|·] name(index); the first term may go without a sign.
    std::pair<Term, ComplexFraction> SignedTerm(Cursor& cursor, bool first) {
        bool negative = false;
        if (cursor.Take('-')) {
            negative = true;
        } else if (!cursor.Take('+') && !first) {
            cursor.Fail("のところに「+」か「-」が要ります。");
        }
        cursor.SkipBlanks();
        const std::size_t begin = cursor.Pos();
        std::size_t end = begin;
        if (cursor.Peek() == '(') {
            const std::string_view rest = cursor.Rest();
            const std::size_t close = rest.find(')');
            if (close == std::string_view::npos) cursor.Fail("に対応する「)」がありません。");
            end = begin + close + 1;
        } else {
            const std::string_view rest = cursor.Rest();
            std::size_t k = 0;
            while (k < rest.size() && rest[k] != '*' && rest[k] != ' ' && !rest.substr(k).starts_with("·") &&
                   !(k + 1 < rest.size() && IsLetter(rest[k]) && rest[k] != 'i' && rest[k] != 'j' &&
                     rest[k + 1] == '('))
                ++k;
            end = begin + k;
        }
        ComplexFraction coefficient = Number(cursor, begin, end, text_);
        cursor.Advance(end - begin);
        cursor.SkipBlanks();
        const std::size_t dotPlace = cursor.Pos();
        const bool dot = cursor.TakeDot();
        if (dot && begin == end) cursor.FailAt(dotPlace, "の前に係数がありません。");
        // A number alone is a constant term.
        if (!dot && begin != end && !IsLetter(cursor.Peek()))
            cursor.FailAt(begin, "で始まる項は n を含みません。定数の項のない漸化式だけを扱います。");
        Name(cursor);
        const Term term = Index(cursor);
        return {term, negative ? CpxNeg(coefficient) : coefficient};
    }

    void ReadInitial(const Part& part) {
        Cursor cursor(text_, part.begin, part.end);
        Name(cursor);
        const std::size_t place = cursor.Pos();
        const Term index = Index(cursor);
        if (index.offset >= static_cast<int>(values_.size()))
            cursor.FailAt(place, "からの番号が初期値の範囲 0〜" + std::to_string(values_.size() - 1) +
                                     " にありません。");
        if (values_[static_cast<std::size_t>(index.offset)])
            cursor.FailAt(place, "からの番号の初期値が2つ目です。");
        if (!cursor.Take('=')) cursor.Fail("のところに「=」が要ります。");
        cursor.SkipBlanks();
        const std::size_t begin = cursor.Pos();
        if (cursor.AtEnd()) cursor.Fail("のところに値が要ります。");
        const NumberReading reading = ReadStrictNumber(text_.substr(begin, part.end - begin));
        if (!reading.value) cursor.FailAt(begin, "から始まる値を数として読めません。");
        values_[static_cast<std::size_t>(index.offset)] = *reading.value;
    }

    std::string_view text_;
    Recurrence recurrence_;
    bool named_ = false;
    std::vector<std::optional<ComplexFraction>> values_;
};

// "a(n+2)", "a(n)"
std::string TermName(char name, int offset) {
    std::string text(1, name);
    text += offset == 0 ? "(n)" : "(n+" + std::to_string(offset) + ")";
    return text;
}

}  // namespace

Recurrence ReadRecurrence(std::string_view text) {
    return Reader(text).Read();
}

std::string RecurrenceText(const Recurrence& recurrence) {
    const int order = static_cast<int>(recurrence.coefficients.size());
    std::string text = TermName(recurrence.name, order) + " =";
    bool first = true;
    for (int j = order - 1; j >= 0; --j) {
        const ComplexFraction& c = recurrence.coefficients[static_cast<std::size_t>(j)];
        if (CpxIsZero(c)) continue;
        const bool negative = CpxText(c).starts_with('-');
        const ComplexFraction magnitude = negative ? CpxNeg(c) : c;
        text += negative ? (first ? " -" : " - ") : (first ? " " : " + ");
        text += CoefficientText(magnitude) + TermName(recurrence.name, j);
        first = false;
    }
    if (first) text += " 0" + TermName(recurrence.name, 0);
    return text;
}

std::string InitialValuesText(const Recurrence& recurrence) {
    std::string text;
    for (std::size_t j = 0; j < recurrence.initial.size(); ++j) {
        if (j > 0) text += ", ";
        text += std::string(1, recurrence.name) + "(" + std::to_string(j) + ") = " +
                CpxText(recurrence.initial[j]);
    }
    return text;
}

}  // namespace korvane
