#include <string>
#include <vector>

#include "mklibs/ComplexFraction.h"
#include "mklibs/NumberTextFolding.h"

namespace korvane {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The imaginary part as "i", "-i", "2i", "i/2", "-i/2" or "3i/4": the
// coefficient before the i unless it is 1 or -1, the denominator after "i/"
// unless it is 1.
void AppendImaginary(std::string& text, const Fraction& im) {
    if (im.num == 1) {
        text += 'i';
    } else if (im.num == -1) {
        text += "-i";
    } else {
        im.num.AppendTo(text);
        text += 'i';
    }
    if (!im.den.IsOne()) {
        text += '/';
        im.den.AppendTo(text);
    }
}

// One signed term of a cell text, such as "-3i/4": its coefficient text
// without the leading signs, its sign, and its power of i (kept mod 4).
struct Term {
    bool negative = false;
    std::string coefficient;
    unsigned iPower = 0;
    bool afterSlash = false;  // an i after '/' divides by i
    bool hasBody = false;     // anything besides signs
};

// Splits a cell text into terms. A sign opens a new term only once the
// current one has a body; signs before a body all apply to it, and a sign
// straight after '/' belongs to the denominator. ASCII blanks are ignored.
std::vector<Term> SplitTerms(std::string_view text) {
    std::vector<Term> terms(1);
    bool denominatorSign = false;  // just after '/', or after its signs
    for (const char c : text) {
        Term& term = terms.back();
        if (IsBlank(c)) continue;
        if (c == '+' || c == '-') {
            if (denominatorSign) {
                if (c == '-') term.coefficient.push_back('-');
            } else if (!term.hasBody) {
                term.negative ^= (c == '-');
            } else {
                terms.emplace_back().negative = (c == '-');
            }
            continue;
        }
        term.hasBody = true;
        denominatorSign = (c == '/');
        if (c == 'i') {
            term.iPower = (term.iPower + (term.afterSlash ? 3 : 1)) % 4;
        } else {
            if (c == '/') term.afterSlash = true;
            term.coefficient.push_back(c);
        }
    }
    // A trailing sign adds nothing, but a text of signs alone is one term.
    if (terms.size() > 1 && !terms.back().hasBody) terms.pop_back();
    return terms;
}

}  // namespace

std::string CpxText(const ComplexFraction& z) {
    std::string text;
    AppendCpxText(text, z);
    return text;
}

void AppendCpxText(std::string& text, const ComplexFraction& z) {
    const int imSign = z.im.num.Sign();
    const bool hasRe = !z.re.num.IsZero();
    if (hasRe) {
        AppendFracText(text, z.re);
        if (imSign > 0) text += '+';
    }
    if (imSign != 0) AppendImaginary(text, z.im);
    if (!hasRe && imSign == 0) text += '0';
}

ComplexFraction CpxParse(std::string_view text) {
    ComplexFraction result;
    for (Term& term : SplitTerms(FoldNumberText(text))) {
        if (term.negative) term.coefficient.insert(0, 1, '-');
        const Fraction c = FracParse(term.coefficient);
        switch (term.iPower) {
            case 0:
                result.re = FracAdd(result.re, c);
                break;
            case 1:
                result.im = FracAdd(result.im, c);
                break;
            case 2:
                result.re = FracSub(result.re, c);
                break;
            default:
                result.im = FracSub(result.im, c);
                break;
        }
    }
    return result;
}

bool CpxIsBlankText(std::string_view text) {
    for (const char c : FoldNumberText(text))
        if (!IsBlank(c)) return false;
    return true;
}

}  // namespace korvane
