#include "core/ParameterCell.h"

#include "mklibs/ParameterReader.h"

namespace korvane {

namespace {

// A letter that may name the parameter stands in the text; numbers are
// written without one (i, j and the exponent's e aside).
bool MayHoldParameter(std::string_view text) {
    for (const char c : text) {
        if (c >= 'a' && c <= 'z' && c != 'i' && c != 'j' && c != 'e') return true;
    }
    return false;
}

std::string NotTakenText(char letter) {
    std::string text = "文字 ";
    text += letter;
    text += " を含む行列を扱えるのは、";
    text += ParameterCommandNames();
    text += "の計算だけです。";
    return text;
}

}  // namespace

char CellParameterLetter(std::string_view text) {
    if (!MayHoldParameter(text)) return '\0';
    try {
        return ReadParameterExpression(text).letter;
    } catch (const Error&) {
        return '\0';
    }
}

std::string ParameterCommandNames() {
    return "行列式・階数・連立方程式・逆行列・核・像・固有値";
}

ParameterNotTaken::ParameterNotTaken(char letter) : Error(NotTakenText(letter)), letter_(letter) {}

}  // namespace korvane
