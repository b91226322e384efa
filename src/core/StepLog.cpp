#include "core/StepLog.h"

namespace korvane {

std::string MemoryStepLog::Text() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += '\n';
    }
    return text;
}

}  // namespace korvane
