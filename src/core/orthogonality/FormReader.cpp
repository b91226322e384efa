#include "core/orthogonality/FormReader.h"

#include <algorithm>
#include <map>
#include <utility>

#include "core/engine/SubscriptText.h"

namespace korvane {

namespace {

constexpr std::size_t kLongestNumber = 60;

// A variable: its letter and its number (-1 for none).
using Variable = std::pair<char, int>;

std::string Place(std::size_t index) {
    return std::to_string(index + 1) + "文字目";
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    TypedForm Read() {
        SkipBlanks();
        if (AtEnd()) throw FormError("二次形式が空です。");
        bool first = true;
        while (!AtEnd()) {
            Term(first);
            first = false;
            SkipBlanks();
        }
        return Result();
    }

  private:
    bool AtEnd() const { return at_ >= text_.size(); }
    bool Next(std::string_view s) const { return text_.substr(at_).starts_with(s); }

    void SkipBlanks() {
        while (!AtEnd() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
    }

    // Reads a sign: 1, -1, or 0 for none.
    int Sign() {
        if (Next("+")) {
            ++at_;
            return 1;
        }
        if (Next("-")) {
            ++at_;
            return -1;
        }
        if (Next("−")) {
            at_ += std::string_view("−").size();
            return -1;
        }
        return 0;
    }

    void Term(bool first) {
        const std::size_t start = at_;
        const int sign = Sign();
        if (sign == 0 && !first)
            throw FormError(Place(at_) + "の「" + Shown() + "」の前に + か - が要ります。");
        SkipBlanks();
        if (AtEnd()) throw FormError(Place(start) + "の「" + std::string(text_.substr(start)) + "」のあとに項がありません。");
        Fraction coefficient = Number();
        if (sign < 0) coefficient = FracSub(Fraction{}, coefficient);
        std::vector<Variable> variables;
        int degree = 0;
        Factors(variables, degree);
        if (degree != 2)
            throw FormError(Place(start) + "からの項「" + Trimmed(start) +
                            "」は2次ではありません。二次形式の項は、x^2 や 3xy のように2次です。");
        std::sort(variables.begin(), variables.end());
        Fraction& entry = terms_[{variables.front(), variables.back()}];
        entry = FracAdd(entry, coefficient);
    }

    // The coefficient, 1 when none is written.
    Fraction Number() {
        const std::size_t start = at_;
        std::string digits;
        while (!AtEnd() && (IsDigit(text_[at_]) || text_[at_] == '.')) digits += text_[at_++];
        if (digits.empty()) return Fraction{1};
        if (digits.size() > kLongestNumber || digits.front() == '.' || digits.back() == '.' ||
            std::count(digits.begin(), digits.end(), '.') > 1)
            throw FormError(Place(start) + "の「" + digits + "」は数として読めません。");
        Fraction value = Decimal(digits);
        SkipBlanks();
        if (Next("/")) {
            ++at_;
            SkipBlanks();
            const std::size_t denominatorAt = at_;
            std::string denominator;
            while (!AtEnd() && IsDigit(text_[at_])) denominator += text_[at_++];
            if (denominator.empty() || denominator.size() > kLongestNumber)
                throw FormError(Place(denominatorAt) + "に分母の数が要ります。");
            const Fraction d = Decimal(denominator);
            if (d.num.IsZero()) throw FormError(Place(denominatorAt) + "の分母が0です。");
            value = FracMul(value, FracInv(d));
        }
        SkipBlanks();
        if (Next("*") || Next("·")) throw FormError(Place(at_) + "の「" + Shown() + "」の前に変数が要ります。");
        return value;
    }

    static Fraction Decimal(const std::string& digits) {
        const std::size_t point = digits.find('.');
        std::string whole = digits;
        Fraction scale{1};
        if (point != std::string::npos) {
            whole.erase(point, 1);
            std::string power = "1";
            power.append(digits.size() - point - 1, '0');
            scale = FracInv(FracParse(power));
        }
        return FracMul(FracParse(whole), scale);
    }

    void Factors(std::vector<Variable>& variables, int& degree) {
        bool any = false;
        while (true) {
            SkipBlanks();
            if (any && (Next("*") || Next("·"))) {
                at_ += Next("*") ? 1 : std::string_view("·").size();
                SkipBlanks();
                if (AtEnd() || !IsLetter(text_[at_]))
                    throw FormError(Place(at_) + "に変数が要ります。");
            }
            if (AtEnd() || !IsLetter(text_[at_])) break;
            const Variable variable = Letter();
            const int power = Exponent();
            for (int k = 0; k < power; ++k)
                variables.push_back(variable);
            degree += power;
            any = true;
        }
        if (!AtEnd() && text_[at_] != '+' && text_[at_] != '-' && !Next("−"))
            throw FormError(Place(at_) + "の「" + Shown() + "」は二次形式に使えません。");
    }

    static bool IsLetter(char c) { return c >= 'a' && c <= 'z'; }

    Variable Letter() {
        const std::size_t start = at_;
        const char letter = text_[at_++];
        if (letter == 'i')
            throw FormError(Place(start) + "の「i」は虚数単位と紛らわしいので、変数には使えません。");
        int number = -1;
        std::string digits;
        while (!AtEnd() && IsDigit(text_[at_])) digits += text_[at_++];
        if (!digits.empty()) {
            if (digits.size() > 2 || digits.front() == '0')
                throw FormError(Place(start) + "の変数「" + std::string(1, letter) + digits +
                                "」の番号は、1 から 99 までです。");
            number = std::stoi(digits);
        }
        const Variable variable{letter, number};
        if (std::find(seen_.begin(), seen_.end(), variable) == seen_.end()) {
            if (seen_.size() == static_cast<std::size_t>(CellGrid::kMaxSize))
                throw FormError(Place(start) + "：変数は10個までです。");
            seen_.push_back(variable);
        }
        return variable;
    }

    int Exponent() {
        SkipBlanks();
        if (Next("²")) {
            at_ += std::string_view("²").size();
            return 2;
        }
        if (!Next("^")) return 1;
        const std::size_t start = at_++;
        SkipBlanks();
        if (Next("2") || Next("1")) {
            const int power = text_[at_++] - '0';
            if (AtEnd() || !IsDigit(text_[at_])) return power;
        }
        throw FormError(Place(start) + "の指数は 1 か 2 です。");
    }

    std::string Shown() const {
        std::size_t length = 1;
        const unsigned char c = static_cast<unsigned char>(text_[at_]);
        if (c >= 0xF0) length = 4;
        else if (c >= 0xE0) length = 3;
        else if (c >= 0xC0) length = 2;
        return std::string(text_.substr(at_, length));
    }

    std::string Trimmed(std::size_t start) const {
        std::string term(text_.substr(start, at_ - start));
        while (!term.empty() && term.back() == ' ') term.pop_back();
        while (!term.empty() && term.front() == ' ') term.erase(0, 1);
        return term;
    }

    TypedForm Result() const {
        std::vector<Variable> order = seen_;
        std::sort(order.begin(), order.end());
        TypedForm form;
        const int n = static_cast<int>(order.size());
        form.grid.SetRows(n);
        form.grid.SetCols(n);
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c)
                form.grid.SetCell(c, r, "0");
        }
        const Fraction half = FracInv(Fraction{2});
        for (const auto& [pair, coefficient] : terms_) {
            const int i = Index(order, pair.first);
            const int j = Index(order, pair.second);
            if (i == j) {
                form.grid.SetCell(i, i, FracText(coefficient));
            } else {
                form.grid.SetCell(j, i, FracText(FracMul(coefficient, half)));
                form.grid.SetCell(i, j, FracText(FracMul(coefficient, half)));
            }
        }
        for (const Variable& v : order) {
            std::string name(1, v.first);
            if (v.second >= 0) name += SubscriptNumber(v.second);
            form.source.names.push_back(name);
        }
        form.source.typed = Trimmed(0);
        return form;
    }

    static int Index(const std::vector<Variable>& order, const Variable& v) {
        return static_cast<int>(std::find(order.begin(), order.end(), v) - order.begin());
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::vector<Variable> seen_;
    std::map<std::pair<Variable, Variable>, Fraction> terms_;
};

}  // namespace

TypedForm ReadQuadraticForm(std::string_view text) {
    return Reader(text).Read();
}

}  // namespace korvane
