#pragma once

// The determinant by cofactor expansion along a row or a column.
#include <cstdint>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/engine/LogStyle.h"

namespace korvane {

// Which line the expansion runs along, and how 3 × 3 minors are worked.
struct ExpansionChoice {
    enum class Line : std::uint8_t { kAuto, kRow, kColumn };
    // kAuto: the line with the most zeros, rows before columns, the first
    // of equals.
    Line line = Line::kAuto;
    int index = 0;  // the row or column for kRow and kColumn, from 0
    // 3 × 3 minors by Sarrus's rule, or expanded again like the others.
    bool sarrusMinors = true;

    friend bool operator==(const ExpansionChoice&, const ExpansionChoice&) = default;
};

// The det --expand command: the expansion with its signs and minors, each
// minor worked down (4 × 4 and 5 × 5 ones expanded again along their line
// with the most zeros, 3 × 3 ones as choice says, 2 × 2 ones as ad - bc),
// a term with a zero entry skipped with a word. A matrix larger than 5 × 5
// is expanded once and each minor's determinant found by the integer
// working of row operations. Refuses a non-square matrix and a row or
// column the matrix does not have.
bool CofactorExpansionDeterminant(const CellGrid& grid, StepLog& log, const ExpansionChoice& choice,
                                  const LogStyle& style = {});

}  // namespace korvane
