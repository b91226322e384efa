#include <array>
#include <utility>

#include "core/formats/Formula.h"
#include "core/formats/FormulaTree.h"
#include "core/formats/MathForms.h"
#include "core/formats/TextEscaping.h"

namespace korvane {

namespace {

using Kind = FormulaNode::Kind;

constexpr std::array<std::pair<std::string_view, std::string_view>, 12> kLatexOperators{{
    {"≈", "\\approx"},
    {"≠", "\\neq"},
    {"…", "\\dots"},
    {"|", "\\mid"},
    {"→", "\\to"},
    {"↔", "\\leftrightarrow"},
    {"·", "\\cdot"},
    {"*", "\\cdot"},
    {"^", "\\hat{}"},
    {"&", "\\&"},
    {"%", "\\%"},
    {"#", "\\#"},
}};

constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kLatexWords{{
    {"det", "\\det"},
    {"span", "\\operatorname{span}"},
    {"tr", "\\operatorname{tr}"},
    {"rank", "\\operatorname{rank}"},
    {"cos", "\\cos"},
    {"sin", "\\sin"}}};

template <std::size_t N>
std::string_view Looked(const std::array<std::pair<std::string_view, std::string_view>, N>& table,
                        std::string_view key) {
    for (const auto& [from, to] : table) {
        if (from == key) return to;
    }
    return {};
}

// "(1/2)λ" is written as a textbook does, \frac{1}{2}\lambda.
bool IsBracketedFraction(const FormulaNode& node) {
    return node.kind == Kind::kGroup && node.text == "()" && node.children.size() == 1 &&
           node.children.front().kind == Kind::kFraction;
}

std::string Latex(const Formula& formula);

bool HoldsRoot(const Formula& formula) {
    for (const FormulaNode& node : formula) {
        if (node.kind == Kind::kRoot || HoldsRoot(node.children)) return true;
    }
    return false;
}

// A fraction's numerator: (1+√5)/2 is set as \frac{1+\sqrt{5}}{2}, its
// brackets only grouping for the plain text.
const Formula& Numerator(const FormulaNode& fraction) {
    const Formula& top = fraction.children[0].children;
    if (top.size() == 1 && top.front().kind == Kind::kGroup && top.front().text == "()" &&
        HoldsRoot(top.front().children))
        return top.front().children;
    return top;
}

// Whether a part stands taller than a line of text: a fraction or a vector.
bool IsTall(const Formula& formula) {
    for (const FormulaNode& node : formula) {
        if (node.kind == Kind::kFraction || node.kind == Kind::kVector || IsTall(node.children))
            return true;
    }
    return false;
}

// Brackets grow with what they hold; around a line of text they stay plain,
// so that p_1(\lambda) keeps the spacing of a function's argument.
std::string LatexBrackets(const FormulaNode& group) {
    const std::string inside = Latex(group.children);
    if (IsBracketedFraction(group) || group.text.size() < 2) return inside;
    std::string open = group.text.substr(0, 1);
    std::string close = group.text.substr(1, 1);
    if (open == "{") {
        open = "\\{";
        close = "\\}";
    }
    if (!IsTall(group.children)) return open + inside + close;
    return "\\left" + open + inside + "\\right" + close;
}

std::string LatexLeaf(const FormulaNode& node) {
    if (node.kind == Kind::kWord) return std::string(Looked(kLatexWords, node.text));
    if (node.text == "λ") return "\\lambda";
    if (node.kind == Kind::kOperator) {
        const std::string_view command = Looked(kLatexOperators, node.text);
        return command.empty() ? node.text : std::string(command);
    }
    if (static_cast<unsigned char>(node.text.front()) >= 0x80)
        return "\\text{" + LatexText(node.text) + "}";
    return node.text;
}

std::string Latex(const FormulaNode& node) {
    switch (node.kind) {
        case Kind::kGroup:
            return LatexBrackets(node);
        case Kind::kVector:
            return LatexColumnVector(node.entries);
        case Kind::kPower:
            return Latex(node.children[0]) + "^{" + Latex(node.children[1].children) + "}";
        case Kind::kSubscript:
            return Latex(node.children[0]) + "_{" + Latex(node.children[1].children) + "}";
        case Kind::kFraction:
            return "\\frac{" + Latex(Numerator(node)) + "}{" + Latex(node.children[1].children) +
                   "}";
        case Kind::kRoot:
            return "\\sqrt{" + Latex(node.children[0].children) + "}";
        default:
            return LatexLeaf(node);
    }
}

std::string Latex(const Formula& formula) {
    std::string text;
    for (const FormulaNode& node : formula) {
        if (!text.empty()) text += ' ';
        text += Latex(node);
    }
    return text;
}

std::string Mathml(const Formula& formula);

std::string MathmlRow(const Formula& formula) {
    return "<mrow>" + Mathml(formula) + "</mrow>";
}

std::string MathmlBrackets(const FormulaNode& group) {
    if (IsBracketedFraction(group) || group.text.size() < 2) return MathmlRow(group.children);
    return "<mrow><mo>" + XmlText(group.text.substr(0, 1)) + "</mo>" + Mathml(group.children) +
           "<mo>" + XmlText(group.text.substr(1, 1)) + "</mo></mrow>";
}

std::string MathmlLeaf(const FormulaNode& node) {
    switch (node.kind) {
        case Kind::kNumber:
            return "<mn>" + node.text + "</mn>";
        case Kind::kOperator:
            return "<mo>" + (node.text == "-" ? std::string("\u2212") : XmlText(node.text)) +
                   "</mo>";
        default:
            return "<mi>" + XmlText(node.text) + "</mi>";
    }
}

std::string Mathml(const FormulaNode& node) {
    switch (node.kind) {
        case Kind::kGroup:
            return MathmlBrackets(node);
        case Kind::kVector:
            return MathmlColumnVector(node.entries);
        case Kind::kPower:
            return "<msup>" + MathmlRow({node.children[0]}) +
                   MathmlRow(node.children[1].children) + "</msup>";
        case Kind::kSubscript:
            return "<msub>" + MathmlRow({node.children[0]}) +
                   MathmlRow(node.children[1].children) + "</msub>";
        case Kind::kFraction:
            return "<mfrac>" + MathmlRow(Numerator(node)) + MathmlRow(node.children[1].children) +
                   "</mfrac>";
        case Kind::kRoot:
            return "<msqrt>" + Mathml(node.children[0].children) + "</msqrt>";
        default:
            return MathmlLeaf(node);
    }
}

std::string Mathml(const Formula& formula) {
    std::string text;
    for (const FormulaNode& node : formula)
        text += Mathml(node);
    return text;
}

}  // namespace

std::string LatexFormula(std::string_view formula) {
    return Latex(ReadFormula(formula));
}

std::string MathmlFormula(std::string_view formula) {
    return MathmlRow(ReadFormula(formula));
}

}  // namespace korvane
