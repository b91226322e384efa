#include "core/methods/FormulaText.h"

#include "core/engine/SubscriptText.h"

namespace korvane {

std::string Factor(const ComplexFraction& z) {
    std::string text = CpxText(z);
    const bool twoTerms = !z.re.num.IsZero() && !z.im.num.IsZero();
    if (text.starts_with('-') || twoTerms || text.find('/') != std::string::npos) {
        text.insert(0, 1, '(');
        text += ')';
    }
    return text;
}

std::string Factor(const Surd& x) {
    if (CpxIsZero(x.root)) return Factor(x.rational);
    std::string text = SurdText(x);
    if (text.find_first_of("+-/", 0) != std::string::npos) {
        text.insert(0, 1, '(');
        text += ')';
    }
    return text;
}

bool WrittenNegative(const ComplexFraction& c) {
    const bool twoTerms = !c.re.num.IsZero() && !c.im.num.IsZero();
    return !twoTerms && CpxText(c).starts_with('-');
}

bool WrittenNegative(const Surd& c) {
    if (CpxIsZero(c.root)) return WrittenNegative(c.rational);
    return CpxIsZero(c.rational) && WrittenNegative(c.root);
}

std::string ProductText(const std::vector<ComplexFraction>& factors) {
    std::string text;
    for (const ComplexFraction& z : factors) {
        if (!text.empty()) text += "·";
        text += Factor(z);
    }
    return text;
}

ComplexFraction ProductOf(const std::vector<ComplexFraction>& factors) {
    ComplexFraction product = CpxOne();
    for (const ComplexFraction& z : factors)
        product = CpxMul(product, z);
    return product;
}

ComplexFraction Plus(const ComplexFraction& a, const ComplexFraction& b) {
    return CpxSub(a, CpxNeg(b));
}

void AppendSigned(std::string& sum, bool negative, const std::string& term) {
    if (sum.empty()) {
        if (negative) sum += '-';
    } else {
        sum += negative ? " - " : " + ";
    }
    sum += term;
}

void AppendValue(std::string& sum, const ComplexFraction& value) {
    const bool twoTerms = !value.re.num.IsZero() && !value.im.num.IsZero();
    const bool negative = !twoTerms && CpxText(value).starts_with('-');
    std::string text = CpxText(negative ? CpxNeg(value) : value);
    if (twoTerms) text = "(" + text + ")";
    AppendSigned(sum, negative, text);
}

std::string Subscripted(std::string_view letter, int number) {
    std::string name(letter);
    name += SubscriptNumber(number);
    return name;
}

std::string EntrySubscript(int row, int col) {
    std::string text = SubscriptNumber(row + 1);
    if (row >= 9 || col >= 9) text += ',';
    text += SubscriptNumber(col + 1);
    return text;
}

std::string SignPower(int row, int col) {
    std::string text = "(-1)^(";
    text += std::to_string(row + 1);
    text += '+';
    text += std::to_string(col + 1);
    text += ')';
    return text;
}

bool OddPlace(int row, int col) {
    return (row + col) % 2 != 0;
}

}  // namespace korvane
