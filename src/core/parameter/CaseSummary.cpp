#include "core/parameter/CaseSummary.h"

#include "core/engine/MatrixPrinting.h"

namespace korvane {

ParameterStart StartParameterLog(const CellGrid& grid, StepLog& log) {
    ParameterStart start{LoadParameterMatrix(grid), {}};
    const char letter = start.read.letter;
    ParameterRoots undefined;
    if (start.read.undefinedAt.Degree() > 0) undefined = SplitRoots(start.read.undefinedAt);
    start.all = ParameterCase::AllBut(letter, undefined);
    log.ClearStepLog();
    PrintWorkMatrix(start.read.matrix, log);
    if (start.read.undefinedAt.Degree() > 0) {
        std::string line = ZeroConditionText(letter, undefined);
        line += " のときは定まらない成分があるので、";
        line += UnequalConditionText(letter, undefined);
        line += " として考えます。";
        log.AppendStepLog(line);
    }
    return start;
}

void LogCaseIntroduction(char letter, StepLog& log) {
    std::string line = "この行列は ";
    line += letter;
    line += " を含むので、";
    line += letter;
    line += " の値で場合分けしながら行階段基本形にします。";
    log.AppendStepLog(line);
}

void LogCaseSummary(const std::vector<CaseResult>& cases, const ParameterStart& start,
                    StepLog& log) {
    std::string line = "まとめると、";
    bool first = true;
    for (const CaseResult& c : cases) {
        if (!first) line += "、";
        first = false;
        line += CaseLead(c.condition);
        line += c.result.empty() ? "は調べていません" : c.result;
    }
    if (start.read.undefinedAt.Degree() > 0) {
        line += "、";
        line += ZeroConditionText(start.read.letter, start.all.excluded);
        line += " のとき行列は定まりません";
    }
    line += "。";
    log.AppendStepLog(line);
}

}  // namespace korvane
