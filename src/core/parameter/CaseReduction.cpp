#include "core/parameter/CaseReduction.h"

#include "core/StopSignal.h"
#include "core/engine/MatrixPrinting.h"
#include "core/parameter/CaseValues.h"

namespace korvane {

namespace {

// The row a column's pivot comes from and the values where it vanishes that
// the case does not exclude yet (1 for none, and for a constant pivot).
struct PivotChoice {
    std::int32_t row = -1;
    Polynomial zeros = Polynomial::Constant(CpxOne());
};

// A nonzero constant where there is one, as a teacher takes it; else the
// non-constant entry with the fewest new zeros, the first among equals.
PivotChoice ChoosePivot(const ParameterWorkMatrix& m, std::int32_t col, std::int32_t row,
                        const ParameterRoots& excluded) {
    PivotChoice best;
    for (std::int32_t k = row; k <= m.LastRow(); ++k) {
        const RationalFunction& entry = m.At(col, k);
        if (RfIsZero(entry)) continue;
        if (RfIsConstant(entry)) return {k, Polynomial::Constant(CpxOne())};
        StopPoint();
        Polynomial zeros = NewZeros(entry.Numerator(), excluded);
        if (best.row < 0 || zeros.Degree() < best.zeros.Degree()) best = {k, std::move(zeros)};
    }
    return best;
}

std::string ColumnText(std::int32_t col) {
    std::string text = std::to_string(col + 1);
    text += "列目";
    return text;
}

}  // namespace

std::vector<CaseResult> CaseReduction::Reduce(const ParameterWorkMatrix& matrix,
                                              const ParameterCase& start,
                                              std::int32_t splitColumns, bool splitting) {
    results_.clear();
    original_ = &matrix;
    splitColumns_ = splitColumns;
    splitting_ = splitting;
    ParameterWorkMatrix m = matrix;
    ParameterTally tally;
    Follow(m, tally, 0, 0, start);
    return std::move(results_);
}

void CaseReduction::Heading(const ParameterCase& c) {
    std::string line = "［";
    line += CaseLead(c);
    line += "］";
    log_.AppendStepLog(line);
}

void CaseReduction::Follow(ParameterWorkMatrix& m, ParameterTally& tally, std::int32_t col,
                           std::int32_t row, const ParameterCase& current) {
    BasicRowReduction<RationalFunctions> steps(m, log_, tally, style_);
    const std::int32_t lastCol = std::min(m.LastCol(), splitColumns_ - 1);
    while (col <= lastCol && row <= m.LastRow()) {
        StopPoint();
        const PivotChoice choice = ChoosePivot(m, col, row, current.excluded);
        if (choice.row < 0) {
            ++col;
            continue;
        }
        const RationalFunction& candidate = m.At(col, choice.row);
        if (splitting_ && choice.zeros.Degree() > 0) {
            std::string line = ColumnText(col);
            line += "のピボットの候補 ";
            AppendRfText(line, candidate);
            line += " は、";
            const ParameterRoots zeros = SplitRoots(choice.zeros);
            line += ZeroConditionText(current.letter, zeros);
            line += " のとき0になるので、場合分けします。";
            log_.AppendStepLog(line);
            const ParameterWorkMatrix saved = m;
            const ParameterTally savedTally = tally;
            const ParameterCase dividing =
                ParameterCase::AllBut(current.letter, Joined(current.excluded, zeros));
            Heading(dividing);
            Follow(m, tally, col, row, dividing);
            for (const ComplexFraction& root : zeros.roots) {
                FollowValue(saved, savedTally, col, row, ParameterCase::Value(current.letter, root),
                            root);
            }
            for (const Polynomial& factor : zeros.others) {
                if (const auto surds = SurdRootsOf(factor)) {
                    for (const Surd& root : *surds) {
                        FollowValue(saved, savedTally, col, row,
                                    ParameterCase::SurdValue(current.letter, root), root);
                    }
                    continue;
                }
                const ParameterCase rootCase = ParameterCase::RootOf(current.letter, factor);
                Heading(rootCase);
                log_.AppendStepLog("この場合は、ここでは調べません。");
                results_.push_back({rootCase, ""});
            }
            return;
        }
        if (splitting_ && !RfIsConstant(candidate)) LogPivotNonzero(current, candidate);
        if (choice.row != row) steps.SwapRows(row, choice.row);
        if (!RfIsOne(m.At(col, row))) steps.ScaleRow(row, RfInv(m.At(col, row)));
        for (std::int32_t i = 0; i <= m.LastRow(); ++i) {
            if (i != row && !RfIsZero(m.At(col, i))) steps.SubtractRowMultiple(i, row, m.At(col, i));
        }
        ++col;
        ++row;
    }
    if (lastCol == m.LastCol()) {
        log_.AppendStepLog("これで、行階段基本形になりました。");
    } else {
        std::string line = "これで、左の";
        line += std::to_string(lastCol + 1);
        line += "列は行階段基本形になりました。";
        log_.AppendStepLog(line);
    }
    results_.push_back({current, ends_.dividing(*original_, m, tally)});
}

void CaseReduction::LogPivotNonzero(const ParameterCase& current,
                                    const RationalFunction& pivot) {
    const std::string condition = CaseConditionText(current);
    std::string nonzero;
    AppendRfText(nonzero, pivot);
    nonzero += " ≠ 0";
    // "a ≠ 0 なので、a ≠ 0 です。" would say nothing: the heading has said it.
    if (condition == nonzero) return;
    std::string line = condition;
    line += line.empty() ? "" : " なので、";
    line += nonzero;
    line += " です。";
    log_.AppendStepLog(line);
}

template <class Value>
void CaseReduction::FollowValue(const ParameterWorkMatrix& matrix, const ParameterTally& tally,
                                std::int32_t col, std::int32_t row,
                                const ParameterCase& valueCase, const Value& value) {
    using F = FieldOf<Value>;
    Heading(valueCase);
    BasicWorkMatrix<F> q = SubstitutedMatrix(matrix, value);
    BasicReductionTally<F> qTally{ValueAt(tally.detFactor, value), tally.swapCount};
    std::string line = CaseConditionText(valueCase);
    line += " を代入すると、";
    log_.AppendStepLog(line);
    PrintWorkMatrix(q, log_);
    BasicRowReduction<F>(q, log_, qTally, style_).RowReduce(col, row);
    results_.push_back(
        {valueCase, ends_.In<F>()(SubstitutedMatrix(*original_, value), q, qTally)});
}

}  // namespace korvane
