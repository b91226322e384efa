// Surd arithmetic for the SymPy judge: each input line "op<TAB>x[<TAB>y]"
// gives one output line, the result's text or what stopped it (clash,
// divzero, refused). Operations: add sub mul div inv sign read sqrt (x a
// fraction such as -8/9).
#include <iostream>
#include <string>
#include <vector>

#include "mklibs/Surd.h"
#include "mklibs/SurdReading.h"

namespace korvane {
namespace {

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == '\t') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

struct Refused {};

Surd Operand(const std::vector<std::string>& fields, std::size_t k) {
    if (k >= fields.size()) throw Refused{};
    const SurdReading reading = ReadSurd(fields[k]);
    if (!reading.value) throw Refused{};
    return *reading.value;
}

std::string Evaluate(const std::vector<std::string>& fields) {
    const std::string& op = fields[0];
    if (op == "sqrt") return SurdText(SurdSqrt(FracParse(fields.at(1))));
    const Surd x = Operand(fields, 1);
    if (op == "read") return SurdText(x);
    if (op == "inv") return SurdText(SurdInv(x));
    if (op == "sign") return std::to_string(SurdSign(x));
    const Surd y = Operand(fields, 2);
    if (op == "add") return SurdText(SurdAdd(x, y));
    if (op == "sub") return SurdText(SurdSub(x, y));
    if (op == "mul") return SurdText(SurdMul(x, y));
    if (op == "div") return SurdText(SurdMul(x, SurdInv(y)));
    if (op == "submul") {
        Surd t = x;
        SurdSubMul(t, y, Operand(fields, 3));
        return SurdText(t);
    }
    throw Refused{};
}

}  // namespace
}  // namespace korvane

int main() {
    std::string line;
    while (std::getline(std::cin, line)) {
        try {
            std::cout << korvane::Evaluate(korvane::Fields(line)) << '\n';
        } catch (const korvane::SurdFieldClash&) {
            std::cout << "clash\n";
        } catch (const korvane::DivisionByZero&) {
            std::cout << "divzero\n";
        } catch (const korvane::Refused&) {
            std::cout << "refused\n";
        }
    }
    return 0;
}
