#include "core/jordan/EigenvalueField.h"

#include <array>
#include <string>


namespace korvane {

namespace {

// "ここでは" followed by the goal; a formula stands apart from the Japanese
// around it: "ここでは A^n の式".
std::string HereGoal(std::string_view goal) {
    std::string text = "ここでは";
    if (!goal.empty() && static_cast<unsigned char>(goal.front()) < 0x80) text += ' ';
    text += goal;
    return text;
}

void LogOutsideField(std::string_view goal, StepLog& log) {
    std::string line = "固有値の中に複素有理数でないもの（近似値で示したもの）があるので、";
    line += HereGoal(goal);
    line += "を求められません。";
    log.AppendStepLog(line);
}

std::string RootText(const Integer& radicand) {
    std::string text = "√";
    radicand.AppendTo(text);
    return text;
}

// The two radicands of eigenvalues that differ, or nothing when one square
// root serves them all: Q(i)(√d) is a field, numbers with two different
// roots are not in it.
std::optional<std::array<Integer, 2>> TwoRoots(const std::vector<BasicEigenvalue<SurdNumbers>>& eigenvalues) {
    const Integer* radicand = nullptr;
    for (const BasicEigenvalue<SurdNumbers>& e : eigenvalues) {
        if (e.value.radicand == 0) continue;
        if (radicand != nullptr && !(*radicand == e.value.radicand))
            return std::array<Integer, 2>{*radicand, e.value.radicand};
        radicand = &e.value.radicand;
    }
    return std::nullopt;
}

}  // namespace

std::optional<FieldEigenvalues> EigenvaluesInField(const EigenvalueFindings& findings,
                                                   std::string_view goal, StepLog& log) {
    FieldEigenvalues found;
    if (!findings.others.empty()) {
        LogOutsideField(goal, log);
        return std::nullopt;
    }
    if (findings.quadratic.empty()) {
        found.rational = findings.exact;
        return found;
    }
    for (const ExactEigenvalue& e : findings.exact)
        found.surds.push_back({SurdFromCpx(e.value), e.algebraic});
    found.surds.insert(found.surds.end(), findings.quadratic.begin(), findings.quadratic.end());
    if (const std::optional<std::array<Integer, 2>> two = TwoRoots(found.surds)) {
        log.AppendStepLog("固有値に " + RootText((*two)[0]) + " と " + RootText((*two)[1]) +
                          " の2つの平方根が現れるので、" + HereGoal(goal) + "を求められません。");
        return std::nullopt;
    }
    return found;
}

}  // namespace korvane
