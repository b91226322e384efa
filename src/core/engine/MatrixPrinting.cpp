#include "core/engine/MatrixPrinting.h"

namespace korvane {

void PadRight(std::string& line, std::string_view text, std::size_t length) {
    line += text;
    if (text.size() < length) line.append(length - text.size(), ' ');
}

void PrintWorkMatrix(const WorkMatrix& matrix, StepLog& log) {
    for (int r = 0; r <= matrix.LastRow(); ++r)
        log.AppendStepLog(matrix.RowLine(r));
}

}  // namespace korvane
