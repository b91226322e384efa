#include "core/practice/EchelonForm.h"

namespace korvane {

namespace {

bool ColumnZeroExcept(const MatrixRows& matrix, int col, std::size_t keep, bool above) {
    for (std::size_t r = above ? 0 : keep + 1; r < matrix.size(); ++r) {
        if (r != keep && !CpxIsZero(matrix[r][col])) return false;
    }
    return true;
}

bool RestIsZero(const MatrixRows& matrix, std::size_t from) {
    for (std::size_t r = from; r < matrix.size(); ++r) {
        if (!IsZeroRow(matrix[r])) return false;
    }
    return true;
}

}  // namespace

int LeadingColumn(const MatrixRow& row) {
    for (std::size_t c = 0; c < row.size(); ++c) {
        if (!CpxIsZero(row[c])) return static_cast<int>(c);
    }
    return -1;
}

int PivotsInPlace(const MatrixRows& matrix, bool reduced) {
    int count = 0;
    int previous = -1;
    for (std::size_t r = 0; r < matrix.size(); ++r) {
        const int lead = LeadingColumn(matrix[r]);
        if (lead <= previous) break;  // also a zero row
        if (!ColumnZeroExcept(matrix, lead, r, reduced)) break;
        if (reduced && !CpxIsOne(matrix[r][lead])) break;
        ++count;
        previous = lead;
    }
    return count;
}

bool IsRowEchelon(const MatrixRows& matrix) {
    return RestIsZero(matrix, static_cast<std::size_t>(PivotsInPlace(matrix, false)));
}

bool IsUpperTriangular(const MatrixRows& matrix) {
    for (std::size_t r = 1; r < matrix.size(); ++r) {
        for (std::size_t c = 0; c < r && c < matrix[r].size(); ++c) {
            if (!CpxIsZero(matrix[r][c])) return false;
        }
    }
    return true;
}

bool IsReducedRowEchelon(const MatrixRows& matrix) {
    return RestIsZero(matrix, static_cast<std::size_t>(PivotsInPlace(matrix, true)));
}

}  // namespace korvane
