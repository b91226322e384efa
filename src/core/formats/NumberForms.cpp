#include "core/formats/NumberForms.h"

#include "core/CellValue.h"
#include "core/formats/RootForms.h"

namespace korvane {

namespace {

using Part = NumberParts::Part;

std::string Str(std::string_view text) {
    return std::string(text);
}

// The numerator of an imaginary part, where "i" leaves the 1 unwritten.
std::string_view Coefficient(const Part& im) {
    return im.numerator.empty() ? std::string_view("1") : im.numerator;
}

std::string LatexFraction(std::string_view numerator, std::string_view denominator) {
    if (denominator.empty()) return Str(numerator);
    return "\\frac{" + Str(numerator) + "}{" + Str(denominator) + "}";
}

std::string LatexImaginary(const Part& im) {
    if (im.numerator.empty() && im.denominator.empty()) return "i";
    return LatexFraction(Coefficient(im), im.denominator) + "i";
}

std::string MathmlFraction(std::string_view numerator, std::string_view denominator) {
    const std::string top = "<mn>" + Str(numerator) + "</mn>";
    if (denominator.empty()) return top;
    return "<mfrac>" + top + "<mn>" + Str(denominator) + "</mn></mfrac>";
}

std::string MathmlImaginary(const Part& im) {
    if (im.numerator.empty() && im.denominator.empty()) return "<mi>i</mi>";
    // U+2062 INVISIBLE TIMES, so that a screen reader says "2 times i".
    return MathmlFraction(Coefficient(im), im.denominator) + "<mo>\u2062</mo><mi>i</mi>";
}

std::string MatlabImaginary(const Part& im) {
    std::string text = Str(Coefficient(im)) + "i";
    if (!im.denominator.empty()) {
        text += '/';
        text += im.denominator;
    }
    return text;
}

std::string PythonFraction(std::string_view numerator, std::string_view denominator) {
    if (denominator.empty()) return Str(numerator);
    return "Rational(" + Str(numerator) + ", " + Str(denominator) + ")";
}

std::string PythonImaginary(const Part& im) {
    if (im.numerator.empty() && im.denominator.empty()) return "I";
    return PythonFraction(Coefficient(im), im.denominator) + "*I";
}

std::string MathematicaImaginary(const Part& im) {
    const std::string times = im.numerator.empty() ? "I" : Str(im.numerator) + "*I";
    if (im.denominator.empty()) return times;
    return (im.numerator.empty() ? times : "(" + times + ")") + "/" + Str(im.denominator);
}

// How one form writes its pieces.
struct Grammar {
    std::string (*real)(const Part&);
    std::string (*imaginary)(const Part&);  // the magnitude, without its sign
    std::string_view minus;                 // a leading sign
    std::string_view plus, less;            // between the real and imaginary parts
    std::string_view open, close;           // around the whole number
};

std::string SignedText(std::string_view minus, const Part& part, std::string body) {
    return part.negative ? Str(minus) + body : body;
}

std::string PlainReal(const Part& re) {
    std::string text = Str(re.numerator);
    if (!re.denominator.empty()) {
        text += '/';
        text += re.denominator;
    }
    return text;
}

Grammar GrammarOf(NumberForm form) {
    switch (form) {
        case NumberForm::kLatex:
            return {[](const Part& re) { return LatexFraction(re.numerator, re.denominator); },
                    LatexImaginary,
                    "-",
                    "+",
                    "-",
                    "",
                    ""};
        case NumberForm::kMathml:
            return {[](const Part& re) { return MathmlFraction(re.numerator, re.denominator); },
                    MathmlImaginary,
                    "<mo>\u2212</mo>",
                    "<mo>+</mo>",
                    "<mo>\u2212</mo>",
                    "<mrow>",
                    "</mrow>"};
        case NumberForm::kMatlab:
            return {PlainReal, MatlabImaginary, "-", "+", "-", "", ""};
        case NumberForm::kPython:
            return {[](const Part& re) { return PythonFraction(re.numerator, re.denominator); },
                    PythonImaginary,
                    "-",
                    " + ",
                    " - ",
                    "",
                    ""};
        case NumberForm::kMathematica:
            return {PlainReal, MathematicaImaginary, "-", " + ", " - ", "", ""};
    }
    return {PlainReal, MatlabImaginary, "-", "+", "-", "", ""};
}

}  // namespace

std::string WriteNumber(const NumberParts& parts, NumberForm form) {
    const Grammar grammar = GrammarOf(form);
    std::string text(grammar.open);
    if (parts.re.present) {
        text += SignedText(grammar.minus, parts.re, grammar.real(parts.re));
        if (parts.im.present) {
            text += parts.im.negative ? grammar.less : grammar.plus;
            text += grammar.imaginary(parts.im);
        }
    } else if (parts.im.present) {
        text += SignedText(grammar.minus, parts.im, grammar.imaginary(parts.im));
    }
    text += grammar.close;
    return text;
}

std::string WriteNumberText(std::string_view text, NumberForm form) {
    const std::optional<NumberParts> parts = SplitNumberText(text);
    if (parts) return WriteNumber(*parts, form);
    return WrittenWithRoot(text) ? WriteRootText(text, form) : Str(text);
}

}  // namespace korvane
