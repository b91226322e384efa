#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/StepLog.h"
#include "core/engine/LogStyle.h"
#include "core/engine/RationalFunctions.h"
#include "core/engine/RowReduction.h"
#include "core/engine/SurdNumbers.h"
#include "core/engine/WorkMatrix.h"
#include "core/parameter/ParameterCase.h"

namespace korvane {

using ParameterWorkMatrix = BasicWorkMatrix<RationalFunctions>;
using ParameterTally = BasicReductionTally<RationalFunctions>;

// What a command makes of one case once its reduction is done, over the
// case's field: from the matrix the reduction started from (at the case's
// value, for a value case), the reduced matrix and the tally, it logs the
// case's result and returns it in a few words for the summary ("階数 3").
template <EngineField F>
using CaseEnd = std::function<std::string(const BasicWorkMatrix<F>& original,
                                          const BasicWorkMatrix<F>& reduced,
                                          const BasicReductionTally<F>& tally)>;

struct CaseEnds {
    // A case that divides: reduced over Q(i)(a).
    CaseEnd<RationalFunctions> dividing;
    // A value of Q(i) substituted: reduced over Q(i) by the engine.
    CaseEnd<ComplexRationals> value;
    // A root a + b√d of a quadratic factor substituted: reduced over the
    // surds by the engine.
    CaseEnd<SurdNumbers> surdValue;

    // Every case ended by one generic ending.
    template <class End>
    static CaseEnds Alike(const End& end) {
        return {end, end, end};
    }

    template <EngineField F>
    const CaseEnd<F>& In() const {
        if constexpr (std::is_same_v<F, SurdNumbers>) {
            return surdValue;
        } else if constexpr (std::is_same_v<F, ComplexRationals>) {
            return value;
        } else {
            return dividing;
        }
    }
};

// One case of the summary: its condition and its result.
struct CaseResult {
    ParameterCase condition;
    std::string result;
};

// The row reduction of a matrix over Q(i)(a) by cases, logged. Column by
// column it takes a nonzero constant pivot where a row exchange can bring
// one; else a non-constant one, and where that pivot vanishes for values not
// yet excluded it splits: the values that keep it nonzero go on dividing
// over Q(i)(a), each root in Q(i), and each root a + b√d of a quadratic
// factor, is substituted and reduced with the engine's numbers, and the
// roots of the other factors without roots in Q(i) are named and not
// followed. Only the columns before splitColumns are reduced
// (the rest of an inverse's [A | I] follows them). Without splitting, every
// pivot is divided by as it is: for a result that is a polynomial identity in
// the entries, such as the determinant.
class CaseReduction {
  public:
    CaseReduction(StepLog& log, LogStyle style, CaseEnds ends)
        : log_(log), style_(style), ends_(std::move(ends)) {}

    // Reduces matrix for the values of start; returns every case in the
    // order the log gave them.
    std::vector<CaseResult> Reduce(const ParameterWorkMatrix& matrix, const ParameterCase& start,
                                   std::int32_t splitColumns, bool splitting = true);

  private:
    void Follow(ParameterWorkMatrix& matrix, ParameterTally& tally, std::int32_t col,
                std::int32_t row, const ParameterCase& current);
    template <class Value>
    void FollowValue(const ParameterWorkMatrix& matrix, const ParameterTally& tally,
                     std::int32_t col, std::int32_t row, const ParameterCase& valueCase,
                     const Value& value);
    void Heading(const ParameterCase& c);
    // Why the pivot of a case that divides is not zero, unless the case's
    // own condition says just that.
    void LogPivotNonzero(const ParameterCase& current, const RationalFunction& pivot);

    StepLog& log_;
    LogStyle style_;
    CaseEnds ends_;
    const ParameterWorkMatrix* original_ = nullptr;
    std::int32_t splitColumns_ = 0;
    bool splitting_ = true;
    std::vector<CaseResult> results_;
};

}  // namespace korvane
