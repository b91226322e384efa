#include "core/formats/RootForms.h"

#include "core/formats/Formula.h"

namespace korvane {

namespace {

constexpr std::string_view kRoot = "\u221A";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether what was written so far ends in a factor that a factor written
// straight after it multiplies.
bool EndsInFactor(const std::string& out) {
    return !out.empty() && (IsDigit(out.back()) || out.back() == ')' || out.back() == ']' ||
                            out.back() == 'I' || out.back() == 'i');
}

// The imaginary unit: MATLAB's 1i (never a bare i), I for SymPy and
// Mathematica, times a coefficient written before it.
void AppendImaginary(std::string& out, NumberForm form) {
    const bool afterDigit = !out.empty() && IsDigit(out.back());
    if (form == NumberForm::kMatlab) {
        out += afterDigit ? "i" : "1i";
    } else {
        out += afterDigit ? "*I" : "I";
    }
}

std::string ProgramText(std::string_view text, NumberForm form) {
    const bool mathematica = form == NumberForm::kMathematica;
    std::string out;
    for (std::size_t k = 0; k < text.size();) {
        if (text.substr(k).starts_with(kRoot)) {
            k += kRoot.size();
            if (EndsInFactor(out)) out += '*';
            out += mathematica ? "Sqrt[" : "sqrt(";
            while (k < text.size() && IsDigit(text[k]))
                out += text[k++];
            out += mathematica ? ']' : ')';
        } else if (text[k] == 'i') {
            AppendImaginary(out, form);
            ++k;
        } else {
            if (text[k] == '(' && EndsInFactor(out)) out += '*';
            out += text[k++];
        }
    }
    return out;
}

}  // namespace

std::string WriteRootText(std::string_view text, NumberForm form) {
    switch (form) {
        case NumberForm::kLatex:
            return LatexFormula(text);
        case NumberForm::kMathml:
            return MathmlFormula(text);
        case NumberForm::kMatlab:
        case NumberForm::kPython:
        case NumberForm::kMathematica:
            break;
    }
    return ProgramText(text, form);
}

}  // namespace korvane
