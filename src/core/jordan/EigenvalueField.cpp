#include "core/jordan/EigenvalueField.h"

#include <string>

namespace korvane {

bool EigenvaluesInField(const EigenvalueFindings& findings, std::string_view goal, StepLog& log) {
    if (findings.others.empty()) return true;
    std::string line =
        "固有値の中に複素有理数でないもの（近似値で示したもの）があるので、ここでは";
    line += goal;
    line += "を求められません。";
    log.AppendStepLog(line);
    return false;
}

}  // namespace korvane
