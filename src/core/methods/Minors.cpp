#include "core/methods/Minors.h"

#include <cassert>

#include "core/engine/MatrixPrinting.h"
#include "core/methods/FormulaText.h"

namespace korvane {

WorkMatrix MinorOf(const WorkMatrix& matrix, int row, int col) {
    assert(matrix.LastRow() > 0);
    WorkMatrix minor;
    minor.Resize(matrix.LastCol(), matrix.LastRow());
    for (int c = 0, mc = 0; c <= matrix.LastCol(); ++c) {
        if (c == col) continue;
        for (int r = 0, mr = 0; r <= matrix.LastRow(); ++r) {
            if (r == row) continue;
            minor.Set(mc, mr++, matrix.At(c, r));
        }
        ++mc;
    }
    return minor;
}

std::string MinorName(std::string_view letter, int row, int col) {
    std::string name(letter);
    name += EntrySubscript(row, col);
    return name;
}

void LogMinor(std::string_view parent, int row, int col, const std::string& name,
              const WorkMatrix& minor, StepLog& log) {
    std::string line(parent);
    line += " から";
    line += std::to_string(row + 1);
    line += "行目と";
    line += std::to_string(col + 1);
    line += "列目を取り除いた小行列 ";
    line += name;
    line += " は、";
    log.AppendStepLog(line);
    PrintWorkMatrix(minor, log);
    log.AppendStepLog("です。");
}

}  // namespace korvane
