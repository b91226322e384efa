#include "core/orthogonality/RootTexts.h"

namespace korvane {

std::string RootText(const Fraction& n) {
    std::string text = "√(";
    AppendFracText(text, n);
    text += ')';
    return text;
}

std::string OverRootText(const Fraction& c, const Fraction& n) {
    std::string text;
    AppendFracText(text, c);
    text += '/';
    text += RootText(n);
    return text;
}

std::string UnitEntryText(const ComplexFraction& z, const Fraction& n) {
    std::string text = "(";
    AppendCpxText(text, z);
    text += ")/";
    text += RootText(n);
    return text;
}

std::string TimesRootText(const ComplexFraction& z, const Fraction& n) {
    std::string text = "(";
    AppendCpxText(text, z);
    text += ")";
    text += RootText(n);
    return text;
}

}  // namespace korvane
