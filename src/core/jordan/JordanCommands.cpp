#include "core/jordan/JordanCommands.h"

#include "core/jordan/JordanForm.h"
#include "core/methods/CommandFrame.h"

namespace korvane {

bool JordanNormalForm(const CellGrid& grid, StepLog& log) {
    WorkMatrix a;
    if (!StartOnSquare(grid, log, a, "正方行列でないので、ジョルダン標準形はありません。")) return false;
    return WithJordanForm(a, "ジョルダン標準形", log, [](const auto&, const auto&) {});
}

}  // namespace korvane
