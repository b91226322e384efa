#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/StepLog.h"
#include "core/StopSignal.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// The characters of a UTF-8 text as a monospaced log shows them, one per
// code point: "√2" is two wide, as "-2" is.
std::size_t TextWidth(std::string_view text);

// Appends text to line, then spaces until the appended field is length
// characters wide; a wider text is appended whole.
void PadRight(std::string& line, std::string_view text, std::size_t length);

// One log line per row: "  ( ", each entry left-aligned in a field one wider
// than its column's widest text, then ")".
template <EngineField F>
void PrintWorkMatrix(const BasicWorkMatrix<F>& matrix, StepLog& log) {
    // A row of huge entries takes a while to format: a stop may come between.
    for (int r = 0; r <= matrix.LastRow(); ++r) {
        StopPoint();
        log.AppendStepLog(matrix.RowLine(r));
    }
}

// Rows of entry texts: a matrix of numbers the work matrix does not hold
// (closed forms, entries with different roots).
using TextRows = std::vector<std::vector<std::string>>;

// Prints text rows as PrintWorkMatrix prints a matrix: each entry
// left-aligned in a field one wider than its column's widest text.
void PrintTextMatrix(const TextRows& rows, StepLog& log);

}  // namespace korvane
