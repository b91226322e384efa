#include "core/engine/MatrixPrinting.h"

#include "core/StopSignal.h"

namespace korvane {

void PadRight(std::string& line, std::string_view text, std::size_t length) {
    line += text;
    if (text.size() < length) line.append(length - text.size(), ' ');
}

void PrintWorkMatrix(const WorkMatrix& matrix, StepLog& log) {
    // A row of huge entries takes a while to format: a stop may come between.
    for (int r = 0; r <= matrix.LastRow(); ++r) {
        StopPoint();
        log.AppendStepLog(matrix.RowLine(r));
    }
}

}  // namespace korvane
