#pragma once

// A formula of the log read into the structure its typeset forms need.
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

struct FormulaNode {
    enum class Kind {
        kNumber,     // "15", "0.999", text as written
        kLetter,     // "λ", "A", "x", "i"
        kWord,       // "det", "span", "tr"
        kOperator,   // "+", "-", "=", "≈", "≠", "…", ",", "|", "^" or "/" left alone
        kGroup,      // text holds the brackets, "()" or "{}"; children inside
        kVector,     // a column of canonical number texts, in entries
        kPower,      // children: the base, then the exponent as a group
        kSubscript,  // children: the base, then the subscript as a group
        kFraction,   // children: the numerator, then the denominator, as groups
        kRoot,       // √5, √(1/2): children: the radicand as a group
    };
    Kind kind = Kind::kOperator;
    std::string text;
    std::vector<FormulaNode> children;
    std::vector<std::string> entries;
};

using Formula = std::vector<FormulaNode>;

// Reads a formula as the log writes it. Never fails: what it does not
// understand stays operators and letters, so that a form can still show it.
Formula ReadFormula(std::string_view text);

}  // namespace korvane
