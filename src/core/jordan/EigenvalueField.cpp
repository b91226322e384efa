#include "core/jordan/EigenvalueField.h"

#include <string>

namespace korvane {

bool EigenvaluesInField(const EigenvalueFindings& findings, std::string_view goal, StepLog& log) {
    if (findings.others.empty() && findings.quadratic.empty()) return true;
    std::string line =
        "固有値の中に複素有理数でないもの（近似値で示したもの）があるので、ここでは";
    // A formula stands apart from the Japanese around it: "ここでは A^n の式".
    if (!goal.empty() && static_cast<unsigned char>(goal.front()) < 0x80) line += ' ';
    line += goal;
    line += "を求められません。";
    log.AppendStepLog(line);
    return false;
}

}  // namespace korvane
