#include "main/engine/MatrixPrinting.h"

namespace korvane {

void PadRight(std::string& line, std::string_view text, std::size_t length) {
    line += text;
    if (text.size() < length) line.append(length - text.size(), ' ');
}

void PrintWorkMatrix(const WorkMatrix& matrix, StepLog& log) {
    std::string line;
    for (int r = 0; r <= matrix.LastRow(); ++r) {
        line.assign("  ( ");
        for (int c = 0; c <= matrix.LastCol(); ++c)
            PadRight(line, matrix.Text(c, r), matrix.ColumnWidth(c) + 1);
        line += ')';
        log.AppendStepLog(line);
    }
}

}  // namespace korvane
