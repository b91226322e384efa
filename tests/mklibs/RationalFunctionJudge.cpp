// Test-only: reads one operation on rational functions per line, fields
// separated by tabs, and prints one line per operation, for the SymPy judge
// (sympy_rational_functions.py):
//   read X        the canonical text of X
//   add X Y, sub X Y, mul X Y, div X Y, submul T X Y
//   at X V        X at the parameter value V (a CpxText), or "pole"
//   roots X       SplitRoots of X's numerator: "r1;r2|f1;f2" (factors
//                 written as PolynomialText writes them)
// A refused or failing operation prints "error<TAB>" and its message.
#include <iostream>
#include <string>
#include <vector>

#include "mklibs/ParameterReader.h"
#include "mklibs/ParameterValues.h"
#include "mklibs/RationalFunction.h"

namespace korvane {
namespace {

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

RationalFunction Read(const std::string& text) {
    return ReadParameterExpression(text).value;
}

std::string RootsText(const RationalFunction& x) {
    const ParameterRoots split = SplitRoots(x.Numerator());
    const std::string letter(1, x.Letter() == '\0' ? 'a' : x.Letter());
    std::string text;
    for (std::size_t k = 0; k < split.roots.size(); ++k)
        text += (k > 0 ? ";" : "") + CpxText(split.roots[k]);
    text += "|";
    for (std::size_t k = 0; k < split.others.size(); ++k)
        text += (k > 0 ? ";" : "") + PolynomialText(split.others[k], letter);
    return text;
}

std::string Run(const std::vector<std::string>& f) {
    const std::string& op = f.at(0);
    if (op == "read") return RfText(Read(f.at(1)));
    if (op == "roots") return RootsText(Read(f.at(1)));
    if (op == "at") {
        try {
            return CpxText(RfAt(Read(f.at(1)), CpxParse(f.at(2))));
        } catch (const DivisionByZero&) {
            return "pole";
        }
    }
    const RationalFunction x = Read(f.at(1)), y = Read(f.at(2));
    if (op == "add") return RfText(RfAdd(x, y));
    if (op == "sub") return RfText(RfSub(x, y));
    if (op == "mul") return RfText(RfMul(x, y));
    if (op == "div") return RfText(RfDiv(x, y));
    if (op == "submul") {
        RationalFunction t = x;
        RfSubMul(t, y, Read(f.at(3)));
        return RfText(t);
    }
    return "error\tunknown operation " + op;
}

}  // namespace
}  // namespace korvane

int main() {
    std::string line;
    while (std::getline(std::cin, line)) {
        try {
            std::cout << korvane::Run(korvane::Fields(line)) << '\n';
        } catch (const std::exception& e) {
            std::cout << "error\t" << e.what() << '\n';
        }
    }
    return 0;
}
