#include "core/practice/ReductionProbe.h"

#include <utility>

#include "core/engine/RowOperationText.h"
#include "core/engine/RowReduction.h"
#include "core/practice/StepRecognition.h"

namespace korvane {

namespace {

// Raised by the watching log to end a reduction early; never leaves this file.
struct StopReduction {};

// Sees the reduction's lines go by. A sentence followed by a full matrix is
// one operation; after each, onStep sees the sentence and may stop the run.
// The closing sentence is never followed by a matrix.
class WatchingLog : public StepLog {
  public:
    using OnStep = std::function<bool(const std::string& sentence)>;
    WatchingLog(std::size_t rows, OnStep onStep) : rows_(rows), onStep_(std::move(onStep)) {}

    void ClearStepLog() override {}
    void AppendStepLog(std::string_view line) override {
        if (pending_ == 0) {
            sentence_ = line;
            pending_ = rows_;
        } else if (--pending_ == 0 && onStep_(sentence_)) {
            throw StopReduction{};
        }
    }

  private:
    std::size_t rows_;
    OnStep onStep_;
    std::size_t pending_ = 0;
    std::string sentence_;
};

// The operation that took before to after and is worded as sentence.
std::optional<RowOperation> OperationBehind(const MatrixRows& before, const MatrixRows& after,
                                            const std::string& sentence) {
    const std::vector<int> changed = ChangedRows(before, after);
    if (changed.size() == 2 && SwapSentence(changed[0], changed[1]) == sentence)
        return RowOperation::Swap(changed[0], changed[1]);
    if (changed.size() != 1) return std::nullopt;
    const int row = changed.front();
    const auto factor = RowRatio(after[row], before[row]);
    if (factor && ScaleSentence(row, *factor) == sentence) return RowOperation::Scale(row, *factor);
    MatrixRow removed = before[row];
    AddMultiple(removed, CpxNeg(CpxOne()), after[row]);
    for (std::size_t source = 0; source < before.size(); ++source) {
        const int s = static_cast<int>(source);
        const auto multiple = s == row ? std::nullopt : RowRatio(removed, before[source]);
        if (multiple && SubtractSentence(row, s, *multiple) == sentence)
            return RowOperation::Add(row, s, CpxNeg(*multiple));
    }
    return std::nullopt;
}

bool Counts(const RowOperation& op, ReductionAim aim) {
    const bool clearsAbove = op.kind == RowOperation::Kind::kAdd && op.target < op.source;
    return aim == ReductionAim::kReducedForm || !clearsAbove;
}

// Runs the reduction on a copy of matrix and shows visit each operation with
// the matrix after it, until visit returns true.
void WatchReduction(const MatrixRows& matrix,
                    const std::function<bool(const ReductionStep&, const MatrixRows&)>& visit) {
    WorkMatrix copy = ToWorkMatrix(matrix);
    MatrixRows before = matrix;
    ReductionTally tally;
    WatchingLog log(matrix.size(), [&](const std::string& sentence) {
        MatrixRows after = FromWorkMatrix(copy);
        const auto op = OperationBehind(before, after, sentence);
        before = std::move(after);
        // Every sentence of the reduction names one of the three operations.
        return op && visit(ReductionStep{sentence, *op}, before);
    });
    try {
        RowReduction(copy, log, tally).RowReduce(0, 0);
    } catch (const StopReduction&) {
    }
}

}  // namespace

std::optional<ReductionStep> FirstReductionStep(const MatrixRows& matrix, ReductionAim aim) {
    std::optional<ReductionStep> first;
    WatchReduction(matrix, [&](const ReductionStep& step, const MatrixRows&) {
        if (Counts(step.operation, aim)) first = step;
        return first.has_value();
    });
    return first;
}

int ReductionStepsUntil(const MatrixRows& matrix, ReductionAim aim,
                        const std::function<bool(const MatrixRows&)>& reached) {
    if (reached(matrix)) return 0;
    int steps = 0;
    WatchReduction(matrix, [&](const ReductionStep& step, const MatrixRows& after) {
        if (Counts(step.operation, aim)) ++steps;
        return reached(after);
    });
    return steps;
}

MatrixRows ReducedForm(const MatrixRows& matrix) {
    WorkMatrix copy = ToWorkMatrix(matrix);
    WatchingLog log(matrix.size(), [](const std::string&) { return false; });
    ReductionTally tally;
    RowReduction(copy, log, tally).RowReduce(0, 0);
    return FromWorkMatrix(copy);
}

}  // namespace korvane
