#include "core/practice/StepRecognition.h"

#include <algorithm>
#include <utility>

namespace korvane {

namespace {

bool Contains(const std::vector<int>& rows, int row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

// The pivot row's operations: row pivot scaled by its ratio when it changed,
// then every other changed row as before plus a multiple of the pivot row.
std::optional<std::vector<RowOperation>> PivotStep(const MatrixRows& before,
                                                   const MatrixRows& after,
                                                   const std::vector<int>& changed, int pivot) {
    if (IsZeroRow(before[pivot])) return std::nullopt;
    std::vector<RowOperation> operations;
    ComplexFraction scale = CpxOne();
    if (Contains(changed, pivot)) {
        const auto ratio = RowRatio(after[pivot], before[pivot]);
        if (!ratio || CpxIsZero(*ratio)) return std::nullopt;
        scale = *ratio;
        operations.push_back(RowOperation::Scale(pivot, scale));
    }
    for (const int row : changed) {
        if (row == pivot) continue;
        MatrixRow added = after[row];
        AddMultiple(added, CpxNeg(CpxOne()), before[row]);
        const auto multiple = RowRatio(added, before[pivot]);
        if (!multiple) return std::nullopt;
        // After the scaling the pivot row is scale times what it was.
        operations.push_back(RowOperation::Add(row, pivot, QuotientOf(*multiple, scale)));
    }
    return operations;
}

}  // namespace

std::vector<int> ChangedRows(const MatrixRows& before, const MatrixRows& after) {
    std::vector<int> rows;
    for (std::size_t r = 0; r < before.size(); ++r) {
        if (before[r] != after[r]) rows.push_back(static_cast<int>(r));
    }
    return rows;
}

std::optional<std::vector<RowOperation>> RecogniseStep(const MatrixRows& before,
                                                       const MatrixRows& after) {
    std::vector<std::vector<RowOperation>> readings = StepReadings(before, after);
    if (readings.empty()) return std::nullopt;
    return std::move(readings.front());
}

std::vector<std::vector<RowOperation>> StepReadings(const MatrixRows& before,
                                                    const MatrixRows& after) {
    std::vector<std::vector<RowOperation>> readings;
    const std::vector<int> changed = ChangedRows(before, after);
    if (changed.empty()) return readings;
    if (changed.size() == 2 && after[changed[0]] == before[changed[1]] &&
        after[changed[1]] == before[changed[0]])
        readings.push_back({RowOperation::Swap(changed[0], changed[1])});
    // One changed row is read as a scaling before an addition, and a pivot
    // row that stayed as it is before one that was scaled.
    if (changed.size() == 1) {
        if (auto scaling = PivotStep(before, after, changed, changed.front()))
            readings.push_back(std::move(*scaling));
    }
    const int rows = static_cast<int>(before.size());
    for (const bool scaled : {false, true}) {
        for (int pivot = 0; pivot < rows; ++pivot) {
            if (Contains(changed, pivot) != scaled) continue;
            if (changed.size() == 1 && pivot == changed.front()) continue;  // read above
            if (auto step = PivotStep(before, after, changed, pivot))
                readings.push_back(std::move(*step));
        }
    }
    return readings;
}

MatrixRows Applied(MatrixRows matrix, const std::vector<RowOperation>& operations) {
    for (const RowOperation& op : operations)
        ApplyOperation(op, matrix);
    return matrix;
}

}  // namespace korvane
